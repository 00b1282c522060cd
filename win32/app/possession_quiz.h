#pragma once

// The ghost button's quiz over the loaded ROM.
void RunPossessionQuiz();
