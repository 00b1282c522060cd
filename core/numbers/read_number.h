#pragma once

#include <cstdint>
#include <string>

// The readings of the editors' number boxes. Each looks at the first 24 characters of the
// typed text only, and text without a number reads as 0.

// A decimal number, fraction and exponent allowed ("0x10" and "inf" are no numbers and read
// as 0); above maximum gives maximum, anything else is truncated toward zero. Negative
// numbers are not raised: they come back as their 32-bit two's complement, so the writer
// stores their low bytes.
std::uint32_t ReadNumberClamped(const std::string& text, std::uint32_t maximum);

// A decimal integer with an optional sign; above maximum gives maximum.
std::int32_t ReadIntClamped(const std::string& text, std::int32_t maximum);

// "$" and hexadecimal, otherwise decimal, blanks before either aside; no cap. A number past
// 32 bits, or a negative decimal one below the signed 32-bit range, reads as 0xFFFFFFFF; a
// minus sign gives the two's complement.
std::uint32_t ReadDecOrHex(const std::string& text);

// How a box reads its text, for telling whether the text is a number at all.
enum class NumberForm {
  Decimal,       // ReadNumberClamped: digits with an optional sign, fraction and exponent
  Integer,       // ReadIntClamped: digits with an optional sign
  DecimalOrHex,  // ReadDecOrHex: "$" and hexadecimal digits, or a decimal integer
};

// Whether the text (its first 24 characters, as the readers see them), blanks at either end
// aside, is wholly a number of the form. An empty box reads as 0 and counts as one.
bool IsNumberText(const std::string& text, NumberForm form);

// The text as the readers see it: its first 24 characters, blanks at either end aside.
std::string TypedNumberText(const std::string& text);

// The whole number a text of the form stands for (IsNumberText holds), uncapped and with any
// fraction dropped; 0 for an empty box. Past the range of long double it is infinite.
long double TypedNumberValue(const std::string& text, NumberForm form);
