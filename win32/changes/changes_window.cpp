#include "win32/changes/changes_window.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "core/compare/change_row_order.h"
#include "core/compare/change_texts.h"
#include "core/compare/save_changes.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/resources/resource.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The one window open at a time and what it shows.
struct ShownChanges {
  const ImageChanges* changes;
  const char* question;
  Rows rows;  // as listed, in the order last sorted
  int sortColumn = -1;
  bool ascending = true;
};
ShownChanges* shown = nullptr;

struct Column {
  const char* title;
  int width;
};
const Column kColumns[] = {{"Table", 70}, {"Record", 65}, {"Name", 130}, {"Field", 95}, {"Before", 120}, {"After", 120}};

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 24;
constexpr int kMinimumWidth = 480;
constexpr int kMinimumHeight = 240;

void AddColumns(HWND list) {
  for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(kColumns[c].title);
    column.cx = kColumns[c].width;
    column.iSubItem = c;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
  }
}

void FillList(HWND list, const Rows& rows) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = r;
    item.pszText = const_cast<char*>(rows[r][0].c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < static_cast<int>(rows[r].size()); ++c) {
      item.iSubItem = c;
      item.pszText = const_cast<char*>(rows[r][c].c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void ShowQuestion(HWND window, const char* question) {
  const int asked = question ? SW_SHOW : SW_HIDE;
  SetDlgItemTextA(window, IDC_CHANGES_QUESTION, question ? question : "");
  for (const int id : {IDC_CHANGES_QUESTION, IDYES, IDNO}) ShowWindow(GetDlgItem(window, id), asked);
  ShowWindow(GetDlgItem(window, IDCANCEL), question ? SW_HIDE : SW_SHOW);
  SendMessageA(window, DM_SETDEFID, question ? IDYES : IDCANCEL, 0);
}

// The list fills the window above a row of buttons kept at the bottom right, the question
// to their left.
void LayOut(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const int buttonsTop = client.bottom - kMargin - kButtonHeight;
  MoveWindow(GetDlgItem(window, IDC_CHANGES_LIST), kMargin, kMargin, client.right - 2 * kMargin,
             buttonsTop - 2 * kMargin, TRUE);
  int x = client.right - kMargin;
  for (const int id : {IDCANCEL, IDNO, IDYES, IDC_CHANGES_SAVE_AS}) {
    HWND button = GetDlgItem(window, id);
    if (!IsWindowVisible(button)) continue;
    x -= kButtonWidth;
    MoveWindow(button, x, buttonsTop, kButtonWidth, kButtonHeight, TRUE);
    x -= kGap;
  }
  MoveWindow(GetDlgItem(window, IDC_CHANGES_QUESTION), kMargin, buttonsTop + 4, x - kMargin, kButtonHeight - 4, TRUE);
}

void PutOnClipboard(HWND window, const std::string& text) {
  if (!OpenClipboard(window)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

void CopySelectedRows(HWND window) {
  HWND list = GetDlgItem(window, IDC_CHANGES_LIST);
  Rows selected;
  for (LRESULT r = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED); r >= 0;
       r = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(r), LVNI_SELECTED)) {
    selected.push_back(shown->rows[static_cast<std::size_t>(r)]);
  }
  if (!selected.empty()) PutOnClipboard(window, TabSeparatedRows(selected));
}

void SaveAs() {
  std::string path = csvPathBuffer;
  if (!ChooseOutputFile(FileDialog::Csv, path)) return;
  if (!SaveChangesCsv(*shown->changes, path)) ShowWarning(*platform, ChangesNotSavedMessage(path));
}

bool IsCtrlC(const NMHDR& header) {
  if (header.code != LVN_KEYDOWN) return false;
  return reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == 'C' && GetKeyState(VK_CONTROL) < 0;
}

// The header's arrow on the sorted column, none on the others.
void ShowSortArrow(HWND list, int sorted, bool ascending) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (c == sorted) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
    SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
  }
}

// A click on a column's header sorts the list by it; another click on it reverses the order.
void SortByColumn(HWND window, int column) {
  shown->ascending = column == shown->sortColumn ? !shown->ascending : true;
  shown->sortColumn = column;
  SortChangeRows(shown->rows, static_cast<std::size_t>(column), shown->ascending);
  HWND list = GetDlgItem(window, IDC_CHANGES_LIST);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  FillList(list, shown->rows);
  ShowSortArrow(list, column, shown->ascending);
}

bool ListNotified(HWND window, const NMHDR& header) {
  if (header.idFrom != IDC_CHANGES_LIST) return false;
  if (header.code == LVN_COLUMNCLICK) {
    SortByColumn(window, reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
    return true;
  }
  if (!IsCtrlC(header)) return false;
  CopySelectedRows(window);
  return true;
}

void Initialize(HWND window) {
  HWND list = GetDlgItem(window, IDC_CHANGES_LIST);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  AddColumns(list);
  FillList(list, shown->rows);
  ShowQuestion(window, shown->question);
  LayOut(window);
}

INT_PTR CALLBACK ChangesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Initialize(window);
      return TRUE;
    case WM_SIZE:
      LayOut(window);
      return TRUE;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {kMinimumWidth, kMinimumHeight};
      return TRUE;
    case WM_NOTIFY:
      return ListNotified(window, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_CLOSE:
      EndDialog(window, IDCANCEL);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_CHANGES_SAVE_AS:
          SaveAs();
          return TRUE;
        case IDYES:
        case IDNO:
        case IDCANCEL:
          EndDialog(window, LOWORD(wParam));
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

bool ShowChangesWindow(const ImageChanges& changes, const char* question) {
  ShownChanges showing{&changes, question, ChangeRows(changes)};
  shown = &showing;
  const INT_PTR answer = DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_CHANGES), mainWindow, ChangesWindowProc, 0);
  shown = nullptr;
  return answer == IDYES;
}
