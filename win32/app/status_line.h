#pragma once

// Shows in the status bar what the selected tree item does, the ROM state on the root,
// and whether the loaded ROM is possessed; the title bar names the loaded image's file.
void RefreshStatusLine();

// Right after a load: the image's kind and size whichever tree item is selected, until the
// selection changes.
void ShowLoadedRomOnStatusLine();
