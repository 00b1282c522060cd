#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"
#include "core/rom/apply_messages.h"
#include "core/tables/table_position.h"
#include "core/text/misc_text_tables.h"
#include "core/text/psi_name_table.h"
#include "core/text/teleport_table.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/editor_input.h"
#include "tests/win32/enemy_editor_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/item_editor_window.h"
#include "win32/editors/misc_text_editor_window.h"
#include "win32/editors/psi_name_editor_window.h"
#include "win32/editors/teleport_editor_window.h"

namespace {

constexpr std::uint8_t kEnemy = 5;
constexpr std::uint8_t kItem = 7;

FixtureImage UndoImage() {
  FixtureImage image = EarthBoundImage();
  for (std::size_t n = 0; n < kEnemyCount; ++n) PutEnemyName(image, n, "Enemy " + std::to_string(100 + n));
  PutEnemyName(image, kEnemy, "Starman");
  PutEnemyField(image, kEnemy, EnemyFieldOffset::kHp, 300, 2);
  PutItem(image, kItem, {"Cracked bat", 4, 18});
  image.PutGameText(Headered(kPsiNameTableRomPosition), "Rockin", kNameFieldLength);
  image.PutGameText(Headered(kTeleportTableRomPosition), "Onett", kNameFieldLength);
  image.PutGameText(Headered(kPhoneListRomPosition), "Dad", kNameFieldLength);
  return image;
}

int Chosen(HWND editor, int listId) {
  return static_cast<int>(SendMessageA(ControlById(editor, listId), CB_GETCURSEL, 0, 0));
}

void Choose(HWND editor, int listId, int entry) {
  ChooseEntry(editor, ControlById(editor, listId), entry);
}

// Ctrl+key with the focus in target, through the editor's loop.
void PressCtrl(HWND editor, HWND target, char key) {
  SetFocus(target);
  PressKey(editor, WM_KEYDOWN, static_cast<WPARAM>(key), VK_CONTROL);
}

// Ctrl+key in the main window's tree, through the program's own loop.
void PressCtrlInTree(char key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(treeView, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
  PumpMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

bool IsGreyed(HMENU menu, int command) {
  return (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// What the menu shows as it opens in window.
std::vector<bool> UndoRedoGreyed(HWND window, HMENU menu) {
  SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 1);
  return {IsGreyed(menu, kCmdUndoApply), IsGreyed(menu, kCmdRedoApply)};
}

std::vector<std::uint8_t> NameBytes(const std::string& path, std::uint32_t offset) {
  return FileBytes(path, offset, kNameFieldLength);
}

// "Undone at 12:34:56" and the like, as the line beside Apply says it.
bool IsStepLine(const std::string& line, const std::string& verb) {
  return std::regex_match(line, std::regex(verb + " at \\d\\d:\\d\\d:\\d\\d"));
}

// What an editor window that opened by itself showed before it was closed.
struct OpenedByItself {
  std::string hp;
  std::string line;
  bool seen = false;
};
OpenedByItself enemyEditorSeen;

// Looks, on each tick, for the enemy editor opening by itself; notes what it shows and
// closes it.
void CALLBACK CloseEnemyEditorOnSight(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND editor = FindWindowA("#32770", "Enemy Editing");
  if (!editor || !IsWindowVisible(editor) || !IsWindowEnabled(editor)) return;
  KillTimer(nullptr, timer);
  enemyEditorSeen = {WindowText(ControlById(editor, kEnemyHpId)),
                     WindowText(ControlById(editor, kWrittenLineId)), true};
  SendMessageA(editor, WM_CLOSE, 0, 0);
}

class UndoApplyTest : public EditorTest {};

TEST_F(UndoApplyTest, CtrlZAfterAnApplyRestoresTheFileAndTheShownRecordAndCtrlYDoesItAgain) {
  struct Case {
    const char* name;
    HTREEITEM* item;
    int listId;  // 0 for an editor without a record list
    std::function<int()> entry;
    int boxId;
    std::uint32_t offset;
    std::string shown;
  } cases[] = {
      {"enemies", &treeItems.enemies, kEnemyListId, [] { return EnemyPosition(gameTables.enemyTable, kEnemy); },
       kEnemyNameId, EnemyRecordOffset(kEnemy) + EnemyFieldOffset::kName, "Starman"},
      {"items", &treeItems.items, kItemListId, [] { return ItemPosition(gameTables.itemTable, kItem); },
       kItemNameBoxId, ItemOffset(kItem) + kItemNameField, "Cracked bat"},
      {"PSI names", &treeItems.names, 0, nullptr, kPsiNameBoxId, Headered(kPsiNameTableRomPosition), "Rockin"},
      {"teleports", &treeItems.teleport, 0, nullptr, kTeleportNameBoxId, Headered(kTeleportTableRomPosition), "Onett"},
      {"misc. text", &treeItems.text, kPhoneListId, [] { return 0; }, kPhoneNameBoxId, Headered(kPhoneListRomPosition), "Dad"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = LoadImage(UndoImage());
    ASSERT_TRUE(OpenFromTree(*c.item, [&](HWND editor) {
      if (c.listId) Choose(editor, c.listId, c.entry());
      HWND box = ControlById(editor, c.boxId);
      ASSERT_EQ(WindowText(box), c.shown);
      TypeText(box, "Zzyzx");
      ClickApply(editor);
      ASSERT_EQ(NameBytes(path, c.offset), StoredText("Zzyzx", kNameFieldLength));
      if (c.listId) Choose(editor, c.listId, c.entry() == 0 ? 1 : 0);

      PressCtrl(editor, box, 'Z');
      EXPECT_EQ(NameBytes(path, c.offset), StoredText(c.shown, kNameFieldLength));
      EXPECT_EQ(WindowText(box), c.shown);
      EXPECT_TRUE(IsStepLine(WindowText(ControlById(editor, kWrittenLineId)), "Undone"));
      if (c.listId) {
        EXPECT_EQ(Chosen(editor, c.listId), c.entry()) << "the list selects the record again";
      }

      PressCtrl(editor, box, 'Y');
      EXPECT_EQ(NameBytes(path, c.offset), StoredText("Zzyzx", kNameFieldLength));
      EXPECT_EQ(WindowText(box), "Zzyzx");
      EXPECT_TRUE(IsStepLine(WindowText(ControlById(editor, kWrittenLineId)), "Redone"));
      if (c.listId) {
        EXPECT_EQ(Chosen(editor, c.listId), c.entry());
      }
    }));
    EXPECT_TRUE(recorder.messages.empty());
  }
}

TEST_F(UndoApplyTest, TheEntriesNameTheStepAndAnotherEditorsStepBringsThatEditorForward) {
  const std::string path = LoadImage(UndoImage());
  const std::uint32_t hpOffset = EnemyRecordOffset(kEnemy) + EnemyFieldOffset::kHp;
  ASSERT_TRUE(OpenFromTree(treeItems.enemies, [&](HWND editor) {
    Choose(editor, kEnemyListId, EnemyPosition(gameTables.enemyTable, kEnemy));
    TypeText(ControlById(editor, kEnemyHpId), "999");
    ClickApply(editor);
    SendMessageA(editor, WM_CLOSE, 0, 0);
  }));
  ASSERT_EQ(FileBytes(path, hpOffset, 2), (std::vector<std::uint8_t>{0xE7, 0x03}));

  std::string undoEntry;
  enemyEditorSeen = {};
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    SendMessageA(editor, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editorEditMenu), 1);
    undoEntry = MenuText(editorEditMenu, 0);
    SetTimer(nullptr, 0, 10, CloseEnemyEditorOnSight);
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kCmdUndoApply, 0), 0);
  }));
  EXPECT_EQ(undoEntry, "&Undo Apply to Enemy 5 \"Starman\"\tCtrl+Z");
  EXPECT_EQ(FileBytes(path, hpOffset, 2), (std::vector<std::uint8_t>{0x2C, 0x01}));
  ASSERT_TRUE(enemyEditorSeen.seen) << "the enemy editor came forward in place of the PSI names";
  EXPECT_EQ(enemyEditorSeen.hp, "300");
  EXPECT_TRUE(IsStepLine(enemyEditorSeen.line, "Undone")) << enemyEditorSeen.line;

  SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
  EXPECT_EQ(MenuText(fileMenu, 3), "&Redo Apply to Enemy 5 \"Starman\"\tCtrl+Y");
  SendCommand(kCmdFixChecksum);
  SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
  EXPECT_EQ(MenuText(fileMenu, 2), "&Undo Fix Checksum\tCtrl+Z");
  EXPECT_EQ(MenuText(fileMenu, 3), "&Redo\tCtrl+Y");
}

TEST_F(UndoApplyTest, CtrlZInABoxTypedIntoUndoesOnlyTheTyping) {
  const std::string path = LoadImage(UndoImage());
  const std::uint32_t hpOffset = EnemyRecordOffset(kEnemy) + EnemyFieldOffset::kHp;
  ASSERT_TRUE(OpenFromTree(treeItems.enemies, [&](HWND editor) {
    Choose(editor, kEnemyListId, EnemyPosition(gameTables.enemyTable, kEnemy));
    HWND hp = ControlById(editor, kEnemyHpId);
    HWND name = ControlById(editor, kEnemyNameId);
    TypeText(hp, "999");
    ClickApply(editor);
    ASSERT_EQ(FileBytes(path, hpOffset, 2), (std::vector<std::uint8_t>{0xE7, 0x03}));

    SetFocus(name);
    PressKey(editor, WM_CHAR, 'x');
    ASSERT_NE(WindowText(name), "Starman");
    PressCtrl(editor, name, 'Z');
    EXPECT_EQ(WindowText(name), "Starman") << "the typing is undone";
    EXPECT_EQ(FileBytes(path, hpOffset, 2), (std::vector<std::uint8_t>{0xE7, 0x03})) << "the Apply is not";
    EXPECT_EQ(WindowText(hp), "999");

    PressCtrl(editor, name, 'Z');
    EXPECT_EQ(FileBytes(path, hpOffset, 2), (std::vector<std::uint8_t>{0x2C, 0x01}))
        << "with the typing gone the same key undoes the Apply";
    EXPECT_EQ(WindowText(hp), "300");
  }));
}

TEST_F(UndoApplyTest, EditAndFileMenusGreyWhatThereIsNothingToStep) {
  const std::string path = LoadImage(UndoImage());
  const std::uint32_t offset = Headered(kPsiNameTableRomPosition);
  using Greyed = std::vector<bool>;
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    EXPECT_EQ(UndoRedoGreyed(editor, editorEditMenu), (Greyed{true, true})) << "just loaded";
    TypeText(ControlById(editor, kPsiNameBoxId), "Fire");
    ClickApply(editor);
    EXPECT_EQ(UndoRedoGreyed(editor, editorEditMenu), (Greyed{false, true})) << "after an Apply";
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kCmdUndoApply, 0), 0);
    EXPECT_EQ(NameBytes(path, offset), StoredText("Rockin", kNameFieldLength));
    EXPECT_EQ(UndoRedoGreyed(editor, editorEditMenu), (Greyed{true, false})) << "after Undo Apply";
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kCmdRedoApply, 0), 0);
    EXPECT_EQ(NameBytes(path, offset), StoredText("Fire", kNameFieldLength));
    EXPECT_EQ(UndoRedoGreyed(editor, editorEditMenu), (Greyed{false, true})) << "after Redo Apply";
  }));

  EXPECT_EQ(UndoRedoGreyed(mainWindow, fileMenu), (Greyed{false, true})) << "the main window's File menu";
  PressCtrlInTree('Z');
  EXPECT_EQ(NameBytes(path, offset), StoredText("Rockin", kNameFieldLength)) << "Ctrl+Z in the main window";
  EXPECT_EQ(UndoRedoGreyed(mainWindow, fileMenu), (Greyed{true, false}));
  SendCommand(kCmdRedoApply);
  EXPECT_EQ(NameBytes(path, offset), StoredText("Fire", kNameFieldLength));
  SendCommand(kCmdUndoApply);
  SendCommand(kCmdCloseRom);
  EXPECT_EQ(UndoRedoGreyed(mainWindow, fileMenu), (Greyed{true, true})) << "after Close ROM";
}

TEST_F(UndoApplyTest, WithoutABackupTheApplyWritesNothingAndSaysSo) {
  const std::string path = LoadImage(UndoImage());
  std::FILE* blocker = std::fopen((path + ".backups").c_str(), "wb");
  ASSERT_TRUE(blocker);
  std::fclose(blocker);
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    HWND box = ControlById(editor, kPsiNameBoxId);
    TypeText(box, "Fire");
    ClickApply(editor);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].text, BackupFailedMessage(path));
    EXPECT_EQ(WindowText(box), "Fire") << "the typing stays for another try";
    EXPECT_EQ(WindowText(ControlById(editor, kWrittenLineId)), "");
  }));
  EXPECT_EQ(recorder.messages.back().text, "Apply your changes to the PSI names first?")
      << "the typing is still unapplied when the editor closes";
  EXPECT_EQ(NameBytes(path, Headered(kPsiNameTableRomPosition)), StoredText("Rockin", kNameFieldLength));
  std::remove((path + ".backups").c_str());
}

// Another program writing into the image in place while it is loaded, as a hex editor does.
void WriteBehindTheProgramsBack(const std::string& path, std::uint32_t offset, const std::string& name) {
  std::FILE* other = std::fopen(path.c_str(), "r+b");
  ASSERT_TRUE(other);
  const std::vector<std::uint8_t> stored = StoredText(name, kNameFieldLength);
  std::fseek(other, static_cast<long>(offset), SEEK_SET);
  std::fwrite(stored.data(), 1, stored.size(), other);
  std::fclose(other);
}

TEST_F(UndoApplyTest, AnImageChangedByAnotherProgramGetsNoApplyNorUndoAndAWarningSaysSo) {
  const std::string path = LoadImage(UndoImage());
  const std::uint32_t offset = Headered(kPsiNameTableRomPosition);
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    HWND box = ControlById(editor, kPsiNameBoxId);
    WriteBehindTheProgramsBack(path, offset, "Theirs");
    TypeText(box, "Fire");
    ClickApply(editor);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(recorder.messages[0].text,
              "The image was changed by another program since it was loaded. Close it and load it again.");
    EXPECT_EQ(NameBytes(path, offset), StoredText("Theirs", kNameFieldLength));

    WriteBehindTheProgramsBack(path, offset, "Rockin");
    ClickApply(editor);
    ASSERT_EQ(NameBytes(path, offset), StoredText("Fire", kNameFieldLength)) << "as loaded again, it is written";
    WriteBehindTheProgramsBack(path, offset, "Theirs");
    PressCtrl(editor, box, 'Z');
    EXPECT_EQ(recorder.messages.back().text,
              "The image was changed by another program since it was loaded. Close it and load it again.");
    EXPECT_EQ(NameBytes(path, offset), StoredText("Theirs", kNameFieldLength)) << "Undo writes nothing over it";
    EXPECT_FALSE(IsStepLine(WindowText(ControlById(editor, kWrittenLineId)), "Undone")) << "nothing was undone";
  }));
}

}  // namespace
