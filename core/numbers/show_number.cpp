#include "core/numbers/show_number.h"

#include <charconv>

std::string ShowUnsigned(std::uint32_t value) {
  char text[10];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string ShowSigned(std::int32_t value) {
  return std::to_string(value);
}

std::string ShowHex(std::uint32_t value) {
  // Written from the last digit back; tables show thousands of these.
  char text[1 + 8];
  char* start = text + sizeof text;
  do {
    *--start = "0123456789ABCDEF"[value & 0xF];
    value >>= 4;
  } while (value != 0);
  *--start = '$';
  return std::string(start, text + sizeof text);
}
