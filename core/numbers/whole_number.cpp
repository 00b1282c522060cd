#include "core/numbers/whole_number.h"

#include <cctype>

#include "core/numbers/read_number.h"

namespace {

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && blank(text[first])) ++first;
  while (end > first && blank(text[end - 1])) --end;
  return text.substr(first, end - first);
}

int DigitValue(char c, int base) {
  const auto u = static_cast<unsigned char>(c);
  if (std::isdigit(u)) return u - '0';
  if (base == 16 && std::isxdigit(u)) return std::toupper(u) - 'A' + 10;
  return -1;
}

}  // namespace

WholeNumber ReadWholeNumber(const std::string& text, bool hexAllowed) {
  WholeNumber number{WholeNumber::Kind::NotNumber, 0, NumberBase::Decimal, Trimmed(text)};
  const std::string& written = number.written;
  std::size_t at = 0;
  bool negative = false;
  if (at < written.size() && (written[at] == '+' || written[at] == '-')) negative = written[at++] == '-';
  int base = 10;
  if (hexAllowed && at < written.size() && written[at] == '$') {
    base = 16;
    number.base = NumberBase::Hex;
    ++at;
  }
  if (at == written.size()) return number;
  constexpr std::uint64_t kCeiling = std::uint64_t{1} << 62;
  std::uint64_t magnitude = 0;
  for (; at < written.size(); ++at) {
    const int digit = DigitValue(written[at], base);
    if (digit < 0) {
      if (base == 10 && IsNumberText(written, NumberForm::Decimal)) number.kind = WholeNumber::Kind::Fraction;
      return number;
    }
    magnitude = magnitude >= kCeiling / 16 ? kCeiling : magnitude * base + static_cast<std::uint64_t>(digit);
  }
  number.kind = WholeNumber::Kind::Number;
  number.value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return number;
}

std::string WholeNumberProblem(const WholeNumber& number, const NumberRange& range, const std::string& field) {
  switch (number.kind) {
    case WholeNumber::Kind::NotNumber:
      return "\"" + number.written + "\" is not a number";
    case WholeNumber::Kind::Fraction:
      return "\"" + number.written + "\" is not a whole number";
    case WholeNumber::Kind::Number:
      break;
  }
  return NumberRangeProblem(number.written, number.value, range, number.base, field);
}
