#pragma once

// File > Apply Patch...: asks for a patch, the unedited image and where to save the result,
// then applies the patch on a worker thread behind the progress window. Never writes to the
// loaded image.
void ApplyPatchFromMainWindow();
