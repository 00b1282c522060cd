#include "win32/editors/overwrite_question.h"

#include "win32/app/app_state.h"

bool ConfirmOverwrite(const std::string& question) {
  return platform->ShowMessage(question, "Warning", MessageKind::OverwriteQuestion, TextEncoding::Ansi) ==
         MessageAnswer::Yes;
}
