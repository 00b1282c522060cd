#include "win32/editors/apply_report.h"

#include "core/rom/apply_messages.h"
#include "win32/app/app_state.h"

void ReportApplyResult(bool written) {
  if (!written) ShowWarning(*platform, kChangesNotWritten);
}
