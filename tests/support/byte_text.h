#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Patch bytes written the way the format documents read: texts and joined parts.
using Bytes = std::vector<std::uint8_t>;

inline Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
