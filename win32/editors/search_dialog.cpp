#include "win32/editors/search_dialog.h"

#include "core/text/edit_text.h"
#include "win32/app/app_state.h"
#include "win32/resources/resource.h"

namespace {

void ConfirmSearch(HWND dialog) {
  char text[kEditTextLength + 1] = {};
  GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, text, sizeof text);
  SearchText = text;
  EndDialog(dialog, 1);
}

}  // namespace

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == IDC_SEARCH_OK) {
        ConfirmSearch(dialog);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_SEARCH_CANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

bool AskSearchText(int templateId) {
  const INT_PTR result =
      DialogBoxParamA(programInstance, MAKEINTRESOURCEA(templateId), mainWindow, SearchDialogProc, 0);
  return result == 1 && !SearchText.empty();
}

namespace {

void SayNotFound() {
  platform->ShowMessage("String not found", "Done", MessageKind::SearchDone, TextEncoding::Ansi);
}

}  // namespace

void ShowNextMatch(const std::vector<std::size_t>& matches, int current,
                   const std::function<void(std::size_t)>& showMatch) {
  for (std::size_t match : matches) {
    if (static_cast<int>(match) <= current) continue;
    showMatch(match);
    return;
  }
  SayNotFound();
}

void WalkSearchMatches(const std::vector<std::size_t>& matches, const char* question,
                       const std::function<void(std::size_t)>& showMatch) {
  for (std::size_t match : matches) {
    showMatch(match);
    if (platform->ShowMessage(question, "Search found", MessageKind::YesNoQuestion, TextEncoding::Ansi) !=
        MessageAnswer::Yes) {
      return;
    }
  }
  SayNotFound();
}
