#include "tests/win32/theme_switched_off.h"

#include <windows.h>
#include <uxtheme.h>

namespace {

const char* const kThemeManager = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
const char* const kThemeActive = "ThemeActive";

std::string ThemeActiveSetting() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kThemeManager, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
  char value[8] = "";
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  const LONG read = RegQueryValueExA(key, kThemeActive, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS && type == REG_SZ ? value : "";
}

}  // namespace

ThemeSwitchedOff::ThemeSwitchedOff() : savedSetting_(ThemeActiveSetting()) { EnableTheming(FALSE); }

ThemeSwitchedOff::~ThemeSwitchedOff() {
  if (savedSetting_.empty()) return;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kThemeManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, kThemeActive, 0, REG_SZ, reinterpret_cast<const BYTE*>(savedSetting_.c_str()),
                 static_cast<DWORD>(savedSetting_.size() + 1));
  RegCloseKey(key);
}
