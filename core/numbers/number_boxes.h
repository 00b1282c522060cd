#pragma once

#include <string>
#include <vector>

#include "core/numbers/number_range.h"
#include "core/numbers/read_number.h"

// A number box as an Apply is about to read it: the field's name, the typed text, how the
// box reads it and the values its field holds.
struct NumberBox {
  std::string field;
  const std::string& text;
  NumberForm form;
  NumberRange range;
};

// For a number text of the form (IsNumberText holds) whose value lies outside range:
// "HP: 23302400 is more than 65535, the largest HP." or "HP: -1 is less than 0, the smallest
// HP."; a number typed in "$" hexadecimal gets its bounds in hexadecimal too. Empty when the
// value lies within range.
std::string OutOfRangeMessage(const std::string& field, const std::string& text, NumberForm form, NumberRange range);

// The "Warning" for the first box that cannot be applied: its text is not a number, naming
// the field and its text (Money: "1,000" is not a number.), or its number lies outside the
// field's range (OutOfRangeMessage). Empty when every box can be applied.
std::string NumberBoxesProblem(const std::vector<NumberBox>& boxes);
