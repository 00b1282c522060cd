#pragma once

#include <string>
#include <vector>

#include "core/numbers/read_number.h"

// A number box as an Apply is about to read it: the field's name, the typed text and how
// the box reads it.
struct NumberBox {
  std::string field;
  const std::string& text;
  NumberForm form;
};

// The "Warning" for the first box whose text is not a number, naming the field and its text
// (Money: "1,000" is not a number.); empty when every box holds a number.
std::string FirstNonNumberMessage(const std::vector<NumberBox>& boxes);
