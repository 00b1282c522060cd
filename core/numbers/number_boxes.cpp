#include "core/numbers/number_boxes.h"

#include "core/text/edit_text.h"

std::string FirstNonNumberMessage(const std::vector<NumberBox>& boxes) {
  for (const NumberBox& box : boxes) {
    if (!IsNumberText(box.text, box.form)) {
      return box.field + ": \"" + EditText(box.text) + "\" is not a number.";
    }
  }
  return "";
}
