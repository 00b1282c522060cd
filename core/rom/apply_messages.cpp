#include "core/rom/apply_messages.h"

#include "core/rom/image_backup.h"

const char* const kChangesNotWritten =
    "The changes could not be written to the ROM file.  Make sure the disk has room and the file is not "
    "write-protected, then apply again.";

std::string BackupFailedMessage(const std::string& imagePath) {
  return "A backup copy of the ROM could not be made in\n" + BackupFolderOf(imagePath) +
         "\n\nso nothing was written.  Make sure the disk has room and the folder can be written to, then apply "
         "again.";
}

void ReportActionOutcome(Platform& platform, ActionOutcome outcome, const std::string& imagePath) {
  switch (outcome) {
    case ActionOutcome::Written:
      return;
    case ActionOutcome::NotWritten:
      ShowWarning(platform, kChangesNotWritten);
      return;
    case ActionOutcome::NoBackup:
      ShowWarning(platform, BackupFailedMessage(imagePath));
      return;
  }
}
