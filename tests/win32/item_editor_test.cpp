#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "core/io/text_dump.h"
#include "core/item/item_dump.h"
#include "core/rom/apply_messages.h"
#include "core/tables/table_position.h"
#include "tests/support/table_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/label_fit.h"
#include "tests/win32/modal_driver.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/editor_frame.h"
#include "win32/editors/item_editor_window.h"
#include "win32/editors/view_menu.h"
#include "win32/resources/resource.h"

namespace {

constexpr std::uint8_t kBat = 7;
constexpr std::uint8_t kJuice = 9;
constexpr std::uint8_t kOddEffect = 12;
constexpr std::uint8_t kBandage = 20;

// "Item nnn" of type 0, and among them, in name order: "Apple juice" (9), "Cracked bat" (7)
// with every field set and "Permanent" in bit 0x20 alone, "Hand Aid" (20) with it in 0x40
// and limited use, "Odd effect" (12) with an effect past the list, and "Zzz pillow" (0)
// last. Every name holds a space.
FixtureImage ItemImage() {
  FixtureImage image = EarthBoundImage();
  for (int n = 0; n < 256; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "Item %03d", n);
    PutItem(image, static_cast<std::uint8_t>(n), {name});
  }
  PutItem(image, kBat, {"Cracked bat", 4, 18, 0x25, 109, 0xFE, 3, 0xF6, 1, 0xC55A21});
  PutItem(image, kJuice, {"Apple juice", 2, 4, 0x0F, 5, 0, 0, 0, 0, 0});
  PutItem(image, kBandage, {"Hand Aid", 2, 300, 0xC0, 0, 0, 0, 0, 0, 0x1234AB});
  PutItem(image, kOddEffect, {"Odd effect", 2, 0, 0x10, 400, 0, 0, 0, 0, 0});
  PutItem(image, 0, {"Zzz pillow", 1, 0, 0, 0, 0, 0, 0, 0, 0});
  return image;
}

std::string ListText(HWND list, int entry) {
  const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, entry, 0);
  if (length < 0) return "<none>";
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

int Selection(HWND list) {
  return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

bool IsChecked(HWND editor, int id) {
  return SendMessageA(ControlById(editor, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetCheck(HWND editor, int id, bool checked) {
  SendMessageA(ControlById(editor, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Picks the entry as a user does: the list selects it and notifies the editor.
void ChooseEntry(HWND editor, int entry) {
  HWND list = ControlById(editor, kItemListId);
  SendMessageA(list, CB_SETCURSEL, entry, 0);
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kItemListId, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

void Command(HWND editor, int command) {
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

std::string ShownName(HWND editor) {
  return WindowText(ControlById(editor, kItemNameBoxId));
}

struct MenuEntry {
  std::string text;
  UINT command;
  bool checked;
  bool operator==(const MenuEntry& other) const {
    return text == other.text && command == other.command && checked == other.checked;
  }
};

std::ostream& operator<<(std::ostream& out, const MenuEntry& entry) {
  return out << '"' << entry.text << "\" " << entry.command << (entry.checked ? " checked" : "");
}

std::vector<MenuEntry> OrderMenuEntries() {
  std::vector<MenuEntry> entries;
  for (UINT position = kFirstListOrderPosition; position < kFirstListOrderPosition + 3; ++position) {
    char text[64] = {};
    GetMenuStringA(itemViewMenu, position, text, sizeof text, MF_BYPOSITION);
    entries.push_back({text, GetMenuItemID(itemViewMenu, static_cast<int>(position)),
                       (GetMenuState(itemViewMenu, position, MF_BYPOSITION) & MF_CHECKED) != 0});
  }
  return entries;
}

class ItemEditorTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    listOrders.itemListOrder = ListOrder::ByName;
    ItemSelection = 0;
    path = LoadImage(ItemImage());
  }
  void TearDown() override {
    listOrders.itemListOrder = ListOrder::ByName;
    ItemSelection = 0;
    EditorTest::TearDown();
  }

  bool OpenEditor(const std::function<void(HWND editor)>& drive) { return OpenFromTree(treeItems.items, drive); }

  // Runs the Find command with text typed into the search dialog and confirmed.
  void Search(HWND editor, const std::string& text) {
    EXPECT_TRUE(DriveModalDialog([&] { Command(editor, kCmdFind); }, [&](HWND dialog) {
      EXPECT_EQ(GetParent(dialog), mainWindow);
      EXPECT_TRUE(FindWindowExA(dialog, nullptr, "Static", "Search in Item Names:"));
      SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, text.c_str());
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_OK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SEARCH_OK)));
    }));
  }

  std::string path;
};

TEST_F(ItemEditorTest, FirstOpeningShowsPositionZeroInNameOrder) {
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    EXPECT_EQ(WindowText(editor), "Item Editing");
    HWND list = ControlById(editor, kItemListId);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 256);
    EXPECT_EQ(Selection(list), 0);
    EXPECT_EQ(ListText(list, 0), "Apple juice - [9]");
    EXPECT_EQ(ListText(list, 1), "Cracked bat - [7]");
    EXPECT_EQ(ListText(list, 255), "Zzz pillow - [0]");
    EXPECT_EQ(ShownName(editor), "Apple juice");
    HWND effects = ControlById(editor, kItemEffectListId);
    EXPECT_EQ(SendMessageA(effects, CB_GETCOUNT, 0, 0), 319);
    EXPECT_EQ(Selection(effects), 5);

    NMTTDISPINFOA tip = {};
    tip.hdr.code = TTN_GETDISPINFOA;
    const std::pair<int, const char*> tips[] = {{kCmdFind, "Find Item Name"}, {kCmdListByGameOrderOrType, "List By Type"}};
    for (const auto& [command, text] : tips) {
      tip.hdr.idFrom = static_cast<UINT_PTR>(command);
      tip.lpszText = nullptr;
      SendMessageA(editor, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
      EXPECT_STREQ(tip.lpszText, text);
    }
  }));
}

TEST_F(ItemEditorTest, ControlsSitWhereTheyBelong) {
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    HWND stats = FindChild(FindChild(editor, WC_TABCONTROLA), "Button", "Item Stats:");
    ASSERT_TRUE(stats);
    HWND list = ControlById(editor, kItemListId);
    EXPECT_EQ(GetParent(list), editor);
    EXPECT_EQ(PlaceOf(list).x, 104);
    EXPECT_EQ(PlaceOf(list).y, 89);
    EXPECT_EQ(PlaceOf(list).width, 250);
    const std::pair<int, ControlPlace> boxes[] = {
        {kItemNameBoxId, {100, 45, 200, 20}},          {kItemCostBoxId, {100, 90, 100, 19}},
        {kItemTypeBoxId, {100, 111, 100, 19}},         {kItemStrengthBoxId, {100, 132, 100, 19}},
        {kItemExtraPowerBoxId, {100, 153, 100, 19}},   {kItemEpIncreaseBoxId, {100, 174, 100, 19}},
        {kItemSpecialPropertyBoxId, {100, 195, 100, 19}}, {kItemDescAddressBoxId, {100, 216, 100, 19}},
    };
    for (const auto& [id, place] : boxes) {
      EXPECT_EQ(GetParent(ControlById(editor, id)), stats) << id;
      EXPECT_EQ(PlaceOf(ControlById(editor, id)), place) << id;
    }
    HWND effects = ControlById(editor, kItemEffectListId);
    EXPECT_EQ(GetParent(effects), stats);
    EXPECT_EQ(PlaceOf(effects).x, 99);
    EXPECT_EQ(PlaceOf(effects).y, 66);
    EXPECT_EQ(PlaceOf(effects).width, 195);
    EXPECT_TRUE(GetWindowLongA(effects, GWL_STYLE) & WS_TABSTOP);
    const char* labels[] = {"Item:", "Name:", "Effect:", "Cost:", "Type:", "Strength:", "Extra Power:",
                            "E.P. Increase:", "Special prop.:", "Desc. address:"};
    for (const char* label : labels) EXPECT_TRUE(FindChild(stats, "Static", label)) << label;
    EXPECT_EQ(LabelsTooNarrowForTheirText(stats), std::vector<std::string>{});
    HWND options = FindChild(stats, "Button", "Misc. options");
    HWND users = FindChild(stats, "Button", "Who can use?");
    EXPECT_EQ(PlaceOf(options), (ControlPlace{395, 110, 100, 90}));
    EXPECT_EQ(PlaceOf(users), (ControlPlace{280, 110, 100, 110}));
    const std::pair<int, HWND> checks[] = {{kItemInfiniteUseId, options}, {kItemPermanentId, options},
                                           {kItemChickenId, options},     {kItemNessId, users},
                                           {kItemPaulaId, users},         {kItemJeffId, users},
                                           {kItemPooId, users}};
    int row = 0;
    for (const auto& [id, parent] : checks) {
      HWND box = ControlById(editor, id);
      EXPECT_EQ(GetParent(box), parent) << id;
      EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX) << id;
      EXPECT_FALSE(GetWindowLongA(box, GWL_STYLE) & WS_TABSTOP) << id;
      const int y = 20 + 20 * (parent == options ? row : row - 3);
      EXPECT_EQ(PlaceOf(box), (ControlPlace{5, y, 90, 19})) << id;
      ++row;
    }
  }));
}

TEST_F(ItemEditorTest, ShowsEveryFieldAndTheBoxesOfTheOwnershipByte) {
  struct Case {
    int entry;
    std::vector<std::pair<int, std::string>> texts;
    int effect;
    bool infiniteUse, permanent, chicken, ness, paula, jeff, poo;
  };
  const Case cases[] = {
      {1,
       {{kItemNameBoxId, "Cracked bat"}, {kItemTypeBoxId, "4"}, {kItemCostBoxId, "18"}, {kItemStrengthBoxId, "-2"},
        {kItemEpIncreaseBoxId, "3"}, {kItemExtraPowerBoxId, "-10"}, {kItemSpecialPropertyBoxId, "1"},
        {kItemDescAddressBoxId, "$C55A21"}},
       109, true, true, false, true, false, true, false},
      {2, {{kItemNameBoxId, "Hand Aid"}, {kItemCostBoxId, "300"}, {kItemDescAddressBoxId, "$1234AB"}},
       0, false, true, false, false, false, false, false},
      {0, {{kItemNameBoxId, "Apple juice"}}, 5, true, false, false, true, true, true, true},
      // The effect list has 319 entries; the stored 400 shows as a 320th.
      {254, {{kItemNameBoxId, "Odd effect"}}, 319, true, false, true, false, false, false, false},
  };
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    for (const Case& c : cases) {
      ChooseEntry(editor, c.entry);
      EXPECT_EQ(ItemSelection, c.entry);
      for (const auto& [id, text] : c.texts) EXPECT_EQ(WindowText(ControlById(editor, id)), text) << c.entry;
      EXPECT_EQ(Selection(ControlById(editor, kItemEffectListId)), c.effect) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemInfiniteUseId), c.infiniteUse) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemPermanentId), c.permanent) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemChickenId), c.chicken) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemNessId), c.ness) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemPaulaId), c.paula) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemJeffId), c.jeff) << c.entry;
      EXPECT_EQ(IsChecked(editor, kItemPooId), c.poo) << c.entry;
    }
    EXPECT_EQ(WindowText(ControlById(editor, kItemEffectListId)), "(other: 400)") << "an effect past the list";
  }));
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    EXPECT_EQ(Selection(ControlById(editor, kItemListId)), 254) << "the editor reopens where it was left";
    EXPECT_EQ(ShownName(editor), "Odd effect");
  }));
}

TEST_F(ItemEditorTest, ApplyWritesTheTypedValuesUpToTheirBoundsAndIsOnDiskAtOnce) {
  struct Case {
    const char* what;
    int box;
    std::string typed;
    std::uint32_t field;
    std::vector<std::uint8_t> bytes;
    std::string shown;
  };
  const Case cases[] = {
      {"cost 65525", kItemCostBoxId, "65525", kItemCostField, {0xF5, 0xFF}, "65525"},
      {"strength 127", kItemStrengthBoxId, "127", kItemStrengthField, {0x7F}, "127"},
      {"strength -128", kItemStrengthBoxId, "-128", kItemStrengthField, {0x80}, "-128"},
      {"extra power 200", kItemExtraPowerBoxId, "200", kItemExtraPowerField, {0xC8}, "-56"},
      {"type 3.9", kItemTypeBoxId, "3.9", kItemTypeField, {0x03}, "3"},
      {"E.P. increase 12.9", kItemEpIncreaseBoxId, "12.9", kItemEpIncreaseField, {0x0C}, "12"},
      {"special property 255", kItemSpecialPropertyBoxId, "255", kItemSpecialPropertyField, {0xFF}, "255"},
      {"address $1A2B3C", kItemDescAddressBoxId, "$1A2B3C", kItemDescAddressField, {0x3C, 0x2B, 0x1A, 0x00},
       "$1A2B3C"},
      {"address 26", kItemDescAddressBoxId, "26", kItemDescAddressField, {0x1A, 0x00, 0x00, 0x00}, "$1A"},
  };
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    ChooseEntry(editor, 1);
    for (const Case& c : cases) {
      TypeText(ControlById(editor, c.box), c.typed);
      ClickApply(editor);
      EXPECT_EQ(FileBytes(path, ItemOffset(kBat) + c.field, c.bytes.size()), c.bytes) << c.what;
      EXPECT_EQ(WindowText(ControlById(editor, c.box)), c.shown) << c.what;
    }
    EXPECT_EQ(Selection(ControlById(editor, kItemListId)), 1);
    EXPECT_EQ(FileBytes(path, ItemOffset(kBat), 25), StoredText("Cracked bat", 25));
    EXPECT_EQ(FileBytes(path, ItemOffset(kBat) + kItemEffectField, 2), (std::vector<std::uint8_t>{109, 0}));
  }));
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_TRUE(recorder.sounds.empty());
}

TEST_F(ItemEditorTest, NumbersOutsideTheirFieldAreRefusedByNameAndNothingIsWritten) {
  struct Case {
    int box;
    const char* typed;
    const char* message;
  } cases[] = {
      {kItemCostBoxId, "70000", "Cost: 70000 is more than 65525, the largest Cost."},
      {kItemCostBoxId, "-1", "Cost: -1 is less than 0, the smallest Cost."},
      {kItemStrengthBoxId, "200", "Strength: 200 is more than 127, the largest Strength."},
      {kItemStrengthBoxId, "-200", "Strength: -200 is less than -128, the smallest Strength."},
      {kItemExtraPowerBoxId, "300", "Extra Power: 300 is more than 255, the largest Extra Power."},
      {kItemSpecialPropertyBoxId, "999", "Special prop.: 999 is more than 255, the largest Special prop.."},
  };
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    ChooseEntry(editor, 1);
    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    for (const Case& c : cases) {
      recorder.messages.clear();
      const std::string shown = WindowText(ControlById(editor, c.box));
      TypeText(ControlById(editor, c.box), c.typed);
      ClickApply(editor);
      ASSERT_EQ(recorder.messages.size(), 1u) << c.typed;
      EXPECT_EQ(recorder.messages[0].text, c.message);
      EXPECT_TRUE(ReadFileBytes(path) == before) << c.typed;
      TypeText(ControlById(editor, c.box), shown);
    }
  }));
}

TEST_F(ItemEditorTest, ApplyBuildsTheOwnershipByteFromTheBoxesAndKeepsAnEffectPastTheList) {
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    ChooseEntry(editor, 1);
    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, ItemOffset(kBat) + kItemOwnershipField, 1), (std::vector<std::uint8_t>{0x65}))
        << "Permanent held in one bit comes back in both";
    SetCheck(editor, kItemInfiniteUseId, false);
    SetCheck(editor, kItemPermanentId, false);
    SetCheck(editor, kItemChickenId, true);
    SetCheck(editor, kItemNessId, false);
    SetCheck(editor, kItemPaulaId, true);
    SetCheck(editor, kItemPooId, true);
    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, ItemOffset(kBat) + kItemOwnershipField, 1), (std::vector<std::uint8_t>{0x9E}));
    EXPECT_FALSE(IsChecked(editor, kItemInfiniteUseId));

    ChooseEntry(editor, 254);
    SendMessageA(ControlById(editor, kItemEffectListId), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, ItemOffset(kOddEffect) + kItemEffectField, 2), (std::vector<std::uint8_t>{0x90, 0x01}));
    SendMessageA(ControlById(editor, kItemEffectListId), CB_SETCURSEL, 318, 0);
    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, ItemOffset(kOddEffect) + kItemEffectField, 2), (std::vector<std::uint8_t>{0x3E, 0x01}));
    EXPECT_EQ(Selection(ControlById(editor, kItemEffectListId)), 318);
  }));
}

TEST_F(ItemEditorTest, RenamingAndRetypingMoveTheItemInItsOrder) {
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    ChooseEntry(editor, 1);
    TypeText(ControlById(editor, kItemNameBoxId), "Zzzz top");
    ClickApply(editor);
    HWND list = ControlById(editor, kItemListId);
    EXPECT_EQ(Selection(list), 255);
    EXPECT_EQ(ListText(list, 255), "Zzzz top - [7]");
    EXPECT_EQ(ListText(list, 1), "Hand Aid - [20]");
    EXPECT_EQ(ShownName(editor), "Zzzz top");
    EXPECT_EQ(ItemSelection, 1) << "an apply leaves the remembered position alone";

    Command(editor, kCmdListByGameOrderOrType);
    // Type 0: the 251 "Item nnn"; type 1: "Zzz pillow"; type 2: "Apple juice", "Hand Aid", "Odd effect";
    // type 4: "Zzzz top".
    EXPECT_EQ(Selection(list), 255);
    TypeText(ControlById(editor, kItemTypeBoxId), "1");
    ClickApply(editor);
    EXPECT_EQ(Selection(list), 252);
    EXPECT_EQ(ListText(list, 251), "Zzz pillow - [0]");
    EXPECT_EQ(ListText(list, 252), "Zzzz top - [7]");
    TypeText(ControlById(editor, kItemTypeBoxId), "0");
    ClickApply(editor);
    EXPECT_EQ(Selection(list), 251);
    EXPECT_EQ(ListText(list, 250), "Item 255 - [255]");
    EXPECT_EQ(WindowText(ControlById(editor, kItemTypeBoxId)), "0");
    Command(editor, kCmdListByName);
  }));
}

TEST_F(ItemEditorTest, OrderCommandsKeepTheItemShownAndRewriteTheViewMenu) {
  struct Case {
    int command;
    ListOrder order;
    int position;  // of "Cracked bat"
    std::vector<MenuEntry> menu;
  };
  const Case cases[] = {
      {kCmdListByOriginalOrder,
       ListOrder::Original,
       kBat,
       {{"List by &Original Order", 18, true}, {"List by Item &Name", 16, false}, {"List by &Type", 17, false}}},
      {kCmdListByGameOrderOrType,
       ListOrder::ByType,
       255,
       {{"List by &Original Order", 18, false}, {"List by Item &Name", 16, false}, {"List by &Type", 17, true}}},
      {kCmdListByName,
       ListOrder::ByName,
       1,
       {{"List by &Original Order", 18, false}, {"List by Item &Name", 16, true}, {"&List by &Type", 17, false}}},
  };
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    EXPECT_EQ(OrderMenuEntries(), cases[2].menu) << "as the program starts";
    ChooseEntry(editor, 1);
    for (const Case& c : cases) {
      recorder.sounds.clear();
      Command(editor, c.command);
      EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::ListOrderChanged}) << c.command;
      EXPECT_EQ(listOrders.itemListOrder, c.order) << c.command;
      HWND list = ControlById(editor, kItemListId);
      EXPECT_EQ(Selection(list), c.position) << c.command;
      EXPECT_EQ(ListText(list, c.position), "Cracked bat - [7]") << c.command;
      EXPECT_EQ(ShownName(editor), "Cracked bat") << c.command;
      EXPECT_EQ(WindowText(ControlById(editor, kItemCostBoxId)), "18") << c.command;
      EXPECT_EQ(OrderMenuEntries(), c.menu) << c.command;
      EXPECT_EQ(ItemSelection, 1) << c.command;
    }
    Command(editor, kCmdListByOriginalOrder);
    EXPECT_EQ(ListText(ControlById(editor, kItemListId), 0), "Zzz pillow - [0]");
    Command(editor, kCmdListByName);
  }));
}

TEST_F(ItemEditorTest, FindWalksTheMatchesCaseSensitively) {
  struct Case {
    const char* text;
    std::deque<MessageAnswer> answers;
    std::size_t questions;
    bool notFound;
    std::string shownAtEnd;
  };
  const Case cases[] = {
      {"Item 00", {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No}, 3, false, "Item 003"},
      {" ", std::deque<MessageAnswer>(256, MessageAnswer::Yes), 256, true, "Zzz pillow"},
      {"bat", {MessageAnswer::Yes}, 1, true, "Cracked bat"},
      {"BAT", {}, 0, true, "Cracked bat"},
      {"nothing like it", {}, 0, true, "Cracked bat"},
  };
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    for (const Case& c : cases) {
      recorder.messages.clear();
      recorder.messageAnswers = c.answers;
      Search(editor, c.text);
      ASSERT_EQ(recorder.messages.size(), c.questions + (c.notFound ? 1 : 0)) << c.text;
      for (std::size_t i = 0; i < c.questions; ++i) {
        EXPECT_EQ(recorder.messages[i].text, "Continue Search?") << c.text;
        EXPECT_EQ(recorder.messages[i].title, "Search found") << c.text;
        EXPECT_EQ(recorder.messages[i].kind, MessageKind::YesNoQuestion) << c.text;
      }
      if (c.notFound) {
        EXPECT_EQ(recorder.messages.back().text, "String not found") << c.text;
        EXPECT_EQ(recorder.messages.back().title, "Done") << c.text;
        EXPECT_EQ(recorder.messages.back().kind, MessageKind::SearchDone) << c.text;
      }
      EXPECT_EQ(ShownName(editor), c.shownAtEnd) << c.text;
    }
    recorder.messages.clear();
    Search(editor, "");
    EXPECT_TRUE(recorder.messages.empty()) << "an empty search does nothing";
    EXPECT_EQ(ItemSelection, 0) << "searching leaves the remembered position alone";
  }));
}

TEST_F(ItemEditorTest, DumpToTextWritesTheCoreDumpOfTheListedOrder) {
  const std::string dumpPath = TempPath("items.txt");
  const std::string folder = TempPath("a folder");
  CreateDirectoryA(folder.c_str(), nullptr);
  recorder.fileAnswers = {dumpPath, "", folder};
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    Command(editor, kCmdDumpToText);
    Command(editor, kCmdDumpToText);
    Command(editor, kCmdDumpToText);
  }));
  ASSERT_EQ(recorder.fileChoices.size(), 3u);
  EXPECT_EQ(recorder.fileChoices[0].dialog, FileDialog::Text);
  EXPECT_EQ(recorder.fileChoices[0].mode, FileDialogMode::Save);
  EXPECT_EQ(ReadFileText(dumpPath), ItemDumpText(gameTables.itemTable));
  EXPECT_NE(ReadFileText(dumpPath).find("Name:          Apple juice\r\n"), std::string::npos);
  ASSERT_EQ(recorder.messages.size(), 1u) << "only the folder fails";
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(recorder.messages[0].text, DumpFailedMessage(folder));
}

TEST_F(ItemEditorTest, ApplyThatCannotWriteWarns) {
  ASSERT_TRUE(OpenEditor([&](HWND editor) {
    std::fclose(romSession.romFile);
    romSession.romFile = std::fopen(path.c_str(), "rb");
    ChooseEntry(editor, 1);
    TypeText(ControlById(editor, kItemCostBoxId), "99");
    ClickApply(editor);
  }));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, kChangesNotWritten);
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(FileBytes(path, ItemOffset(kBat) + kItemCostField, 2), (std::vector<std::uint8_t>{18, 0}));
}

TEST_F(ItemEditorTest, ApplyOnAnItemOnTheStoreTableAsksFirstAndNoWritesNothing) {
  struct Case {
    const char* what;
    std::uint8_t item;
    std::deque<MessageAnswer> answers;
    bool asks;
    bool written;
    const char* note;
  };
  const Case cases[] = {
      {"item 254, No", 254, {MessageAnswer::No}, true, false, "(store table)"},
      {"item 255, No", 255, {MessageAnswer::No}, true, false, "(store table)"},
      {"item 254, Yes", 254, {MessageAnswer::Yes}, true, true, "(store table)"},
      {"item 253", 253, {}, false, true, ""},
      {"an ordinary item", kBat, {}, false, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint8_t> before = FileBytes(path, ItemOffset(c.item), kItemRecordSize);
    recorder.messages.clear();
    recorder.messageAnswers = c.answers;
    ASSERT_TRUE(OpenEditor([&](HWND editor) {
      ChooseEntry(editor, ItemPosition(gameTables.itemTable, c.item));
      HWND note = ControlById(editor, kItemNameNoteId);
      EXPECT_EQ(WindowText(note), c.note);
      EXPECT_EQ(LabelsTooNarrowForTheirText(GetParent(note)), std::vector<std::string>{});
      TypeText(ControlById(editor, kItemCostBoxId), "321");
      ClickApply(editor);
      EXPECT_EQ(WindowText(ControlById(editor, kWrittenLineId)).empty(), !c.written) << "the written line";
    }));
    const std::vector<std::uint8_t> after = FileBytes(path, ItemOffset(c.item), kItemRecordSize);
    const std::uint32_t cost = gameTables.itemTable[ItemPosition(gameTables.itemTable, c.item)].cost;
    if (c.written) {
      EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + kItemCostField, after.begin() + kItemCostField + 2),
                (std::vector<std::uint8_t>{321 & 0xFF, 321 >> 8}));
      EXPECT_EQ(cost, 321u);
    } else {
      EXPECT_EQ(after, before);
      EXPECT_EQ(cost, before[kItemCostField] + 256u * before[kItemCostField + 1]);
    }
    // After No the typing is still unapplied, so closing asks about it.
    ASSERT_EQ(recorder.messages.size(), (c.asks ? 1u : 0u) + (c.written ? 0u : 1u));
    if (!c.written) {
      EXPECT_EQ(recorder.messages[1].text.rfind("Apply your changes to ", 0), 0u);
    }
    if (!c.asks) continue;
    EXPECT_EQ(recorder.messages[0].text, "Item " + std::to_string(c.item) +
                                             " shares its bytes with the game's store table. Writing it changes "
                                             "what shops sell. Write it anyway?");
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::OverwriteQuestion);
  }
}

}  // namespace
