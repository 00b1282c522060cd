#pragma once

#include <cstddef>
#include <string>

// Edit boxes are read through a 25-byte buffer, so every typed text keeps at most its first
// 24 characters; a 25-byte name therefore always ends with a zero byte.
constexpr std::size_t kEditTextLength = 24;

inline std::string EditText(const std::string& typed) {
  return typed.substr(0, kEditTextLength);
}
