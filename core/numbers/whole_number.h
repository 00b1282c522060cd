#pragma once

#include <cstdint>
#include <string>

#include "core/numbers/number_range.h"

// A number written whole, as a cell of a spreadsheet holds it: blanks at either end, an
// optional sign, decimal digits, or "$" and hexadecimal digits where the field is an address.
// Past the 64-bit range it holds the nearest 64-bit value, which every field's range refuses.
struct WholeNumber {
  enum class Kind { Number, Fraction, NotNumber } kind;
  std::int64_t value;
  NumberBase base;
  std::string written;  // the cell without its blanks
};

WholeNumber ReadWholeNumber(const std::string& text, bool hexAllowed);

// The problem with a cell for a number field, empty when it holds one in range:
// "abc" is not a number, "1.5" is not a whole number, or the range problem.
std::string WholeNumberProblem(const WholeNumber& number, const NumberRange& range, const std::string& field);
