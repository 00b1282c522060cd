#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_record.h"
#include "core/io/text_dump.h"
#include "tests/support/enemy_fixture.h"
#include "tests/win32/enemy_editor_fixture.h"
#include "tests/win32/label_fit.h"
#include "tests/win32/modal_driver.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/view_menu.h"
#include "win32/resources/resource.h"

namespace {

namespace at = EnemyFieldOffset;

void Command(HWND editor, int command) {
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// The enemy number the window shows: the one selected in the enemy list.
int ShownEnemyNumber(HWND editor) {
  const int selected = SelectedEntry(EnemyControl(editor, kEnemyListId));
  return selected < 0 ? -1 : gameTables.enemyTable[selected].enemyNumber;
}

std::string Text(HWND editor, int id) {
  return WindowText(EnemyControl(editor, id));
}

TEST_F(EnemyEditorTest, OpensOnTheRememberedEnemyShowingEveryField) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    EXPECT_EQ(WindowText(editor), "Enemy Editing");
    HWND tabs = FindChild(editor, WC_TABCONTROLA);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    HWND enemyList = EnemyControl(editor, kEnemyListId);
    EXPECT_EQ(PlaceOf(enemyList), (ControlPlace{104, 89, 250, PlaceOf(enemyList).height}));
    ASSERT_EQ(EntryCount(enemyList), 230);
    EXPECT_EQ(SelectedEntry(enemyList), EnemySelection);
    EXPECT_EQ(EntryText(enemyList, EnemySelection), "Spiteful Crow - [5]");

    const std::pair<int, const char*> texts[] = {
        {kEnemyNameId, "Spiteful Crow"}, {kEnemyHpId, "1234"},         {kEnemyPpId, "56"},
        {kEnemyExperienceId, "70000"},   {kEnemyMoneyId, "18"},         {kEnemySpeedId, "21"},
        {kEnemyOffenseId, "22"},         {kEnemyDefenseId, "23"},       {kEnemyStatusId, "24"},
        {kEnemyLevelId, "25"},           {kEnemyGutsId, "26"},          {kEnemyIqId, "27"},
        {kEnemyMissRateId, "28"},        {kEnemyMovementId, "29"},      {kEnemyBattleSpriteId, "30"},
        {kEnemyPaletteId, "31"},         {kEnemyMaxCallId, "32"},       {kEnemyStartTextId, "$EF1234"},
        {kEnemyDeathTextId, "$C50000"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(Text(editor, id), text) << id;

    const std::pair<int, const char*> selections[] = {
        {kEnemyItemFrequencyId, "8/128"}, {kEnemyTypeId, "Insect"},      {kEnemyDeathSoundId, "Boss"},
        {kEnemyMusicId, "Onett"},         {kEnemyActionOrderId, "In order"}, {kEnemyFinalActionId, "Explode"},
        {kEnemyActionId + 0, "PSI Fire 1"}, {kEnemyActionId + 1, "Call for help"},
        {kEnemyActionId + 2, "Bazooka"},  {kEnemyActionId + 3, "Attack"}, {kEnemyItemId, "Thing 191 - [9]"},
    };
    for (const auto& [id, text] : selections) {
      HWND list = EnemyControl(editor, id);
      EXPECT_EQ(EntryText(list, SelectedEntry(list)), text) << id;
    }
    EXPECT_EQ(EntryCount(EnemyControl(editor, kEnemyMusicId)), 192);
    EXPECT_EQ(EntryCount(EnemyControl(editor, kEnemyActionId)), 319);
    EXPECT_EQ(SendMessageA(EnemyControl(editor, kEnemyTheFlagId), BM_GETCHECK, 0, 0), BST_CHECKED);

    HWND pictures = EnemyControl(editor, kEnemyOutsidePictureId);
    EXPECT_EQ(SendMessageA(pictures, LB_GETCOUNT, 0, 0), 464);
    EXPECT_EQ(SendMessageA(pictures, LB_GETCURSEL, 0, 0), 7);
    EXPECT_EQ(SendMessageA(pictures, LB_GETITEMHEIGHT, 0, 0), 95);
    EXPECT_EQ(SendMessageA(pictures, LB_GETITEMDATA, 463, 0), 463);

    // PSI 5, enemy 13 (enemy number 12), item 2, and no argument for Attack.
    HWND arguments[4];
    for (int k = 0; k < 4; ++k) arguments[k] = EnemyControl(editor, kEnemyArgumentId + k);
    EXPECT_EQ(EntryCount(arguments[0]), 52);
    EXPECT_EQ(EntryText(arguments[0], SelectedEntry(arguments[0])), "PSI Fire 1");
    EXPECT_EQ(EntryCount(arguments[1]), 230);
    EXPECT_EQ(EntryText(arguments[1], SelectedEntry(arguments[1])), "Enemy 112 - [12]");
    EXPECT_EQ(EntryCount(arguments[2]), 256);
    EXPECT_EQ(EntryText(arguments[2], SelectedEntry(arguments[2])), "Thing 198 - [2]");
    EXPECT_EQ(EntryCount(arguments[3]), 0);
    EXPECT_EQ(WindowText(arguments[3]), "");
  }));
}

TEST_F(EnemyEditorTest, ControlsStandAtTheirPlaces) {
  struct Case {
    int id;
    int x, y, width;
    bool windowChild;
  };
  const Case cases[] = {
      {kEnemyNameId, 100, 45, 200, false},        {kEnemyHpId, 100, 67, 100, false},
      {kEnemyIqId, 100, 277, 100, false},         {kEnemyTheFlagId, 310, 45, 75, false},
      {kEnemyItemId, 349, 130, 240, false},       {kEnemyItemFrequencyId, 349, 152, 175, false},
      {kEnemyMissRateId, 350, 180, 100, false},   {kEnemyTypeId, 349, 200, 102, false},
      {kEnemyActionId + 0, 104, 117, 195, true},  {kEnemyActionId + 3, 104, 186, 195, true},
      {kEnemyArgumentId + 0, 385, 45, 195, false}, {kEnemyArgumentId + 3, 385, 114, 195, false},
      {kEnemyActionOrderId, 99, 157, 195, false}, {kEnemyFinalActionId, 99, 180, 195, false},
      {kEnemyStartTextId, 100, 204, 100, false},  {kEnemyDeathTextId, 390, 204, 100, false},
      {kEnemyMaxCallId, 100, 225, 100, false},    {kEnemyMovementId, 400, 136, 100, false},
      {kEnemyBattleSpriteId, 400, 50, 100, false}, {kEnemyPaletteId, 400, 71, 100, false},
      {kEnemyDeathSoundId, 399, 91, 190, false},  {kEnemyMusicId, 399, 113, 190, false},
      {kEnemyOutsidePictureId, 99, 128, 100, true},
  };
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    for (const Case& c : cases) {
      HWND control = EnemyControl(editor, c.id);
      ASSERT_TRUE(control) << c.id;
      const ControlPlace place = PlaceOf(control);
      EXPECT_EQ(place.x, c.x) << c.id;
      EXPECT_EQ(place.y, c.y) << c.id;
      EXPECT_EQ(place.width, c.width) << c.id;
      EXPECT_EQ(GetParent(control) == editor, c.windowChild) << c.id;
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), normalFont) << c.id;
    }
    EXPECT_FALSE(GetWindowLongA(EnemyControl(editor, kEnemyStartTextId), GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongA(EnemyControl(editor, kEnemyHpId), GWL_STYLE) & WS_TABSTOP);
    HWND stats = FindChild(FindChild(editor, WC_TABCONTROLA), "Button", "Enemy Stats:");
    for (const char* label : {"Enemy:", "Name:", "HP:", "IQ:", "Item freq.:", "Miss rate:"}) {
      EXPECT_TRUE(FindChild(stats, "Static", label)) << label;
    }
  }));
}

TEST_F(EnemyEditorTest, EveryLabelShowsItsWholeText) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    HWND tabs = FindChild(editor, WC_TABCONTROLA);
    for (const char* group : {"Enemy Stats:", "Enemy Actions:", "Gfx / Sound:"}) {
      HWND box = FindChild(tabs, "Button", group);
      ASSERT_TRUE(box) << group;
      EXPECT_EQ(LabelsTooNarrowForTheirText(box), std::vector<std::string>{}) << group;
    }
  }));
}

TEST_F(EnemyEditorTest, AFailedWriteShowsAWarning) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    romSession.romFile = std::freopen(path.c_str(), "rb", romSession.romFile);
    ASSERT_TRUE(romSession.romFile);
    ClickApply(editor);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ShownEnemyNumber(editor), static_cast<int>(kShownEnemy));
  }));
}

TEST_F(EnemyEditorTest, ValuesBeyondTheirListsShowAsOtherAndAnUntouchedApplyKeepsThem) {
  ASSERT_TRUE(OpenOn(kOddEnemy, [&](HWND editor) {
    struct Other {
      int id;
      const char* text;
    } others[] = {{kEnemyItemFrequencyId, "(other: 238)"}, {kEnemyTypeId, "(other: 238)"},
                  {kEnemyDeathSoundId, "(other: 238)"},    {kEnemyMusicId, "(other: 238)"},
                  {kEnemyActionOrderId, "(other: 238)"},   {kEnemyFinalActionId, "(other: 61166)"},
                  {kEnemyActionId + 3, "(other: 61166)"}};
    for (const Other& other : others) {
      HWND list = EnemyControl(editor, other.id);
      const int shown = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
      EXPECT_EQ(shown, EntryCount(list) - 1) << other.id << ": the last entry is selected";
      EXPECT_EQ(EntryText(list, shown), other.text) << other.id;
      EXPECT_EQ(SelectedEntry(list), -1) << other.id << ": read back as the stored value";
    }
    for (int id : {kEnemyArgumentId + 0, kEnemyArgumentId + 1}) EXPECT_EQ(SelectedEntry(EnemyControl(editor, id)), -1);
    EXPECT_EQ(SendMessageA(EnemyControl(editor, kEnemyOutsidePictureId), LB_GETCURSEL, 0, 0), -1);
    EXPECT_EQ(EntryCount(EnemyControl(editor, kEnemyArgumentId + 2)), 0);

    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    ClickApply(editor);
    EXPECT_TRUE(ReadFileBytes(path) == before) << "the bytes after the name's terminator too";
    EXPECT_EQ(FileBytes(path, EnemyRecordOffset(kOddEnemy) + at::kArguments, 4),
              (std::vector<std::uint8_t>{0x3C, 0xF0, 0xEE, 0x00}));
    EXPECT_EQ(ShownEnemyNumber(editor), static_cast<int>(kOddEnemy));
    EXPECT_TRUE(recorder.messages.empty());

    HWND frequency = EnemyControl(editor, kEnemyItemFrequencyId);
    ChooseEntry(editor, EnemyControl(editor, kEnemyListId), PositionOfEnemy(kShownEnemy));
    EXPECT_EQ(EntryText(frequency, EntryCount(frequency) - 1).rfind("(other", 0), std::string::npos)
        << "an enemy whose value has its entry takes the other entry away";
  }));
}

TEST_F(EnemyEditorTest, ApplyTakesNumbersUpToTheirLargestAndReadsAddressesAsHexOrDecimal) {
  const std::uint32_t record = EnemyRecordOffset(kShownEnemy);
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    TypeText(EnemyControl(editor, kEnemyHpId), "65535");
    TypeText(EnemyControl(editor, kEnemyStartTextId), "$EF1234");
    TypeText(EnemyControl(editor, kEnemyDeathTextId), "123");
    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, record + at::kHp, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
    EXPECT_EQ(FileBytes(path, record + at::kStartTextAddress, 8),
              (std::vector<std::uint8_t>{0x34, 0x12, 0xEF, 0x00, 0x7B, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Text(editor, kEnemyDeathTextId), "$7B");
  }));
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(EnemyEditorTest, NumbersOutsideTheirFieldAreRefusedByNameAndNothingIsWritten) {
  struct Case {
    int box;
    const char* typed;
    const char* message;
  } cases[] = {
      {kEnemyHpId, "23302400", "HP: 23302400 is more than 65535, the largest HP."},
      {kEnemyOffenseId, "4450", "Offense: 4450 is more than 255, the largest Offense."},
      {kEnemyExperienceId, "-1", "Exp: -1 is less than 0, the smallest Exp."},
      {kEnemyStartTextId, "$100000000", "Start text: $100000000 is more than $FFFFFFFF, the largest Start text."},
  };
  for (const Case& c : cases) {
    recorder.messages.clear();
    ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
      const std::vector<std::uint8_t> before = ReadFileBytes(path);
      TypeText(EnemyControl(editor, c.box), c.typed);
      ClickApply(editor);
      EXPECT_TRUE(ReadFileBytes(path) == before) << c.typed;
      EXPECT_EQ(Text(editor, c.box), c.typed) << "the typing stays to be corrected";
      SendMessageA(editor, WM_CLOSE, 0, 0);
    }));
    ASSERT_FALSE(recorder.messages.empty()) << c.typed;
    EXPECT_EQ(recorder.messages[0].text, c.message);
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
  }
}

TEST_F(EnemyEditorTest, RenamingMovesTheEnemyInNameOrderAndKeepsItShown) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    const int remembered = EnemySelection;
    TypeText(EnemyControl(editor, kEnemyNameId), "Aardvark");
    ClickApply(editor);
    HWND enemyList = EnemyControl(editor, kEnemyListId);
    EXPECT_EQ(SelectedEntry(enemyList), 0);
    EXPECT_EQ(EntryText(enemyList, 0), "Aardvark - [5]");
    EXPECT_EQ(Text(editor, kEnemyNameId), "Aardvark");
    EXPECT_EQ(EnemySelection, remembered);
    EXPECT_EQ(FileBytes(path, EnemyRecordOffset(kShownEnemy) + at::kName, 25), StoredText("Aardvark", 25));
  }));
}

TEST_F(EnemyEditorTest, ChangingAnActionRefillsItsArgumentAndApplyWritesTheArgument) {
  const std::uint32_t record = EnemyRecordOffset(kShownEnemy);
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    HWND action4 = EnemyControl(editor, kEnemyActionId + 3);
    HWND argument4 = EnemyControl(editor, kEnemyArgumentId + 3);
    ChooseEntry(editor, action4, 62);  // Call for help, stored argument 7: enemy number 6
    ASSERT_EQ(EntryCount(argument4), 230);
    EXPECT_EQ(EntryText(argument4, SelectedEntry(argument4)), "Enemy 106 - [6]");
    SendMessageA(argument4, CB_SETCURSEL, PositionOfEnemy(12), 0);

    HWND action1 = EnemyControl(editor, kEnemyActionId);
    HWND argument1 = EnemyControl(editor, kEnemyArgumentId);
    ChooseEntry(editor, action1, 311);  // Heavy Bazooka with stored 5: item 5
    ASSERT_EQ(EntryCount(argument1), 256);
    EXPECT_EQ(EntryText(argument1, SelectedEntry(argument1)), "Thing 195 - [5]");

    HWND action2 = EnemyControl(editor, kEnemyActionId + 1);
    ChooseEntry(editor, action2, 4);  // Attack takes none: argument 2 stays as stored
    EXPECT_EQ(EntryCount(EnemyControl(editor, kEnemyArgumentId + 1)), 0);

    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, record + at::kActions, 8),
              (std::vector<std::uint8_t>{0x37, 0x01, 0x04, 0x00, 0x36, 0x01, 0x3E, 0x00}));
    EXPECT_EQ(FileBytes(path, record + at::kArguments, 4), (std::vector<std::uint8_t>{5, 13, 2, 13}));
  }));
}

TEST_F(EnemyEditorTest, EmptyingAnArgumentBoxWritesNone) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    HWND argument2 = EnemyControl(editor, kEnemyArgumentId + 1);  // Call for help on enemy number 12
    ASSERT_EQ(EntryText(argument2, SelectedEntry(argument2)), "Enemy 112 - [12]");
    HWND typed = FindWindowExA(argument2, nullptr, "Edit", nullptr);
    ASSERT_TRUE(typed);
    SendMessageA(typed, EM_SETSEL, 0, -1);
    SendMessageA(typed, WM_CLEAR, 0, 0);
    ASSERT_EQ(SelectedEntry(argument2), -1);

    ClickApply(editor);
    EXPECT_EQ(FileBytes(path, EnemyRecordOffset(kShownEnemy) + at::kArguments, 4),
              (std::vector<std::uint8_t>{5, 0, 2, 7}));
    EXPECT_EQ(SelectedEntry(argument2), -1);
  }));
}

TEST_F(EnemyEditorTest, AnItemActionOnAZeroArgumentStartsOnTheFirstItem) {
  ASSERT_TRUE(OpenOn(kOddEnemy, [&](HWND editor) {
    HWND argument4 = EnemyControl(editor, kEnemyArgumentId + 3);
    EXPECT_EQ(EntryCount(argument4), 0);  // action 4 lies beyond the actions
    ChooseEntry(editor, EnemyControl(editor, kEnemyActionId + 3), 310);  // Bazooka on the stored 0
    EXPECT_EQ(EntryCount(argument4), 256);
    EXPECT_EQ(SelectedEntry(argument4), 0);
  }));
}

TEST_F(EnemyEditorTest, TabsShowTheirGroupAndTheirLists) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    HWND tabs = FindChild(editor, WC_TABCONTROLA);
    HWND stats = FindChild(tabs, "Button", "Enemy Stats:");
    HWND actions = FindChild(tabs, "Button", "Enemy Actions:");
    HWND gfx = FindChild(tabs, "Button", "Gfx / Sound:");
    HWND action1 = EnemyControl(editor, kEnemyActionId);
    HWND pictures = EnemyControl(editor, kEnemyOutsidePictureId);
    const auto visible = [](HWND w) { return IsWindowVisible(w) != FALSE; };
    EXPECT_TRUE(visible(stats));
    EXPECT_FALSE(visible(actions) || visible(gfx) || visible(action1) || visible(pictures));
    struct Case {
      int tab;
      bool stats, actions, gfx, actionLists, pictures;
    };
    for (const Case& c : {Case{1, false, true, false, true, false}, Case{2, false, false, true, false, true},
                          Case{0, true, false, false, false, false}}) {
      SendMessageA(tabs, TCM_SETCURSEL, c.tab, 0);
      NMHDR change = {tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
      SendMessageA(editor, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
      EXPECT_EQ(visible(stats), c.stats) << c.tab;
      EXPECT_EQ(visible(actions), c.actions) << c.tab;
      EXPECT_EQ(visible(gfx), c.gfx) << c.tab;
      EXPECT_EQ(visible(action1), c.actionLists) << c.tab;
      EXPECT_EQ(visible(pictures), c.pictures) << c.tab;
      EXPECT_TRUE(visible(EnemyControl(editor, kEnemyListId))) << c.tab;
    }
  }));
}

TEST_F(EnemyEditorTest, ListOrdersKeepTheEnemyShownAndRewriteTheViewMenu) {
  struct Case {
    int command;
    ListOrder order;
    const char* items[3];
    int checked;
    int position;
  };
  const Case cases[] = {
      {kCmdListByGameOrderOrType, ListOrder::ByGameOrder,
       {"List by &Original Order", "List by Enemy &Name", "List by Game &Order"}, 2, 59},
      {kCmdListByOriginalOrder, ListOrder::Original,
       {"List by &Original Order", "List by Enemy &Name", "&List by Game &Order"}, 0, 5},
      {kCmdListByName, ListOrder::ByName, {"List by &Original Order", "List by Enemy &Name", "List by Game &Order"}, 1,
       -1},
  };
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    const int remembered = EnemySelection;
    for (const Case& c : cases) {
      recorder.sounds.clear();
      Command(editor, c.command);
      EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::ListOrderChanged}) << c.command;
      EXPECT_EQ(listOrders.enemyListOrder, c.order) << c.command;
      EXPECT_EQ(ShownEnemyNumber(editor), static_cast<int>(kShownEnemy)) << c.command;
      if (c.position >= 0) {
        EXPECT_EQ(SelectedEntry(EnemyControl(editor, kEnemyListId)), c.position) << c.command;
      }
      EXPECT_EQ(Text(editor, kEnemyNameId), "Spiteful Crow") << c.command;
      const int commands[3] = {kCmdListByOriginalOrder, kCmdListByName, kCmdListByGameOrderOrType};
      for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<int>(GetMenuItemID(enemyViewMenu, kFirstListOrderPosition + i)), commands[i]) << c.command << " item " << i;
        char text[64] = {};
        GetMenuStringA(enemyViewMenu, kFirstListOrderPosition + i, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(std::string(text), c.items[i]) << c.command;
        const bool checked = GetMenuState(enemyViewMenu, kFirstListOrderPosition + i, MF_BYPOSITION) & MF_CHECKED;
        EXPECT_EQ(checked, i == c.checked) << c.command << " item " << i;
        // Original order, name, game order: the tool bar's commands.
        const UINT commands[] = {18, 16, 17};
        EXPECT_EQ(GetMenuItemID(enemyViewMenu, kFirstListOrderPosition + i), commands[i]) << c.command << " item " << i;
      }
    }
    EXPECT_EQ(EnemySelection, remembered);
  }));
}

class EnemySearchTest : public EnemyEditorTest {
 protected:
  // Runs Find in the editor with the search dialog answered by typing text and pressing button.
  void Find(HWND editor, const std::string& text, int button) {
    DriveModalDialog([&] { Command(editor, kCmdFind); }, [&](HWND search) {
      SetDlgItemTextA(search, IDC_SEARCH_TEXT, text.c_str());
      SendMessageA(search, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(search, button)));
    });
  }
};

TEST_F(EnemySearchTest, WalksTheMatchesWithYesAndNo) {
  struct Case {
    const char* what;
    std::string text;
    int button;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> messages;
    int shownEnemy;
  };
  // "Enemy 21" is in the names of enemy numbers 110 to 119 alone.
  const Case cases[] = {
      {"Yes to every match", "Enemy 21", IDC_SEARCH_OK, std::deque<MessageAnswer>(11, MessageAnswer::Yes),
       {}, -1},
      {"No at the second", "Enemy 21", IDC_SEARCH_OK, {MessageAnswer::Yes, MessageAnswer::No}, {"Find Next?", "Find Next?"}, 111},
      {"no match", "zzz", IDC_SEARCH_OK, {}, {"String not found"}, static_cast<int>(kShownEnemy)},
      {"cancel", "Enemy", IDC_SEARCH_CANCEL, {}, {}, static_cast<int>(kShownEnemy)},
      {"empty text", "", IDC_SEARCH_OK, {}, {}, static_cast<int>(kShownEnemy)},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
      const int remembered = EnemySelection;
      recorder.messages.clear();
      recorder.messageAnswers = c.answers;
      Find(editor, c.text, c.button);
      std::vector<std::string> texts;
      for (const auto& message : recorder.messages) texts.push_back(message.text);
      if (c.shownEnemy < 0) {
        ASSERT_EQ(texts.size(), 11u) << c.what;
        EXPECT_EQ(texts.back(), "String not found") << c.what;
        EXPECT_EQ(recorder.messages.back().title, "Done") << c.what;
        EXPECT_EQ(ShownEnemyNumber(editor), 119) << c.what;
      } else {
        EXPECT_EQ(texts, c.messages) << c.what;
        EXPECT_EQ(ShownEnemyNumber(editor), c.shownEnemy) << c.what;
      }
      EXPECT_EQ(EnemySelection, remembered) << c.what;
    }));
  }
}

TEST_F(EnemyEditorTest, DumpWritesTheCoreDumpOrWarns) {
  ASSERT_TRUE(OpenOn(kShownEnemy, [&](HWND editor) {
    const std::string dump = TempPath("enemies.txt");
    const std::string unwritable = TempPath("missing-folder") + "\\enemies.txt";
    recorder.fileAnswers = {dump, unwritable, path};
    Command(editor, kCmdDumpToText);
    ASSERT_EQ(recorder.fileChoices.size(), 1u);
    EXPECT_EQ(recorder.fileChoices[0].dialog, FileDialog::Text);
    EXPECT_EQ(recorder.fileChoices[0].mode, FileDialogMode::Save);
    EXPECT_EQ(ReadFileText(dump), EnemyDumpText(gameTables.enemyTable));
    EXPECT_TRUE(recorder.messages.empty());

    Command(editor, kCmdDumpToText);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].text, DumpFailedMessage(unwritable));
    EXPECT_EQ(GetFileAttributesA(unwritable.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::vector<std::uint8_t> image = ReadFileBytes(path);
    Command(editor, kCmdDumpToText);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[1].title, "Warning");
    EXPECT_EQ(recorder.messages[1].text,
              path + " is a ROM image Quillon is reading; writing to it would destroy it.  Choose another file.");
    EXPECT_TRUE(ReadFileBytes(path) == image) << "the loaded image is not replaced by the dump";

    Command(editor, kCmdDumpToText);  // cancelled: nothing more happens
    EXPECT_EQ(recorder.messages.size(), 2u);
  }));
}

}  // namespace
