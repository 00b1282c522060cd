#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "core/text/psi_name_table.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/editor_input.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/text_fit.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/psi_name_editor_window.h"
#include "win32/resources/resource.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows ListedRows(HWND window) {
  HWND list = GetDlgItem(window, IDC_CHANGES_LIST);
  const int columns = static_cast<int>(
      SendMessageA(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
  Rows rows;
  for (int r = 0; r < static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); ++r) {
    rows.emplace_back();
    for (int c = 0; c < columns; ++c) {
      char text[256] = {};
      LVITEMA item = {};
      item.iSubItem = c;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&item));
      rows.back().push_back(text);
    }
  }
  return rows;
}

std::vector<std::string> ColumnTitles(HWND window) {
  HWND list = GetDlgItem(window, IDC_CHANGES_LIST);
  std::vector<std::string> titles;
  for (int c = 0;; ++c) {
    char text[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    if (!SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column))) break;
    titles.push_back(text);
  }
  return titles;
}

// Which of the question, Yes, No and Close show.
std::vector<bool> AnswerControlsShown(HWND window) {
  std::vector<bool> shown;
  for (const int id : {IDC_CHANGES_QUESTION, IDYES, IDNO, IDCANCEL}) shown.push_back(IsWindowVisible(GetDlgItem(window, id)) != 0);
  return shown;
}

void Click(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

std::string ClipboardText() {
  if (!OpenClipboard(nullptr)) return "(no clipboard)";
  HANDLE data = GetClipboardData(CF_TEXT);
  const std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "(no text)";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

// An IPS patch with one record for each stretch where the images differ.
std::vector<std::uint8_t> IpsPatchOf(const FixtureImage& from, const FixtureImage& to) {
  std::vector<std::uint8_t> patch = {'P', 'A', 'T', 'C', 'H'};
  for (std::size_t at = 0; at < to.bytes.size(); ++at) {
    if (from.bytes[at] == to.bytes[at]) continue;
    std::size_t end = at;
    while (end < to.bytes.size() && from.bytes[end] != to.bytes[end]) ++end;
    const std::size_t size = end - at;
    patch.insert(patch.end(), {static_cast<std::uint8_t>(at >> 16), static_cast<std::uint8_t>(at >> 8),
                               static_cast<std::uint8_t>(at), static_cast<std::uint8_t>(size >> 8),
                               static_cast<std::uint8_t>(size)});
    patch.insert(patch.end(), to.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                 to.bytes.begin() + static_cast<std::ptrdiff_t>(end));
    at = end;
  }
  patch.insert(patch.end(), {'E', 'O', 'F'});
  return patch;
}

// Selects the listed row and presses Ctrl+C in the list.
void CopyRow(HWND window, int row) {
  HWND list = GetDlgItem(window, IDC_CHANGES_LIST);
  LVITEMA selected = {};
  selected.stateMask = LVIS_SELECTED;
  selected.state = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&selected));
  SetFocus(list);
  PressKey(window, WM_KEYDOWN, 'C', VK_CONTROL);
}

int ListWidth(HWND window) {
  RECT rect = {};
  GetWindowRect(GetDlgItem(window, IDC_CHANGES_LIST), &rect);
  return rect.right - rect.left;
}

// Enemy 12 "Starman" with 21 HP, item 5 "Cracked Bat" and PSI name 0 "Rockin"; the edited
// copy has 40 HP and the item renamed "Bat, Cracked".
class ChangesWindowTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    unedited = EarthBoundImage();
    PutEnemyName(unedited, 12, "Starman");
    PutEnemyField(unedited, 12, EnemyFieldOffset::kHp, 21, 2);
    PutItem(unedited, 5, {"Cracked Bat", 4, 18});
    unedited.PutGameText(Headered(kPsiNameTableRomPosition), "Rockin", kNameFieldLength);
    edited = unedited;
    PutEnemyField(edited, 12, EnemyFieldOffset::kHp, 40, 2);
    PutItem(edited, 5, {"Bat, Cracked", 4, 18});
    unedited.WriteTo(uneditedPath);
  }

  FixtureImage unedited;
  FixtureImage edited;
  const std::string uneditedPath = TempPath("unedited.smc");
  const Rows editRows = {{"enemy", "12", "Starman", "HP", "21", "40"},
                         {"item", "5", "Cracked Bat", "Name", "Cracked Bat", "Bat, Cracked"}};
};

TEST_F(ChangesWindowTest, CompareWithListsTheLoadedImageAgainstAPickedOneAndCopiesAndSavesThem) {
  LoadImage(edited);
  const std::string csvPath = TempPath("changes.csv");
  recorder.fileAnswers = {uneditedPath, csvPath};
  ASSERT_TRUE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdCompareWith); }, [&](HWND window) {
    EXPECT_EQ(ColumnTitles(window), (std::vector<std::string>{"Table", "Record", "Name", "Field", "Before", "After"}));
    EXPECT_EQ(ListedRows(window), editRows);
    EXPECT_EQ(AnswerControlsShown(window), (std::vector<bool>{false, false, false, true})) << "no question, Close";
    EXPECT_EQ(TextsThatDoNotFit(window), std::vector<std::string>{});
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME) << "resizable";
    const int narrow = ListWidth(window);
    SetWindowPos(window, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(ListWidth(window), narrow) << "the list grows with the window";

    CopyRow(window, 1);
    EXPECT_EQ(ClipboardText(), "item\t5\tCracked Bat\tName\tCracked Bat\tBat, Cracked\r\n");

    Click(window, IDC_CHANGES_SAVE_AS);
    EXPECT_EQ(ReadFileText(csvPath),
              "table,record,name,field,before,after\r\n"
              "enemy,12,Starman,HP,21,40\r\n"
              "item,5,Cracked Bat,Name,Cracked Bat,\"Bat, Cracked\"\r\n");
  }));
  ASSERT_EQ(recorder.fileChoices.size(), 2u);
  EXPECT_EQ(recorder.fileChoices[0].dialog, FileDialog::Rom);
  EXPECT_EQ(recorder.fileChoices[0].mode, FileDialogMode::Open);
  EXPECT_EQ(recorder.fileChoices[1].dialog, FileDialog::Csv);
  EXPECT_EQ(recorder.fileChoices[1].mode, FileDialogMode::Save);
  EXPECT_TRUE(recorder.messages.empty()) << recorder.messages[0].text;
}

// A click on a column's header, as the mouse makes it.
void ClickHeader(HWND window, int column) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(GetDlgItem(window, IDC_CHANGES_LIST), LVM_GETHEADER, 0, 0));
  RECT rect = {};
  SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(header, WM_LBUTTONUP, 0, at);
}

int SortArrow(HWND window, int column) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(GetDlgItem(window, IDC_CHANGES_LIST), LVM_GETHEADER, 0, 0));
  HDITEMA item = {};
  item.mask = HDI_FORMAT;
  SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  return item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
}

TEST_F(ChangesWindowTest, AClickOnAColumnsHeaderSortsByItAndASecondReversesTheOrder) {
  LoadImage(edited);
  recorder.fileAnswers = {uneditedPath};
  ASSERT_TRUE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdCompareWith); }, [&](HWND window) {
    ClickHeader(window, 1);
    EXPECT_EQ(ListedRows(window), (Rows{editRows[1], editRows[0]})) << "record 5 before record 12, by value";
    EXPECT_EQ(SortArrow(window, 1), HDF_SORTUP);
    ClickHeader(window, 1);
    EXPECT_EQ(ListedRows(window), editRows);
    EXPECT_EQ(SortArrow(window, 1), HDF_SORTDOWN);
    ClickHeader(window, 2);
    EXPECT_EQ(ListedRows(window), (Rows{editRows[1], editRows[0]})) << "Cracked Bat before Starman";
    EXPECT_EQ(SortArrow(window, 1), 0) << "one arrow at a time";

    CopyRow(window, 1);
    EXPECT_EQ(ClipboardText(), "enemy\t12\tStarman\tHP\t21\t40\r\n") << "the row as listed";
  }));
}

TEST_F(ChangesWindowTest, ChangesSinceLoadingListsWhatTheAppliesOfThisLoadWrote) {
  LoadImage(unedited);
  EXPECT_FALSE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdChangesSinceLoading); }, [](HWND) {}));
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, "Nothing has been written since the image was loaded.");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);

  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    TypeText(ControlById(editor, kPsiNameBoxId), "Fire");
    ClickApply(editor);
  }));
  Rows listed;
  ASSERT_TRUE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdChangesSinceLoading); },
                                     [&](HWND window) { listed = ListedRows(window); }));
  EXPECT_EQ(listed, (Rows{{"psi-name", "0", "Rockin", "Name", "Rockin", "Fire"}}));
}

TEST_F(ChangesWindowTest, ApplyPatchShowsWhatThePatchChangesAndAsksBeforeTheSaveDialog) {
  const std::string patchPath = TempPath("edit.ips");
  WriteFileBytes(patchPath, IpsPatchOf(unedited, edited));
  LoadImage(EarthBoundImage());
  for (const bool save : {false, true}) {
    const std::string resultPath = TempPath(save ? "saved.smc" : "unsaved.smc");
    recorder.fileChoices.clear();
    recorder.fileAnswers = {patchPath, uneditedPath, resultPath};
    // Yes to applying an IPS patch at all, then OK to the box naming the saved file.
    recorder.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Ok};
    recorder.messages.clear();
    ASSERT_TRUE(DriveModalDialogTitled("Changes", [] { SendCommand(kCmdApplyPatch); }, [&](HWND window) {
      EXPECT_EQ(ListedRows(window), editRows);
      EXPECT_EQ(WindowText(GetDlgItem(window, IDC_CHANGES_QUESTION)), "Save the patched image?");
      EXPECT_EQ(AnswerControlsShown(window), (std::vector<bool>{true, true, true, false})) << "Yes and No, no Close";
      EXPECT_EQ(TextsThatDoNotFit(window), std::vector<std::string>{});
      EXPECT_EQ(recorder.fileChoices.size(), 2u) << "the save dialog comes after the answer";
      Click(window, save ? IDYES : IDNO);
    })) << save;
    EXPECT_EQ(recorder.fileChoices.size(), save ? 3u : 2u);
    EXPECT_EQ(std::filesystem::exists(resultPath), save);
    if (save) {
      EXPECT_TRUE(ReadFileBytes(resultPath) == edited.bytes);
    }
    EXPECT_EQ(recorder.sounds, save ? std::vector<SoundId>{SoundId::IpsWritten} : std::vector<SoundId>{});
    EXPECT_EQ(recorder.messages.size(), save ? 2u : 1u) << "the IPS question, and the saved file's box";
  }
  EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes);
}

}  // namespace
