#pragma once

// Fills the main tool bar and the editor tree, gives the tree its images, fills the file
// dialog records and builds the background: the start-up step after the window is shown.
void SetUpMainToolBarAndTree();
