#pragma once

#include <cstdint>
#include <string>

// The values a number field can hold, and the message for a number outside them:
// "23302400 is more than 65535, the largest HP". An editor box and an imported cell are
// refused with the same words.
struct NumberRange {
  std::int64_t smallest;
  std::int64_t largest;
};

// The range of an unsigned or a signed field of width bytes (1 to 4).
NumberRange UnsignedRange(unsigned width);
NumberRange SignedRange(unsigned width);

// How the number was written, so the limit is named the same way ("$FFFFFFFF").
enum class NumberBase { Decimal, Hex };

// What is wrong with value for the field; empty when it lies in range. written is the number
// as the user wrote it.
std::string NumberRangeProblem(const std::string& written, std::int64_t value, const NumberRange& range,
                               NumberBase base, const std::string& field);
