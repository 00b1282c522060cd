#pragma once

// Fills romFileDialog, textFileDialog and ipsFileDialog once; every later dialog reuses them.
void FillFileDialogRecords();
