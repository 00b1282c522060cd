#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/text/misc_text_tables.h"
#include "tests/win32/editor_fixture.h"
#include "win32/app/app_state.h"
#include "win32/editors/misc_text_editor_window.h"

namespace {

std::uint32_t PhoneOffset(int i) {
  return Headered(kPhoneListRomPosition) + kPhoneEntrySize * i;
}
std::uint32_t AilmentOffset(int i) {
  return Headered(kAilmentNameRomPosition) + 16 * i;
}
std::uint32_t BattleMenuOffset(int i) {
  return Headered(kBattleMenuRomPosition) + 16 * i;
}

FixtureImage MiscTextImage() {
  FixtureImage image = EarthBoundImage();
  for (int i = 0; i < 5; ++i) {
    image.PutGameText(PhoneOffset(i), "Phone " + std::to_string(i), 25);
    image.Put(PhoneOffset(i) + 25, {0x5A, static_cast<std::uint8_t>(0xA0 + i)});
    image.PutValue(PhoneOffset(i) + kPhonePointerField, 0xC01230 + i, 4);
  }
  for (int i = 0; i < 10; ++i) image.PutGameText(AilmentOffset(i), "Ailment " + std::to_string(i), 16);
  for (int i = 0; i < 11; ++i) image.PutGameText(BattleMenuOffset(i), "Menu " + std::to_string(i), 16);
  image.PutGameText(BattleMenuOffset(4), "SixteenCharsLong", 16);
  return image;
}

std::vector<std::string> ListEntries(HWND list) {
  std::vector<std::string> entries;
  const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

int Selected(HWND list) {
  return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

// A user's choice in a list: the selection moves, then the list confirms it.
void ChooseEntry(HWND editor, int listId, int index) {
  HWND list = GetDlgItem(editor, listId);
  SendMessageA(list, CB_SETCURSEL, index, 0);
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(listId, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

std::string BoxText(HWND editor, int id) {
  return WindowText(GetDlgItem(editor, id));
}

class MiscTextEditorTest : public EditorTest {};

TEST_F(MiscTextEditorTest, ShowsThreeListsWithTheFirstEntriesSelected) {
  LoadImage(MiscTextImage());
  ASSERT_TRUE(OpenFromTree(treeItems.text, [&](HWND editor) {
    HWND tabs = FindChild(editor, WC_TABCONTROLA);
    const std::pair<const char*, ControlPlace> groups[] = {{"Misc. Text:", {5, 32, 575, 370}},
                                                           {"Phone List:", {75, 55, 475, 90}},
                                                           {"Ailment Names:", {75, 150, 475, 65}},
                                                           {"Battle Menu:", {75, 220, 475, 65}}};
    for (const auto& [label, place] : groups) {
      HWND group = FindChild(tabs, "Button", label);
      ASSERT_TRUE(group) << label;
      EXPECT_EQ(PlaceOf(group), place) << label;
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(group, WM_GETFONT, 0, 0)), normalFont) << label;
    }
    HWND pointerLabel = FindChild(editor, "Static", "Pointer:");
    EXPECT_EQ(PlaceOf(pointerLabel), (ControlPlace{200, 141, 90, 19}));
    // It lies under the tab control, yet is drawn.
    EXPECT_GT(DarkPixelsOnScreen(pointerLabel), 10);
    const std::pair<int, ControlPlace> boxes[] = {{kPhoneNameBoxId, {320, 115, 160, 20}},
                                                  {kPhonePointerBoxId, {320, 141, 160, 20}},
                                                  {kAilmentBoxId, {320, 210, 160, 20}},
                                                  {kBattleMenuBoxId, {320, 280, 160, 20}}};
    for (const auto& [id, place] : boxes) EXPECT_EQ(PlaceOf(GetDlgItem(editor, id)), place) << id;
    const int lists[] = {kPhoneListId, kAilmentListId, kBattleMenuListId};
    const int listTops[] = {114, 209, 279};
    for (int i = 0; i < 3; ++i) {
      HWND list = GetDlgItem(editor, lists[i]);
      EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
      const ControlPlace place = PlaceOf(list);
      EXPECT_EQ(place.x, 94);
      EXPECT_EQ(place.y, listTops[i]);
      EXPECT_EQ(place.width, 210);
      EXPECT_EQ(Selected(list), 0);
    }
    EXPECT_EQ(ListEntries(GetDlgItem(editor, kPhoneListId)),
              (std::vector<std::string>{"Phone 0", "Phone 1", "Phone 2", "Phone 3", "Phone 4"}));
    EXPECT_EQ(ListEntries(GetDlgItem(editor, kAilmentListId)).size(), 10u);
    EXPECT_EQ(ListEntries(GetDlgItem(editor, kBattleMenuListId))[4], "SixteenCharsLong");
    EXPECT_EQ(BoxText(editor, kPhoneNameBoxId), "Phone 0");
    EXPECT_EQ(BoxText(editor, kPhonePointerBoxId), "$C01230");
    EXPECT_EQ(BoxText(editor, kAilmentBoxId), "Ailment 0");
    EXPECT_EQ(BoxText(editor, kBattleMenuBoxId), "Menu 0");
  }));
}

TEST_F(MiscTextEditorTest, AConfirmedChoiceInAnyListRedisplaysAllThreeGroups) {
  LoadImage(MiscTextImage());
  ASSERT_TRUE(OpenFromTree(treeItems.text, [&](HWND editor) {
    for (int listId : {kPhoneListId, kAilmentListId, kBattleMenuListId}) {
      SCOPED_TRACE(listId);
      for (int id : {kPhoneNameBoxId, kPhonePointerBoxId, kAilmentBoxId, kBattleMenuBoxId}) {
        TypeText(GetDlgItem(editor, id), "typed, not applied");
      }
      ChooseEntry(editor, listId, 3);
      const int phone = Selected(GetDlgItem(editor, kPhoneListId));
      const int ailment = Selected(GetDlgItem(editor, kAilmentListId));
      const int battle = Selected(GetDlgItem(editor, kBattleMenuListId));
      EXPECT_EQ(BoxText(editor, kPhoneNameBoxId), "Phone " + std::to_string(phone));
      EXPECT_EQ(BoxText(editor, kPhonePointerBoxId), "$C0123" + std::to_string(phone));
      EXPECT_EQ(BoxText(editor, kAilmentBoxId), "Ailment " + std::to_string(ailment));
      EXPECT_EQ(BoxText(editor, kBattleMenuBoxId), "Menu " + std::to_string(battle));
    }
  }));
}

TEST_F(MiscTextEditorTest, ApplyWritesTheSelectedEntryOfEachTable) {
  const std::string path = LoadImage(MiscTextImage());
  const std::string typed30 = "abcdefghijklmnopqrstuvwxyz0123";
  ASSERT_TRUE(OpenFromTree(treeItems.text, [&](HWND editor) {
    ChooseEntry(editor, kPhoneListId, 1);
    ChooseEntry(editor, kAilmentListId, 3);
    ChooseEntry(editor, kBattleMenuListId, 10);
    TypeText(GetDlgItem(editor, kPhoneNameBoxId), typed30);
    TypeText(GetDlgItem(editor, kPhonePointerBoxId), "$c0abcd");
    TypeText(GetDlgItem(editor, kAilmentBoxId), "Twenty characters!!!");
    TypeText(GetDlgItem(editor, kBattleMenuBoxId), "");
    ClickApply(editor);

    EXPECT_EQ(FileBytes(path, PhoneOffset(1), 25), StoredText(typed30.substr(0, 24), 25));
    EXPECT_EQ(FileBytes(path, PhoneOffset(1) + kPhonePointerField, 4),
              (std::vector<std::uint8_t>{0xCD, 0xAB, 0xC0, 0x00}));
    EXPECT_EQ(FileBytes(path, AilmentOffset(3), 16), StoredText("Twenty character", 16));
    EXPECT_EQ(FileBytes(path, BattleMenuOffset(10), 16), std::vector<std::uint8_t>(16, 0));
    EXPECT_EQ(FileBytes(path, PhoneOffset(0), 25), StoredText("Phone 0", 25));
    EXPECT_EQ(FileBytes(path, AilmentOffset(4), 16), StoredText("Ailment 4", 16));

    EXPECT_EQ(Selected(GetDlgItem(editor, kPhoneListId)), 1);
    EXPECT_EQ(Selected(GetDlgItem(editor, kAilmentListId)), 3);
    EXPECT_EQ(Selected(GetDlgItem(editor, kBattleMenuListId)), 10);
    EXPECT_EQ(ListEntries(GetDlgItem(editor, kPhoneListId))[1], typed30.substr(0, 24));
    EXPECT_EQ(ListEntries(GetDlgItem(editor, kAilmentListId))[3], "Twenty character");
    EXPECT_EQ(ListEntries(GetDlgItem(editor, kBattleMenuListId))[10], "");
    EXPECT_EQ(BoxText(editor, kPhonePointerBoxId), "$C0ABCD");
    EXPECT_EQ(BoxText(editor, kAilmentBoxId), "Twenty character");
  }));
  for (int i = 0; i < 5; ++i) {
    const std::vector<std::uint8_t> untouched = {0x5A, static_cast<std::uint8_t>(0xA0 + i)};
    EXPECT_EQ(FileBytes(path, PhoneOffset(i) + 25, 2), untouched) << i;
  }
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MiscTextEditorTest, ThePointerIsReadAsHexadecimalAfterADollarSignAndDecimalOtherwise) {
  const std::string path = LoadImage(MiscTextImage());
  struct Case {
    const char* typed;
    std::uint32_t stored;
    const char* shown;
  } cases[] = {
      {"$C01232", 0xC01232, "$C01232"},  // unchanged
      {"100", 0x64, "$64"},
      {"$1f", 0x1F, "$1F"},
      {" $10", 0x10, "$10"},
      {"4294967295", 0xFFFFFFFF, "$FFFFFFFF"},
      {"3000000000", 3000000000u, "$B2D05E00"},
  };
  ASSERT_TRUE(OpenFromTree(treeItems.text, [&](HWND editor) {
    ChooseEntry(editor, kPhoneListId, 2);
    for (const Case& c : cases) {
      TypeText(GetDlgItem(editor, kPhonePointerBoxId), c.typed);
      ClickApply(editor);
      const std::vector<std::uint8_t> stored = {
          static_cast<std::uint8_t>(c.stored), static_cast<std::uint8_t>(c.stored >> 8),
          static_cast<std::uint8_t>(c.stored >> 16), static_cast<std::uint8_t>(c.stored >> 24)};
      EXPECT_EQ(FileBytes(path, PhoneOffset(2) + kPhonePointerField, 4), stored) << c.typed;
      EXPECT_EQ(BoxText(editor, kPhonePointerBoxId), c.shown) << c.typed;
    }
    TypeText(GetDlgItem(editor, kPhonePointerBoxId), "-1");
    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, PhoneOffset(2) + kPhonePointerField, 4),
              (std::vector<std::uint8_t>{0x00, 0x5E, 0xD0, 0xB2}))
        << "a number outside the field is refused";
    TypeText(GetDlgItem(editor, kPhonePointerBoxId), "$B2D05E00");
  }));
  ASSERT_FALSE(recorder.messages.empty());
  EXPECT_EQ(recorder.messages[0].text, "Pointer: -1 is less than 0, the smallest Pointer.");
}

}  // namespace
