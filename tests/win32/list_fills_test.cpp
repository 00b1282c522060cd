#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/enemy/enemy_catalogues.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/editors/list_fills.h"

namespace {

std::string EntryText(HWND list, int index) {
  char text[64] = {};
  SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

int EntryCount(HWND list) {
  return static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
}

class ListFillsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    list = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN | WS_VSCROLL, 0, 0, 200, 150, mainWindow,
                           nullptr, nullptr, nullptr);
    ASSERT_TRUE(list);
  }
  void TearDown() override {
    DestroyWindow(list);
    ShellTest::TearDown();
  }
  HWND list = nullptr;
};

TEST_F(ListFillsTest, EachFillReplacesTheEntriesInOrder) {
  EnemyTable enemies = EnemyTableWithNames({"Spiteful Crow", "Coil Snake"});
  std::swap(enemies[0], enemies[1]);
  ItemTable items = MakeItemTable();
  SetItemName(items[255], "Franklin Badge");

  FillEnemyList(list, enemies);
  ASSERT_EQ(EntryCount(list), 230);
  EXPECT_EQ(EntryText(list, 0), "Coil Snake - [1]");
  EXPECT_EQ(EntryText(list, 1), "Spiteful Crow - [0]");

  FillItemList(list, items);
  ASSERT_EQ(EntryCount(list), 256);
  EXPECT_EQ(EntryText(list, 7), "Item 007 - [7]");
  EXPECT_EQ(EntryText(list, 255), "Franklin Badge - [255]");

  FillActionList(list);
  ASSERT_EQ(EntryCount(list), 319);
  EXPECT_EQ(EntryText(list, 62), "Call for help");
  EXPECT_EQ(EntryText(list, 318), "You can't use the ");

  FillPsiArgumentList(list);
  ASSERT_EQ(EntryCount(list), 52);
  EXPECT_EQ(EntryText(list, 0), "PSI Special 1");
  EXPECT_EQ(EntryText(list, 51), "");

  SetWindowTextA(list, "typed");
  ClearList(list);
  EXPECT_EQ(EntryCount(list), 0);
  EXPECT_EQ(WindowText(list), "");
}

}  // namespace
