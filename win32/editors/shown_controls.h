#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What an editor's field controls show: each edit's text, each list's selected entry, each
// check box's state. Read once a record is shown and again later, it tells whether the user
// has typed or picked something since; a record shown by the program changes nothing.
struct ControlState {
  HWND control;
  std::string value;
  bool operator==(const ControlState& other) const { return control == other.control && value == other.value; }
};
using ControlStates = std::vector<ControlState>;

// Every field control of the editor at any depth, except the controls in left out (the
// lists that pick which record is shown).
ControlStates ReadControlStates(HWND editor, const std::vector<HWND>& leftOut);
