#include "core/text/ansi_utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the others stand for themselves.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t CodePointOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

// Writes the point's UTF-8 bytes at out, returning where they end.
constexpr char* PutUtf8(char32_t point, char* out) {
  if (point < 0x80) {
    *out++ = static_cast<char>(point);
  } else if (point < 0x800) {
    *out++ = static_cast<char>(0xC0 | point >> 6);
    *out++ = static_cast<char>(0x80 | (point & 0x3F));
  } else {
    *out++ = static_cast<char>(0xE0 | point >> 12);
    *out++ = static_cast<char>(0x80 | (point >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (point & 0x3F));
  }
  return out;
}

// Each byte's character as UTF-8, worked out once: an export or import converts thousands of
// names.
struct Utf8Char {
  char bytes[3];
  std::size_t count;
};

constexpr std::array<Utf8Char, 256> Utf8Chars() {
  std::array<Utf8Char, 256> chars{};
  for (std::size_t byte = 0; byte < chars.size(); ++byte) {
    Utf8Char& c = chars[byte];
    c.count = static_cast<std::size_t>(PutUtf8(CodePointOf(static_cast<unsigned char>(byte)), c.bytes) - c.bytes);
  }
  return chars;
}

constexpr std::array<Utf8Char, 256> kUtf8Chars = Utf8Chars();

// Writes the character's UTF-8 bytes at out, which has room for three, returning where they
// end. Without a branch on the character: names of random bytes would mispredict one.
char* PutUtf8Of(char c, char* out) {
  const Utf8Char& shown = kUtf8Chars[static_cast<unsigned char>(c)];
  std::copy(shown.bytes, shown.bytes + 3, out);
  return out + shown.count;
}

bool ByteOf(char32_t point, char& byte) {
  if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) {
    byte = static_cast<char>(point);
    return true;
  }
  for (unsigned i = 0; i < 32; ++i) {
    if (kHighControls[i] == point) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

// The code point of the UTF-8 sequence at text[at], moving at past it; false when malformed.
bool NextCodePoint(const std::string& text, std::size_t& at, char32_t& point) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5                  ? 4
                                                                      : 0;
  if (length == 0 || at + length > text.size()) return false;
  point = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return false;
    point = point << 6 | (next & 0x3F);
  }
  // Overlong forms, surrogates and points past Unicode are no UTF-8.
  const char32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < smallest[length] || (point >= 0xD800 && point < 0xE000) || point > 0x10FFFF) return false;
  at += length;
  return true;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string AnsiToUtf8(std::string ansi) {
  if (IsAscii(ansi)) return ansi;
  std::string utf8;
  AppendUtf8Of(ansi, utf8);
  return utf8;
}

void AppendUtf8Of(std::string_view ansi, std::string& utf8) {
  // No character takes more than three bytes.
  const std::size_t start = utf8.size();
  utf8.resize(start + 3 * ansi.size());
  char* end = utf8.data() + start;
  for (const char c : ansi) end = PutUtf8Of(c, end);
  utf8.resize(static_cast<std::size_t>(end - utf8.data()));
}

bool IsLongerUtf8Of(std::string_view utf8, std::string_view ansi) {
  // Converted a piece at a time on the stack and compared piece by piece.
  constexpr std::size_t kPiece = 32;
  std::size_t at = 0;
  for (std::size_t from = 0; from < ansi.size(); from += kPiece) {
    char piece[3 * kPiece];
    char* end = piece;
    for (const char c : ansi.substr(from, kPiece)) end = PutUtf8Of(c, end);
    const auto count = static_cast<std::size_t>(end - piece);
    if (utf8.size() - at < count || utf8.compare(at, count, piece, count) != 0) return false;
    at += count;
  }
  return at == utf8.size();
}

AnsiText Utf8ToAnsi(const std::string& utf8) {
  AnsiText result;
  result.text.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t start = at;
    char32_t point = 0;
    if (!NextCodePoint(utf8, at, point)) {
      result.utf8 = false;
      return result;
    }
    char byte = 0;
    if (!ByteOf(point, byte)) {
      result.unheld = utf8.substr(start, at - start);
      return result;
    }
    result.text += byte;
  }
  return result;
}
