#include "core/numbers/show_number.h"

#include <cstdio>

std::string ShowUnsigned(std::uint32_t value) {
  return std::to_string(value);
}

std::string ShowSigned(std::int32_t value) {
  return std::to_string(value);
}

std::string ShowHex(std::uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof text, "$%X", static_cast<unsigned>(value));
  return text;
}
