#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/item/item_table.h"
#include "tests/support/table_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/editor_input.h"
#include "tests/win32/modal_driver.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/editor_frame.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/item_editor_window.h"

namespace {

class EditorKeyboard : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    listOrders.itemListOrder = ListOrder::ByName;
    ItemSelection = 0;
    EnemySelection = 0;
    path = LoadImage(NamedItemsImage());
  }
  void TearDown() override {
    ItemSelection = 0;
    SearchText.clear();
    EditorTest::TearDown();
  }

  std::vector<std::uint8_t> AppleCostOnDisk() { return FileBytes(path, ItemOffset(kApple) + kItemCostField, 2); }

  std::string path;
};

std::string ClassOf(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

// The edit part of a drop-down box is no control of its own.
bool IsField(HWND control) {
  if (ClassOf(GetParent(control)) == "ComboBox") return false;
  const std::string name = ClassOf(control);
  if (name == "Edit" || name == "ComboBox" || name == "ListBox") return true;
  return name == "Button" && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
}

BOOL CALLBACK CollectVisibleField(HWND control, LPARAM fields) {
  if (IsField(control) && IsWindowVisible(control) && IsWindowEnabled(control)) {
    reinterpret_cast<std::set<HWND>*>(fields)->insert(control);
  }
  return TRUE;
}

std::set<HWND> VisibleFields(HWND editor) {
  std::set<HWND> fields;
  EnumChildWindows(editor, CollectVisibleField, reinterpret_cast<LPARAM>(&fields));
  return fields;
}

// The controls Tab visits from the apply button round to it again, the button first.
std::vector<HWND> TabRound(HWND editor, int modifier) {
  HWND apply = ControlById(editor, kApplyButtonId);
  SetFocus(apply);
  std::vector<HWND> visited = {apply};
  for (int step = 0; step < 200; ++step) {
    PressKey(editor, WM_KEYDOWN, VK_TAB, modifier);
    HWND focus = GetFocus();
    if (ClassOf(GetParent(focus)) == "ComboBox") focus = GetParent(focus);
    if (focus == apply) return visited;
    visited.push_back(focus);
  }
  return visited;
}

int Top(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  return rect.top;
}

void ExpectTabVisitsEveryFieldInReadingOrder(HWND editor, const std::string& where) {
  const std::vector<HWND> round = TabRound(editor, 0);
  const std::set<HWND> fields = VisibleFields(editor);
  std::set<HWND> visitedFields;
  for (HWND control : round) {
    if (IsField(control)) visitedFields.insert(control);
  }
  EXPECT_EQ(visitedFields, fields) << where;
  EXPECT_EQ(std::set<HWND>(round.begin(), round.end()).size(), round.size()) << where << ": each once";
  // Down the window row by row, and up once, from the last control round to the first.
  int wentUp = 0;
  for (std::size_t i = 0; i < round.size(); ++i) {
    if (Top(round[(i + 1) % round.size()]) + 8 < Top(round[i])) ++wentUp;
  }
  EXPECT_EQ(wentUp, 1) << where;
  std::vector<HWND> back = TabRound(editor, VK_SHIFT);
  std::reverse(back.begin() + 1, back.end());
  EXPECT_EQ(back, round) << where << ": Shift+Tab goes the same way back";
}

TEST_F(EditorKeyboard, TabVisitsEveryEnabledControlInReadingOrder) {
  const std::pair<HTREEITEM*, const char*> editors[] = {{&treeItems.items, "items"},
                                                        {&treeItems.names, "PSI names"},
                                                        {&treeItems.teleport, "teleports"},
                                                        {&treeItems.text, "misc. text"}};
  for (const auto& [item, name] : editors) {
    ASSERT_TRUE(OpenFromTree(*item, [&](HWND editor) { ExpectTabVisitsEveryFieldInReadingOrder(editor, name); }));
  }
  ASSERT_TRUE(OpenFromTree(treeItems.enemies, [&](HWND editor) {
    const std::vector<HWND> round = TabRound(editor, 0);
    for (int id : {kEnemyListId, kEnemyItemId, kEnemyItemFrequencyId, kEnemyTypeId, kEnemyHpId}) {
      EXPECT_NE(std::find(round.begin(), round.end(), ControlById(editor, id)), round.end()) << id;
    }
    HWND tabs = FindChild(editor, WC_TABCONTROLA);
    for (int tab = 0; tab < 3; ++tab) {
      TabCtrl_SetCurSel(tabs, tab);
      NMHDR change = {tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
      SendMessageA(editor, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
      ExpectTabVisitsEveryFieldInReadingOrder(editor, "enemy tab " + std::to_string(tab));
    }
  }));
}

TEST_F(EditorKeyboard, EnterAppliesFromABoxButNotFromAList) {
  ASSERT_TRUE(OpenFromTree(treeItems.items, [&](HWND editor) {
    HWND apply = ControlById(editor, kApplyButtonId);
    EXPECT_EQ(WindowText(apply), "&Apply Changes");
    HWND cost = ControlById(editor, kItemCostBoxId);
    TypeText(cost, "77");
    SetFocus(ControlById(editor, kItemListId));
    PressKey(editor, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(AppleCostOnDisk(), (std::vector<std::uint8_t>{10, 0})) << "Enter in a list applies nothing";
    EXPECT_EQ(GetWindowLongA(apply, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "not the default in a list";

    SetFocus(cost);
    PressKey(editor, WM_KEYUP, VK_LEFT);  // the frame looks at the focus after each key
    EXPECT_EQ(GetWindowLongA(apply, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    PressKey(editor, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(AppleCostOnDisk(), (std::vector<std::uint8_t>{77, 0}));

    TypeText(cost, "78");
    PressKey(editor, WM_SYSCHAR, 'a');
    EXPECT_EQ(AppleCostOnDisk(), (std::vector<std::uint8_t>{78, 0})) << "Alt+A";
  }));
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(EditorKeyboard, CommandKeysFindFindTheNextMatchOpenHelpAndEscapeCloses) {
  ASSERT_TRUE(OpenFromTree(treeItems.items, [&](HWND editor) {
    SetFocus(ControlById(editor, kItemCostBoxId));
    PressKey(editor, WM_KEYDOWN, VK_F1);
    EXPECT_EQ(recorder.helpOpened, 1);

    SearchText = "Banana";
    PressKey(editor, WM_KEYDOWN, VK_F3);
    EXPECT_EQ(WindowText(ControlById(editor, kItemNameBoxId)), "Banana") << "F3";
    PressKey(editor, WM_KEYDOWN, VK_F3);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "String not found") << "no match after Banana";

    EXPECT_FALSE(DriveModalDialog([&] { PressKey(editor, WM_KEYDOWN, 'F'); }, [](HWND) {})) << "F alone is typing";
    bool searchOpened = false;
    DriveModalDialog([&] { PressKey(editor, WM_KEYDOWN, 'F', VK_CONTROL); },
                     [&](HWND search) { searchOpened = GetParent(search) == mainWindow; });
    EXPECT_TRUE(searchOpened) << "Ctrl+F";

    // The search box's owner is the main window, which takes the focus when the box ends.
    SetFocus(ControlById(editor, kItemCostBoxId));
    PressKey(editor, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(editor)) << "Escape";
    EXPECT_EQ(GetMenu(editor), nullptr);
  }));
}

TEST_F(EditorKeyboard, DropDownListsOpenAtLeastTwentyRowsHigh) {
  const HTREEITEM* editors[] = {&treeItems.enemies, &treeItems.items, &treeItems.text};
  for (const HTREEITEM* item : editors) {
    ASSERT_TRUE(OpenFromTree(*item, [&](HWND editor) {
      int lists = 0;
      for (HWND control : VisibleFields(editor)) {
        if (ClassOf(control) != "ComboBox") continue;
        ++lists;
        RECT dropped = {};
        SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        RECT field = {};
        GetWindowRect(control, &field);
        const LONG rows = (dropped.bottom - dropped.top - (field.bottom - field.top)) /
                          static_cast<LONG>(SendMessageA(control, CB_GETITEMHEIGHT, 0, 0));
        EXPECT_GE(rows, 20) << GetDlgCtrlID(control);
      }
      EXPECT_GT(lists, 0) << "the first tab shows lists";
    }));
  }
}

}  // namespace
