#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/tables/list_order.h"
#include "core/tables/table_fields.h"

// The frame every editor window shares, and the one window procedure that serves them all:
// placement, small icon and menu bar, the tool bar with its separator line and tool tips,
// the tab control carrying the tree's images, the group box on the first tab, "Apply
// Changes" and the report of a failed apply, the control font with the 3-D look, Help,
// Close ROM, Undo Apply and Redo Apply (menu and keys), and the close box.
//
// An editor is an EditorDefinition: its layout and the few steps that are its own. The
// frame opens it (OpenEditorWindow) in this order:
//   1. the frame: icon, menu bar, placement, tool bar, title, tabs, the first group box;
//   2. createControls;
//   3. "Apply Changes", and the font and 3-D look of the frame;
//   4. show: the editor fills its lists and shows its current record;
// with drawing held off from 1 to 4 and the whole window drawn once at the end.

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
  int smallIcon;         // icon number, 2 to 18
  const HMENU* menuBar;  // one of the shell's menus, which outlive every editor
  int width;             // 590, or 620 for the enemy editor
  EditorToolBar toolBar;
  ListEditorToolTips listToolTips;  // used by EditorToolBar::ListEditor only
  std::vector<EditorTab> tabs;
  const char* groupBoxLabel;
};

// The frame's windows, as the editor's steps see them.
struct EditorFrame {
  const EditorFrameLayout* layout = nullptr;
  HWND window = nullptr;
  HWND toolBar = nullptr;
  HWND separator = nullptr;
  HWND tabControl = nullptr;
  HWND groupBox = nullptr;
  HWND applyButton = nullptr;
  HWND writtenLine = nullptr;  // "Written to the image at ..." under "Apply Changes"
};

// The frame's controls take IDs below the editors' own.
constexpr int kApplyButtonId = 998;
constexpr int kWrittenLineId = 999;
// No control has this ID: as the default button it leaves Enter without one.
constexpr int kNoDefaultButtonId = 0xFFFF;

// One editor. The steps without a default may not be null; a null handler leaves the
// message to the dialog manager.
struct EditorDefinition {
  EditorFrameLayout layout;
  // Creates every control beyond the frame's (frame.applyButton does not exist yet).
  void (*createControls)(const EditorFrame& frame) = nullptr;
  // Fills the lists and shows the current record, once the window is complete.
  void (*show)() = nullptr;
  // The "Warning" for boxes that cannot be applied as typed (a number box without a
  // number); empty when they can. When it is not empty the frame shows it and nothing is
  // written. May be null: everything can be applied.
  std::string (*refusal)() = nullptr;
  // Asks before writing entries that lie on other game data; false when the user says No,
  // and then nothing is written and the typing stays unapplied. May be null: never asks.
  bool (*mayWrite)() = nullptr;
  // Writes the boxes into the image; false when a write failed, and the frame says so. The
  // frame runs it as one undoable action, after the image's backup.
  bool (*apply)() = nullptr;
  // After an undo or redo has read the tables again: refills the lists and shows the record
  // holding the byte at offset, or the one shown before when none of the editor's does.
  // Null: show again.
  void (*showChanged)(std::uint32_t offset) = nullptr;
  // The list editors' commands, from the View menu and the list tool bar.
  void (*find)() = nullptr;
  // F3: the next match of the last search after the shown record.
  void (*findNext)() = nullptr;
  void (*changeListOrder)(ListOrder order) = nullptr;
  void (*dumpToText)() = nullptr;
  // The table that "Export to CSV..." and "Import from CSV..." in the View menu work on.
  const KnownTable& (*csvTable)() = nullptr;
  // The drop-down lists that pick which record is shown (children of the window). A pick
  // there, like closing, Close ROM, Find and the list orders, first asks whether typed
  // changes are to be applied.
  std::vector<int> recordLists;
  // The shown record as that question names it; entry is the entry shown in the first of
  // recordLists, -1 when there is none.
  std::string (*recordName)(int entry) = nullptr;
  // The same as Undo names an Apply to it (Enemy 12 "Angry Yarn"). Null: as recordName.
  std::string (*stepName)(int entry) = nullptr;
  // A command or control notification the frame did not take (WM_COMMAND's words).
  bool (*onCommand)(int id, int code) = nullptr;
  // A WM_NOTIFY the frame did not take; answer becomes the message's result.
  bool (*onNotify)(const NMHDR& header, LRESULT& answer) = nullptr;
  // Another tab was chosen.
  void (*showTab)(int tab) = nullptr;
  // An owner-drawn control asks for an entry.
  bool (*drawItem)(const DRAWITEMSTRUCT& item) = nullptr;
};

// The modal result of every editor; the caller does not use it.
constexpr INT_PTR kEditorDialogResult = 5;

// The editor window procedure; WM_INITDIALOG carries the EditorDefinition.
INT_PTR CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The frame's windows of the open editor.
const EditorFrame& OpenEditorFrame();

// After an undo or redo in one editor of a step another editor made, the first ends and the
// maker is to open in its place, showing the record the step wrote; null when no editor is
// waiting to open.
const EditorDefinition* EditorToOpenNext();

// Before the main window closes or replaces the image: the open editor, if any, asks about
// typing it holds (Apply, Drop or Cancel), then ends with the image. False when the user
// cancelled, or the apply failed: then the editor stays and the image with it.
bool CloseEditorsBeforeImageGoes();

// Tool tip of a command on the frame's tool bar, or nullptr for any other ID.
const char* EditorToolTip(const EditorFrameLayout& layout, int command);

// A group box on the tab control where the first one lies, for an editor with more tabs.
HWND CreateTabGroupBox(const EditorFrame& frame, const char* label);

// Building the frame, in the order above; used by EditorWindowProc.
EditorFrame BuildEditorFrame(HWND window, const EditorFrameLayout& layout);
void FinishEditorFrame(EditorFrame& frame);
