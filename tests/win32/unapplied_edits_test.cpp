#include <gtest/gtest.h>

#include <windows.h>

#include <deque>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "core/item/item_table.h"
#include "tests/support/table_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/editor_input.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/program_directory.h"
#include "win32/editors/editor_frame.h"
#include "win32/editors/item_editor_window.h"
#include "win32/editors/misc_text_editor_window.h"

namespace {

const std::vector<std::uint8_t> kAppleCost = {10, 0};
const std::vector<std::uint8_t> kTypedCost = {77, 0};

class UnappliedEdits : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    listOrders.itemListOrder = ListOrder::ByName;
    ItemSelection = 0;
    SearchText = "Banana";
  }
  void TearDown() override {
    listOrders.itemListOrder = ListOrder::ByName;
    ItemSelection = 0;
    SearchText.clear();
    EditorTest::TearDown();
  }

  // Opens the item editor on "Apple" and runs drive in it.
  bool OpenOnApple(const std::function<void(HWND editor)>& drive) {
    path = LoadImage(NamedItemsImage());
    return OpenFromTree(treeItems.items, drive);
  }

  std::vector<std::uint8_t> AppleCostOnDisk() { return FileBytes(path, ItemOffset(kApple) + kItemCostField, 2); }

  std::string path;
};

HWND ItemList(HWND editor) {
  return ControlById(editor, kItemListId);
}

std::string ShownName(HWND editor) {
  return WindowText(ControlById(editor, kItemNameBoxId));
}

void Pick(HWND editor, int entry) {
  HWND list = ItemList(editor);
  SendMessageA(list, CB_SETCURSEL, entry, 0);
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kItemListId, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

void Command(HWND editor, int command) {
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// The sounds of the test running, for a way out that is known by its sound.
const std::vector<SoundId>* recordedSounds = nullptr;
// The image the main window's Load ROM picks, and the answers of the test running.
std::string otherImagePath;
std::deque<std::string>* fileAnswers = nullptr;

bool EditorGone(HWND editor) {
  return !IsWindowVisible(editor);
}

bool QuitPosted() {
  MSG quit;
  return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

// A way out of the shown record, and whether it went where it leads.
struct WayOut {
  const char* name;
  std::function<void(HWND editor)> take;
  std::function<bool(HWND editor)> wentOn;
};

const WayOut kWaysOut[] = {
    {"picking another item", [](HWND editor) { Pick(editor, 1); },
     [](HWND editor) { return ShownName(editor) == "Banana"; }},
    // The order the editor starts in, so the View menu stays as the program starts.
    {"changing the list order", [](HWND editor) { Command(editor, kCmdListByName); },
     [](HWND) { return recordedSounds->size() == 1 && recordedSounds->front() == SoundId::ListOrderChanged; }},
    {"finding the next match", [](HWND editor) { Command(editor, kCmdFindNext); },
     [](HWND editor) { return ShownName(editor) == "Banana"; }},
    {"the close box", [](HWND editor) { SendMessageA(editor, WM_CLOSE, 0, 0); },
     [](HWND editor) { return !IsWindowVisible(editor); }},
    {"Escape", [](HWND editor) { PressKey(editor, WM_KEYDOWN, VK_ESCAPE); },
     [](HWND editor) { return !IsWindowVisible(editor); }},
    {"Close ROM", [](HWND editor) { Command(editor, kCmdEditorCloseRom); },
     [](HWND) { return !romSession.romLoaded; }},
    // The main window's commands that close the image take every editor with it.
    {"Close ROM in the main window", [](HWND) { SendCommand(kCmdCloseRom); },
     [](HWND editor) { return !romSession.romLoaded && EditorGone(editor); }},
    {"Load ROM in the main window",
     [](HWND) {
       fileAnswers->push_back(otherImagePath);
       SendCommand(kCmdLoadRom);
     },
     [](HWND editor) { return romSession.romLoaded && romSession.romPath == otherImagePath && EditorGone(editor); }},
    {"Exit in the main window", [](HWND) { SendCommand(kCmdExit); },
     [](HWND editor) { return QuitPosted() && EditorGone(editor); }},
};

// Where an apply without an image once put its backup: beside the program, or in the
// working folder.
bool StrayBackupFolderExists() {
  const std::string folders[] = {ProgramDirectory() + ".backups", ".backups"};
  for (const std::string& folder : folders) {
    if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  }
  return false;
}

TEST_F(UnappliedEdits, EveryWayOutAsksAndFollowsTheAnswer) {
  struct Answer {
    MessageAnswer button;
    bool applies;
    bool goesOn;
  } answers[] = {{MessageAnswer::Yes, true, true}, {MessageAnswer::No, false, true}, {MessageAnswer::Cancel, false, false}};
  recordedSounds = &recorder.sounds;
  fileAnswers = &recorder.fileAnswers;
  otherImagePath = WriteFixtureRom("other.smc", RomKind::EarthBoundRom);
  for (const WayOut& way : kWaysOut) {
    for (const Answer& answer : answers) {
      SCOPED_TRACE(std::string(way.name) + ", answer " + std::to_string(static_cast<int>(answer.button)));
      recorder.messages.clear();
      recorder.sounds.clear();
      recorder.messageAnswers = {answer.button};
      ItemSelection = 0;
      bool wentOn = false;
      std::string costBox;
      ASSERT_TRUE(OpenOnApple([&](HWND editor) {
        ASSERT_EQ(ShownName(editor), "Apple");
        TypeText(ControlById(editor, kItemCostBoxId), "77");
        way.take(editor);
        wentOn = way.wentOn(editor);
        if (IsWindowVisible(editor)) costBox = WindowText(ControlById(editor, kItemCostBoxId));
        if (!answer.goesOn) {
          EXPECT_EQ(SendMessageA(ItemList(editor), CB_GETCURSEL, 0, 0), 0) << "Apple stays shown";
        }
      }));
      ASSERT_FALSE(recorder.messages.empty());
      EXPECT_EQ(recorder.messages[0].text, "Apply your changes to Apple first?");
      EXPECT_EQ(recorder.messages[0].kind, MessageKind::YesNoCancelQuestion);
      EXPECT_EQ(AppleCostOnDisk(), answer.applies ? kTypedCost : kAppleCost);
      EXPECT_EQ(wentOn, answer.goesOn);
      if (!answer.goesOn) {
        EXPECT_EQ(costBox, "77") << "the typing stays";
      }
      EXPECT_FALSE(StrayBackupFolderExists());
    }
  }
}

TEST_F(UnappliedEdits, ApplyingFirstStillShowsThePickedItemAfterTheRenamedOneMoved) {
  recorder.messageAnswers = {MessageAnswer::Yes};
  ASSERT_TRUE(OpenOnApple([&](HWND editor) {
    TypeText(ControlById(editor, kItemNameBoxId), "Zucchini");
    Pick(editor, 1);
    EXPECT_EQ(ShownName(editor), "Banana");
    EXPECT_EQ(SendMessageA(ItemList(editor), CB_GETCURSEL, 0, 0), 0) << "Banana moved up as Apple left the top";
  }));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(FileBytes(path, ItemOffset(kApple), 25), StoredText("Zucchini", 25));
}

TEST_F(UnappliedEdits, NoEditsNoQuestion) {
  ASSERT_TRUE(OpenOnApple([&](HWND editor) {
    Command(editor, kCmdFindNext);  // each shown by the program: no edit
    Pick(editor, 0);
    Command(editor, kCmdListByName);
    HWND cost = ControlById(editor, kItemCostBoxId);
    ASSERT_EQ(WindowText(cost), "10");
    TypeText(cost, "5");
    TypeText(cost, "10");
    SendMessageA(editor, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(editor)) << "typing the shown value back is no edit";
  }));
  const std::pair<HTREEITEM*, const char*> editors[] = {{&treeItems.enemies, "enemies"},
                                                        {&treeItems.names, "PSI names"},
                                                        {&treeItems.teleport, "teleports"},
                                                        {&treeItems.text, "misc. text"}};
  for (const auto& [item, name] : editors) {
    bool closed = false;
    ASSERT_TRUE(OpenFromTree(*item, [&](HWND editor) {
      SendMessageA(editor, WM_CLOSE, 0, 0);
      closed = !IsWindowVisible(editor);
    })) << name;
    EXPECT_TRUE(closed) << name;
  }
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(UnappliedEdits, EachEditorNamesWhatItWouldApply) {
  const std::pair<HTREEITEM*, const char*> editors[] = {{&treeItems.names, "the PSI names"},
                                                        {&treeItems.teleport, "the teleports"},
                                                        {&treeItems.text, "the phone list"}};
  path = LoadImage(NamedItemsImage());
  for (const auto& [item, name] : editors) {
    recorder.messages.clear();
    recorder.messageAnswers = {MessageAnswer::Cancel};
    ASSERT_TRUE(OpenFromTree(*item, [&](HWND editor) {
      HWND edit = FindWindowExA(editor, nullptr, "Edit", nullptr);
      if (!edit) edit = FindWindowExA(FindWindowExA(FindWindowExA(editor, nullptr, "SysTabControl32", nullptr),
                                                   nullptr, "Button", nullptr),
                                      nullptr, "Edit", nullptr);
      ASSERT_TRUE(edit);
      TypeText(edit, "typed");
      SendMessageA(editor, WM_CLOSE, 0, 0);
      EXPECT_TRUE(IsWindowVisible(editor)) << "Cancel keeps the editor";
    }));
    ASSERT_FALSE(recorder.messages.empty()) << name;
    EXPECT_EQ(recorder.messages[0].text, std::string("Apply your changes to ") + name + " first?");
  }
}

TEST_F(UnappliedEdits, TheTextEditorNamesEachGroupHoldingTyping) {
  struct Case {
    std::vector<int> boxes;
    const char* name;
  } cases[] = {
      {{kPhonePointerBoxId}, "the phone list"},
      {{kAilmentBoxId}, "the ailment names"},
      {{kBattleMenuBoxId}, "the battle menu"},
      {{kPhoneNameBoxId, kBattleMenuBoxId}, "the phone list and the battle menu"},
      {{kPhoneNameBoxId, kAilmentBoxId, kBattleMenuBoxId}, "the phone list, the ailment names and the battle menu"},
  };
  path = LoadImage(NamedItemsImage());
  for (const Case& c : cases) {
    recorder.messages.clear();
    recorder.messageAnswers = {MessageAnswer::No};
    ASSERT_TRUE(OpenFromTree(treeItems.text, [&](HWND editor) {
      for (int box : c.boxes) TypeText(ControlById(editor, box), "$1");
      SendMessageA(editor, WM_CLOSE, 0, 0);
    }));
    ASSERT_EQ(recorder.messages.size(), 1u) << c.name;
    EXPECT_EQ(recorder.messages[0].text, std::string("Apply your changes to ") + c.name + " first?");
  }
}

TEST_F(UnappliedEdits, TheWrittenLineFollowsAnApplyAndClearsOnAnEditOrAnotherItem) {
  ASSERT_TRUE(OpenOnApple([&](HWND editor) {
    HWND line = ControlById(editor, kWrittenLineId);
    ASSERT_TRUE(line);
    EXPECT_EQ(WindowText(line), "");
    ClickApply(editor);
    EXPECT_TRUE(std::regex_match(WindowText(line), std::regex("Written to the image at \\d\\d:\\d\\d:\\d\\d")))
        << WindowText(line);

    Pick(editor, 1);
    EXPECT_EQ(WindowText(line), "") << "another item is shown";

    ClickApply(editor);
    EXPECT_NE(WindowText(line), "");
    SetFocus(ControlById(editor, kItemCostBoxId));
    PressKey(editor, WM_CHAR, '5');
    EXPECT_EQ(WindowText(line), "") << "an edit was made";

    TypeText(ControlById(editor, kItemTypeBoxId), "x");
    ClickApply(editor);
    EXPECT_EQ(WindowText(line), "") << "a refused apply writes nothing";
  }));
}

}  // namespace
