#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "core/csv/table_export.h"
#include "core/enemy/enemy_record.h"
#include "core/text/psi_name_table.h"
#include "tests/support/enemy_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/editor_input.h"
#include "tests/win32/modal_driver.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/resources/resource.h"

namespace {

std::string MenuText(HMENU menu, UINT item, UINT by) {
  char text[64] = {};
  GetMenuStringA(menu, item, text, sizeof text, by);
  return text;
}

// PSI name 0 "Rockin" and enemy 12 "Starman" with 21 HP; the CSV files export them, one with
// the PSI name made "Fire".
class TableCsvTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    image = EarthBoundImage();
    image.PutGameText(Headered(kPsiNameTableRomPosition), "Rockin", kNameFieldLength);
    PutEnemyName(image, 12, "Starman");
    PutEnemyField(image, 12, EnemyFieldOffset::kHp, 21, 2);
    imagePath = LoadImage(image);
  }

  // The PSI names as exported, with the first one replaced and the last, far from it, named.
  void WritePsiNamesCsv(const std::string& firstName) const {
    std::string csv = TableCsv(PsiNameTableFields(), DecodedTables());
    const std::string row = "\r\n0,Rockin\r\n";
    csv.replace(csv.find(row), row.size(), "\r\n0," + firstName + "\r\n");
    csv.replace(csv.find("\r\n15,\r\n"), 7, "\r\n15,Last\r\n");
    WriteFileBytes(csvPath, std::vector<std::uint8_t>(csv.begin(), csv.end()));
  }

  GameTables DecodedTables() const {
    GameTables tables;
    DecodeGameTables(ByteSpan(image.bytes).From(kCopierHeaderSize), tables);
    return tables;
  }

  FixtureImage image;
  std::string imagePath;
  const std::string csvPath = TempPath("table.csv");
};

// Where the File menu's two entries lie is the start-up test's to check; here, what they open.
TEST_F(TableCsvTest, TheFileMenuOffersEachTextTable) {
  const std::vector<std::string> tables = {"&PSI Names", "&Teleports", "P&hone List", "&Ailments", "&Battle Menu"};
  for (const int first : {kCmdExportTextTable0, kCmdImportTextTable0}) {
    for (int entry = 0; entry < 5; ++entry) {
      EXPECT_EQ(MenuText(fileMenu, static_cast<UINT>(first + entry), MF_BYCOMMAND), tables[entry]) << first;
    }
  }
}

TEST_F(TableCsvTest, AnImportAsksInTheChangesWindowAndOneUndoTakesItBack) {
  WritePsiNamesCsv("Fire");
  for (const bool write : {false, true}) {
    recorder.fileAnswers = {csvPath};
    ASSERT_TRUE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdImportTextTable0); }, [&](HWND window) {
      EXPECT_EQ(WindowText(GetDlgItem(window, IDC_CHANGES_QUESTION)), "Write these changes to the image?");
      EXPECT_EQ(SendMessageA(GetDlgItem(window, IDC_CHANGES_LIST), LVM_GETITEMCOUNT, 0, 0), 2);
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(write ? IDYES : IDNO, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, write ? IDYES : IDNO)));
    })) << write;
    EXPECT_EQ(FileBytes(imagePath, Headered(kPsiNameTableRomPosition), kNameFieldLength),
              StoredText(write ? "Fire" : "Rockin", kNameFieldLength))
        << write;
  }
  EXPECT_EQ(GameText(gameTables.psiNameTable[0].name, kNameFieldLength), "Fire") << "the tables are read again";
  EXPECT_EQ(GameText(gameTables.psiNameTable[15].name, kNameFieldLength), "Last");
  EXPECT_TRUE(recorder.messages.empty()) << recorder.messages[0].text;

  SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
  EXPECT_EQ(MenuText(fileMenu, kCmdUndoApply, MF_BYCOMMAND), "&Undo Import from CSV\tCtrl+Z");
  SendCommand(kCmdUndoApply);
  EXPECT_TRUE(FileBytes(imagePath, 0, image.bytes.size()) == image.bytes) << "one step takes the whole import back";
  EXPECT_EQ(GameText(gameTables.psiNameTable[0].name, kNameFieldLength), "Rockin");
}

TEST_F(TableCsvTest, ARefusedImportListsItsProblemsInAWarningAndWritesNothing) {
  WritePsiNamesCsv("A name of more than 24 letters");
  recorder.fileAnswers = {csvPath};
  EXPECT_FALSE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdImportTextTable0); }, [](HWND) {}));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(recorder.messages[0].text,
            "row 2 (record 0), column Name: \"A name of more than 24 letters\" has 30 characters; "
            "Name holds 24 at most");
  EXPECT_TRUE(FileBytes(imagePath, 0, image.bytes.size()) == image.bytes);
}

TEST_F(TableCsvTest, TheEnemyEditorImportsItsTable) {
  std::string csv = TableCsv(EnemyTableFields(), DecodedTables());
  const std::string row = "\r\n12,Starman,21,";
  csv.replace(csv.find(row), row.size(), "\r\n12,Starman,40,");
  WriteFileBytes(csvPath, std::vector<std::uint8_t>(csv.begin(), csv.end()));
  recorder.fileAnswers = {csvPath};
  ASSERT_TRUE(OpenFromTree(treeItems.enemies, [&](HWND editor) {
    EXPECT_TRUE(DriveModalDialogTitled(
        "Changes", [&] { SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kCmdImportCsv, 0), 0); },
        [](HWND window) {
          SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(window, IDYES)));
        }));
  }));
  EXPECT_EQ(FileBytes(imagePath, EnemyRecordOffset(12) + EnemyFieldOffset::kHp, 2),
            (std::vector<std::uint8_t>{40, 0}));
  const auto starman = std::find_if(gameTables.enemyTable.begin(), gameTables.enemyTable.end(),
                                    [](const EnemyRecord& enemy) { return enemy.enemyNumber == 12; });
  EXPECT_EQ(starman->hp, 40u) << "the tables are read again";
  EXPECT_TRUE(recorder.messages.empty()) << recorder.messages[0].text;
}

}  // namespace
