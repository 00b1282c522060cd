#pragma once

#include <string>

#include "core/platform/platform.h"
#include "core/rom/rom_session.h"

// The ghost button's joke: a wrong answer possesses the image (a marker in its cartridge
// title), a right one while possessed frees it again.

extern const char* const kQuizTitle;
extern const char* const kQuizQuestion;

enum class MarkerChange { None, Possess, Unpossess };

// The box that answers the user, and what then happens to the image.
struct QuizOutcome {
  std::string title;
  std::string text;
  MarkerChange markerChange;
};

QuizOutcome DecideQuizOutcome(bool answeredYes, bool possessed);

// Asks the question (unless the image is unrecognized) and carries out the outcome: the
// answer box, then the marker write (an undoable action) and its sound, or the editors'
// "Warning" when it is not written. The caller refreshes the status line afterwards.
void PlayPossessionQuiz(RomSession& session, Platform& platform);
