#pragma once

// File > Apply Patch...: asks for a patch (confirming an IPS patch, which names no image) and
// the unedited image, applies the patch in memory on a worker thread behind the progress
// window, shows what it changes with the question whether to save it, and only then asks
// where, saying where the result went. Never writes to the loaded image.
void ApplyPatchFromMainWindow();
