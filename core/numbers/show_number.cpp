#include "core/numbers/show_number.h"

#include <charconv>

namespace {

template <typename Value>
void AppendDecimal(Value value, std::string& shown) {
  char text[11];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  shown.append(text, static_cast<std::size_t>(end - text));
}

}  // namespace

void AppendUnsigned(std::uint32_t value, std::string& shown) {
  AppendDecimal(value, shown);
}

void AppendSigned(std::int32_t value, std::string& shown) {
  AppendDecimal(value, shown);
}

void AppendHex(std::uint32_t value, std::string& shown) {
  // Written from the last digit back.
  char text[1 + 8];
  char* start = text + sizeof text;
  do {
    *--start = "0123456789ABCDEF"[value & 0xF];
    value >>= 4;
  } while (value != 0);
  *--start = '$';
  shown.append(start, static_cast<std::size_t>(text + sizeof text - start));
}

std::string ShowUnsigned(std::uint32_t value) {
  std::string shown;
  AppendUnsigned(value, shown);
  return shown;
}

std::string ShowSigned(std::int32_t value) {
  std::string shown;
  AppendSigned(value, shown);
  return shown;
}

std::string ShowHex(std::uint32_t value) {
  std::string shown;
  AppendHex(value, shown);
  return shown;
}
