#pragma once

#include <string>
#include <string_view>

// The editors show texts in the Western Windows code page (1252); a CSV file holds UTF-8.
// Every byte has a character here (the five bytes 1252 leaves unassigned stand for the
// control characters of their number), so a text survives the way there and back exactly.

std::string AnsiToUtf8(std::string ansi);
void AppendUtf8Of(std::string_view ansi, std::string& utf8);
// Whether utf8 is ansi in UTF-8: AnsiToUtf8(ansi) == utf8, without making the copy. Only the
// characters past ASCII take more than their one byte; a table's cells are mostly a few
// ASCII characters, compared here at the caller, too few to be worth a call to memcmp.
// IsLongerUtf8Of is the case of a utf8 longer than ansi.
bool IsLongerUtf8Of(std::string_view utf8, std::string_view ansi);
inline bool IsUtf8Of(std::string_view utf8, std::string_view ansi) {
  if (utf8.size() != ansi.size()) return utf8.size() > ansi.size() && IsLongerUtf8Of(utf8, ansi);
  for (std::size_t i = 0; i < ansi.size(); ++i) {
    if (utf8[i] != ansi[i] || static_cast<unsigned char>(ansi[i]) >= 0x80) return false;
  }
  return true;
}

struct AnsiText {
  std::string text;        // the text in the code page, when every character has a byte there
  bool utf8 = true;        // false when the bytes are no UTF-8 at all
  std::string unheld;      // the first character (in UTF-8) the code page has no byte for
};

AnsiText Utf8ToAnsi(const std::string& utf8);
