#pragma once

// Fills the main tool bar and the editor tree, gives the tree its images, fills the file
// dialog records and builds the background: the start-up step after the window is shown.
void SetUpMainToolBarAndTree();

// The main tool bar's tool tip for a command ID; nullptr when the command has none.
const char* ToolTipText(int command);
