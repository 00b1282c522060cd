#include "core/numbers/read_number.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/text/edit_text.h"

namespace {

constexpr long double kTwoToThe32 = 4294967296.0L;

bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int DigitValue(char c, int base) {
  const auto u = static_cast<unsigned char>(c);
  int value = base;
  if (std::isdigit(u)) value = u - '0';
  if (std::isxdigit(u) && !std::isdigit(u)) value = std::toupper(u) - 'A' + 10;
  return value < base ? value : -1;
}

// The 32-bit string-to-number conversion: white space, a sign, an optional "0x" in base 16,
// then digits. Positive numbers have the unsigned range, so a decimal address reads as its
// hexadecimal form would; negative decimal ones reach down to the smallest 32-bit signed
// number. A number past its range gives 0xFFFFFFFF whatever its sign, and a minus sign gives
// the two's complement.
std::uint32_t ReadLong32(const std::string& text, int base) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (base == 16 && i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      DigitValue(text[i + 2], base) >= 0) {
    i += 2;
  }
  // Held just past 32 bits, so a long run of digits stays past every range.
  constexpr std::uint64_t kCeiling = std::uint64_t{1} << 32;
  std::uint64_t value = 0;
  for (; i < text.size() && DigitValue(text[i], base) >= 0; ++i) {
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(DigitValue(text[i], base));
    if (value > kCeiling) value = kCeiling;
  }
  std::uint64_t largest = 0xFFFFFFFFu;
  if (base == 10 && negative) largest = 0x80000000u;
  if (value > largest) return 0xFFFFFFFFu;
  const auto result = static_cast<std::uint32_t>(value);
  return negative ? 0u - result : result;
}

std::size_t SkipDigits(const std::string& text, std::size_t i) {
  while (i < text.size() && DigitValue(text[i], 10) >= 0) ++i;
  return i;
}

// The part of text that reads as a decimal number: white space, a sign, digits with an
// optional fraction, and an exponent when digits follow its "e". Empty without a digit, so
// hexadecimal ("0x1A"), "inf" and "nan" read as no number at all.
std::string DecimalNumberPart(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integerStart = i;
  i = SkipDigits(text, i);
  std::size_t digits = i - integerStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = i + 1;
    i = SkipDigits(text, fractionStart);
    digits += i - fractionStart;
  }
  if (digits == 0) return "";
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t exponent = i + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t end = SkipDigits(text, exponent);
    if (end > exponent) i = end;
  }
  return text.substr(start, i - start);
}

bool IsSignedDigits(const std::string& text, int base) {
  std::size_t i = 0;
  if (base == 10 && i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (DigitValue(text[i], base) < 0) return false;
  }
  return true;
}

long double HexValue(const std::string& digits) {
  long double value = 0;
  for (char c : digits) value = value * 16 + DigitValue(c, 16);
  return value;
}

}  // namespace

std::string TypedNumberText(const std::string& text) {
  const std::string typed = EditText(text);
  std::size_t start = 0;
  std::size_t end = typed.size();
  while (start < end && IsSpace(typed[start])) ++start;
  while (end > start && IsSpace(typed[end - 1])) --end;
  return typed.substr(start, end - start);
}

std::uint32_t ReadNumberClamped(const std::string& text, std::uint32_t maximum) {
  const std::string number = DecimalNumberPart(EditText(text));
  if (number.empty()) return 0;
  const long double value = std::strtold(number.c_str(), nullptr);
  if (value > maximum) return maximum;
  // A negative number past the range of long double comes back as -inf: no number to store.
  if (!std::isfinite(value)) return 0;
  // The low 32 bits of the whole number, so a negative value keeps its two's complement.
  long double low = std::fmod(std::trunc(value), kTwoToThe32);
  if (low < 0) low += kTwoToThe32;
  return static_cast<std::uint32_t>(low);
}

std::int32_t ReadIntClamped(const std::string& text, std::int32_t maximum) {
  const std::string typed = EditText(text);
  std::size_t i = 0;
  while (i < typed.size() && IsSpace(typed[i])) ++i;
  bool negative = false;
  if (i < typed.size() && (typed[i] == '+' || typed[i] == '-')) negative = typed[i++] == '-';
  // Held just past the 32-bit range, so a long run of digits saturates instead of wrapping
  // round to a small or negative number.
  constexpr std::int64_t kCeiling = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; i < typed.size() && DigitValue(typed[i], 10) >= 0; ++i) {
    magnitude = magnitude * 10 + DigitValue(typed[i], 10);
    if (magnitude > kCeiling) magnitude = kCeiling;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return value > maximum ? maximum : static_cast<std::int32_t>(value);
}

std::uint32_t ReadDecOrHex(const std::string& text) {
  // Blanks before the "$" are no reason to read an address as decimal, and so as 0.
  const std::string typed = TypedNumberText(text);
  if (!typed.empty() && typed[0] == '$') return ReadLong32(typed.substr(1), 16);
  return ReadLong32(typed, 10);
}

bool IsNumberText(const std::string& text, NumberForm form) {
  const std::string typed = TypedNumberText(text);
  if (typed.empty()) return true;
  switch (form) {
    case NumberForm::Decimal:
      return DecimalNumberPart(typed) == typed;
    case NumberForm::Integer:
      return IsSignedDigits(typed, 10);
    case NumberForm::DecimalOrHex:
      break;
  }
  return typed[0] == '$' ? IsSignedDigits(typed.substr(1), 16) : IsSignedDigits(typed, 10);
}

long double TypedNumberValue(const std::string& text, NumberForm form) {
  const std::string typed = TypedNumberText(text);
  if (typed.empty()) return 0;
  if (form == NumberForm::DecimalOrHex && typed[0] == '$') return HexValue(typed.substr(1));
  return std::trunc(std::strtold(typed.c_str(), nullptr));
}
