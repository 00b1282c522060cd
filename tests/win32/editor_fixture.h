#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"

// Editors under test: the shell is up, a fixture image is loaded through the program's own
// load path, and an editor opens the way a user opens it, by a double-click on its tree item.
class EditorTest : public ShellTest {
 protected:
  // Writes image to a fresh path and loads it as Load ROM does; returns the path. The
  // load's own sounds and messages are cleared from the recorder.
  std::string LoadImage(const FixtureImage& image);
  // Double-clicks item in the tree through the program's loop and runs drive inside the
  // editor's modal loop. Returns whether an editor opened.
  bool OpenFromTree(HTREEITEM item, const std::function<void(HWND editor)>& drive);
};

// An EarthBound fixture image.
FixtureImage EarthBoundImage();

// Where a control lies in its parent's client area.
struct ControlPlace {
  int x;
  int y;
  int width;
  int height;
  bool operator==(const ControlPlace& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};
ControlPlace PlaceOf(HWND control);
std::ostream& operator<<(std::ostream& out, const ControlPlace& place);

// The first child of parent of the class (and with the text, when given).
HWND FindChild(HWND parent, const char* className, const char* text = nullptr);
// A control of the editor by ID, whether a child of the window or of a group box.
HWND ControlById(HWND editor, int id);
void TypeText(HWND control, const std::string& text);
// The font a control draws its text in.
HFONT FontOf(HWND control);
// Dark pixels on the screen where control lies: whether its text can actually be seen.
int DarkPixelsOnScreen(HWND control);
// The click notification of the editor's "Apply Changes" button, as the button sends it.
void ClickApply(HWND editor);
// Read through a handle of its own, so only bytes that reached the file are seen.
std::vector<std::uint8_t> FileBytes(const std::string& path, std::uint32_t offset, std::size_t count);
// A game text field as stored: encoded characters, then zeros up to length.
std::vector<std::uint8_t> StoredText(const std::string& text, std::size_t length);
