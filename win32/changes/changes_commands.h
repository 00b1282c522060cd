#pragma once

// File > Compare With...: the loaded image against an image the user picks, in the Changes
// window.
void CompareWithFromMainWindow();
// File > Changes Since Loading: the loaded image against the backup made before this load's
// first write.
void ChangesSinceLoadingFromMainWindow();
