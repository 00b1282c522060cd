#pragma once

// Loads icons 1 to 18 into programIcons, each at the size it was drawn.
void LoadProgramIcons();
