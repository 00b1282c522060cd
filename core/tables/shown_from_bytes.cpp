#include "core/tables/shown_from_bytes.h"

#include <array>

#include "core/numbers/show_number.h"

namespace {

// Each character's value as a digit as the show functions write them (upper-case past 9);
// 16 for a character that is none. Looked up, not tested: hexadecimal digits come as random
// as the addresses they spell, and a branch on each would mostly guess wrong.
constexpr std::array<std::uint8_t, 256> kDigitValues = [] {
  std::array<std::uint8_t, 256> values{};
  for (auto& value : values) value = 16;
  for (int c = 0; c < 10; ++c) values['0' + c] = static_cast<std::uint8_t>(c);
  for (int c = 0; c < 6; ++c) values['A' + c] = static_cast<std::uint8_t>(10 + c);
  return values;
}();

// Digits in base 10 or 16 as the show functions write them: at least one, no more than the
// largest 32-bit value has, and no leading zero.
template <unsigned kBase>
bool IsDigitsOf(std::string_view digits, std::uint32_t value) {
  constexpr std::size_t kMostDigits = kBase == 10 ? 10 : 8;
  if (digits.empty() || digits.size() > kMostDigits || (digits[0] == '0' && digits.size() > 1)) return false;
  std::uint64_t read = 0;
  bool notADigit = false;
  for (const char c : digits) {
    const unsigned digit = kDigitValues[static_cast<unsigned char>(c)];
    notADigit |= digit >= kBase;
    read = read * kBase + digit;
  }
  return !notADigit && read == value;
}

void AppendUnsignedOfBytes(const TableField& field, const std::uint8_t* record, std::string& shown) {
  AppendUnsigned(FieldValue(field, record), shown);
}

bool IsUnsignedOfBytesIn(std::string_view cell, const TableField& field, const std::uint8_t* record) {
  return IsDigitsOf<10>(cell, FieldValue(field, record));
}

std::uint32_t SignBit(const TableField& field) {
  return std::uint32_t{1} << (8 * field.width - 1);
}

void AppendSignedOfBytes(const TableField& field, const std::uint8_t* record, std::string& shown) {
  const std::uint32_t value = FieldValue(field, record);
  const std::uint32_t signBit = SignBit(field);
  // The field's top bit stands for minus its value; the rest counts up from there.
  const std::int64_t signedValue = std::int64_t{value & (signBit - 1)} - std::int64_t{value & signBit};
  AppendSigned(static_cast<std::int32_t>(signedValue), shown);
}

bool IsSignedOfBytesIn(std::string_view cell, const TableField& field, const std::uint8_t* record) {
  const std::uint32_t value = FieldValue(field, record);
  const std::uint32_t signBit = SignBit(field);
  if ((value & signBit) == 0) return IsDigitsOf<10>(cell, value);
  // A negative value's magnitude is never 0, so "-0" is refused with it.
  const std::uint32_t magnitude = (signBit << 1) - value;
  return !cell.empty() && cell[0] == '-' && IsDigitsOf<10>(cell.substr(1), magnitude);
}

void AppendHexOfBytes(const TableField& field, const std::uint8_t* record, std::string& shown) {
  AppendHex(FieldValue(field, record), shown);
}

bool IsHexOfBytesIn(std::string_view cell, const TableField& field, const std::uint8_t* record) {
  return !cell.empty() && cell[0] == '$' && IsDigitsOf<16>(cell.substr(1), FieldValue(field, record));
}

}  // namespace

const ShownFromBytes kUnsignedFromBytes{AppendUnsignedOfBytes, IsUnsignedOfBytesIn};
const ShownFromBytes kSignedFromBytes{AppendSignedOfBytes, IsSignedOfBytesIn};
const ShownFromBytes kHexFromBytes{AppendHexOfBytes, IsHexOfBytesIn};
