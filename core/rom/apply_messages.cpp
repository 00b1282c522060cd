#include "core/rom/apply_messages.h"

#include "core/io/file_messages.h"
#include "core/rom/image_backup.h"

const char* const kChangesNotWritten =
    "The changes could not be written to the ROM file.  Make sure the disk has room and the file is not "
    "write-protected, then apply again.";

const char* const kImageChangedBehind =
    "The image was changed by another program since it was loaded. Close it and load it again.";

std::string BackupFailedMessage(const std::string& imagePath) {
  return "A backup copy of the ROM could not be made in\n" + BackupFolderOf(imagePath) +
         "\n\nso nothing was written.  Make sure the disk has room and the folder can be written to, then apply "
         "again.";
}

std::string ActionOutcomeMessage(ActionOutcome outcome, const std::string& imagePath) {
  switch (outcome) {
    case ActionOutcome::Written:
      break;
    case ActionOutcome::NotWritten:
      return kChangesNotWritten;
    case ActionOutcome::NoBackup:
      return BackupFailedMessage(imagePath);
    case ActionOutcome::ReadOnly:
      return ReadOnlyFileMessage(imagePath);
    case ActionOutcome::ChangedBehind:
      return kImageChangedBehind;
  }
  return "";
}

void ReportActionOutcome(Platform& platform, ActionOutcome outcome, const std::string& imagePath) {
  if (outcome != ActionOutcome::Written) ShowWarning(platform, ActionOutcomeMessage(outcome, imagePath));
}
