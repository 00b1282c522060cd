#pragma once

#include <array>
#include <cstring>

#include "core/text/game_text.h"

// A name as the list orders compare it: a to z as capitals, every other byte as it is, and
// zeros from the terminator on, so comparing whole keys bytewise (unsigned) puts a prefix
// before the longer name and never reads past the 25-byte field.
using NameKey = std::array<unsigned char, kNameFieldLength>;

inline NameKey NameKeyOf(const char (&name)[kNameFieldLength]) {
  NameKey key{};
  for (std::size_t i = 0; i < kNameFieldLength && name[i] != '\0'; ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    key[i] = c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
  }
  return key;
}

inline int CompareNameKeys(const NameKey& a, const NameKey& b) {
  return std::memcmp(a.data(), b.data(), kNameFieldLength);
}
