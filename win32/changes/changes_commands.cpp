#include "win32/changes/changes_commands.h"

#include <string>

#include "core/compare/loaded_image_changes.h"
#include "win32/app/app_state.h"
#include "win32/changes/changes_window.h"

namespace {

void ShowListedChanges(const ListedChanges& listed) {
  if (listed.message.empty()) {
    ShowChangesWindow(listed.changes);
  } else if (listed.messageKind == MessageKind::Information) {
    ShowInformation(*platform, listed.message);
  } else {
    ShowWarning(*platform, listed.message);
  }
}

}  // namespace

void CompareWithFromMainWindow() {
  std::string path = romPathBuffer;
  if (!platform->ChooseFile(FileDialog::Rom, FileDialogMode::Open, path)) return;
  ShowListedChanges(ChangesSinceImageFile(path, romSession));
}

void ChangesSinceLoadingFromMainWindow() {
  ShowListedChanges(ChangesSinceLoading(romSession));
}
