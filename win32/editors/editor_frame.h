#pragma once

#include <windows.h>

#include <vector>

// The frame every editor window shares: placement, small icon and menu bar, the tool bar
// with its separator line and tool tips, the tab control carrying the tree's images, the
// group box on the first tab, "Apply Changes", the control font with the 3-D look, Help,
// Close ROM and the close box.
//
// An editor is a dialog procedure on template IDD_EDITOR_HOST, opened modal to the main
// window. It keeps one EditorFrame (one editor is open at a time) and uses it like this:
//
//   case WM_INITDIALOG:
//     frame = BuildEditorFrame(window, layout);  // icon, menu bar, placement, tool bar, title, tabs
//     AddEditorGroupBox(frame);                  // the group box on the tab control
//     ... the editor's own controls (editor_controls.h), in the editor's order ...
//     FinishEditorFrame(frame);                  // "Apply Changes", font and 3-D look of the frame
//     ... show the tables ...
//     return TRUE;
//
// and, before its own handling of any other message:
//
//   INT_PTR result;
//   if (HandleEditorFrameMessage(frame, message, wParam, lParam, result)) return result;
//   if (IsApplyClick(frame, message, wParam, lParam)) { ... apply, then ReportApplyResult ... }
//
// The frame handles the close box, Help (command 13), Close ROM (command 15) and the tool
// tip requests; every other message is the editor's.

enum class EditorToolBar { ListEditor, TextEditor };

struct EditorTab {
  const char* text;
  int image;  // index into treeImageList
};

// The two tool tips in which the enemy and the item editor differ.
struct ListEditorToolTips {
  const char* find;
  const char* gameOrderOrType;
};

struct EditorFrameLayout {
  const char* title;
  int smallIcon;  // icon number, 2 to 18
  HMENU menuBar;
  int width;      // 590, or 620 for the enemy editor
  EditorToolBar toolBar;
  ListEditorToolTips listToolTips;  // used by EditorToolBar::ListEditor only
  std::vector<EditorTab> tabs;
  const char* groupBoxLabel;
};

struct EditorFrame {
  EditorFrameLayout layout;
  HWND window = nullptr;
  HWND toolBar = nullptr;
  HWND separator = nullptr;
  HWND tabControl = nullptr;
  HWND groupBox = nullptr;
  HWND applyButton = nullptr;
};

// The modal result of every editor; the caller does not use it.
constexpr INT_PTR kEditorDialogResult = 5;

// Small icon and menu bar, placement (shown), tool bar and separator, title, tab control.
EditorFrame BuildEditorFrame(HWND window, const EditorFrameLayout& layout);
// The group box on the tab control, labelled from the layout.
void AddEditorGroupBox(EditorFrame& frame);
// "Apply Changes", then the control font and the 3-D look for it, the tab control and the group box.
void FinishEditorFrame(EditorFrame& frame);

// Handles the frame's messages; true when the message was the frame's, with the dialog
// procedure's return value in result.
bool HandleEditorFrameMessage(const EditorFrame& frame, UINT message, WPARAM wParam, LPARAM lParam,
                              INT_PTR& result);
bool IsApplyClick(const EditorFrame& frame, UINT message, WPARAM wParam, LPARAM lParam);

// Tool tip of a command on the frame's tool bar, or nullptr for any other ID.
const char* EditorToolTip(const EditorFrameLayout& layout, int command);
