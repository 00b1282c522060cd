#pragma once

// Shows in the status bar what the selected tree item does, the ROM state on the root,
// and whether the loaded ROM is possessed.
void RefreshStatusLine();
