#pragma once

#include <cstddef>
#include <string>

#include "core/text/game_text.h"

// A typed text keeps at most its first 24 characters, as an edit box read through a 25-byte
// buffer always gave: a name written from a typed text therefore always ends with a zero byte.
constexpr std::size_t kEditTextLength = 24;

inline std::string EditText(const std::string& typed) {
  return typed.substr(0, kEditTextLength);
}

// True when a name box still holds exactly what it was shown: the stored name up to its
// terminator, all 25 characters when none ends it. Such a name is not written, so every byte
// of its field stays as stored, the 25th character and those after the terminator included.
inline bool IsShownName(const std::string& typed, const char* storedName) {
  return typed == GameText(storedName, kNameFieldLength);
}
