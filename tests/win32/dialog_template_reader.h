#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A dialog template as stored in the module, so tests can check the exact values the
// resource compiler wrote rather than what a created window happens to show.
struct DialogItemTemplate {
  DWORD style = 0;
  int id = 0;
  std::string className;  // "Button", "Edit", "Static" for the predefined classes
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string caption;
  int fontSize = 0;
  std::string fontName;
  std::vector<DialogItemTemplate> items;
};

// False when the module holds no such dialog.
bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate* dialog);
