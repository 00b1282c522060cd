#pragma once

#include <string>

// Switches Wine's theme off for this process as a user switches it off, for as long as it
// lives. Switching off is kept in the prefix's settings; leaving puts the setting back, but
// the process stays without the theme, so a test that needs the theme runs in another one.
class ThemeSwitchedOff {
 public:
  ThemeSwitchedOff();
  ~ThemeSwitchedOff();
  ThemeSwitchedOff(const ThemeSwitchedOff&) = delete;
  ThemeSwitchedOff& operator=(const ThemeSwitchedOff&) = delete;

 private:
  std::string savedSetting_;
};
