#pragma once

#include <windows.h>

// The modal windows the shell opens over the main window.
void ShowSplash();
void ShowAboutBox();
void ShowCreateIpsDialog();
// The same dialog, making BPS patches.
void ShowCreateBpsDialog();
struct EditorDefinition;
// An editor on the shared empty template, served by the frame's procedure; then each editor
// an undo or redo there brought forward in its place.
void OpenEditorWindow(const EditorDefinition& editor);

// Places the window in the middle of the full-screen area at the given pixel size and
// shows it.
void ShowCenteredOnScreen(HWND window, int width, int height);
