#include "win32/app/possession_quiz.h"

#include "core/quiz/possession_quiz.h"
#include "win32/app/app_state.h"
#include "win32/app/status_line.h"

void RunPossessionQuiz() {
  if (!romSession.romLoaded) return;
  PlayPossessionQuiz(romSession.romFile, romSession.romLayout, *platform);
  RefreshStatusLine();
}
