#include "win32/app/possession_quiz.h"

// The quiz asks nothing yet: the ghost button only refreshes the status line.
void RunPossessionQuiz() {}
