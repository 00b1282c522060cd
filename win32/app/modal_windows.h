#pragma once

#include <windows.h>

// The modal windows the shell opens over the main window.
void ShowSplash();
void ShowAboutBox();
void ShowCreateIpsDialog();
// An editor on the shared empty template, with its own procedure.
void OpenEditorWindow(DLGPROC editorProc);
