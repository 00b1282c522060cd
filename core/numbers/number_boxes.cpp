#include "core/numbers/number_boxes.h"

#include <cstdint>
#include <limits>

#include "core/text/edit_text.h"

namespace {

// The typed value held in 64 bits; past them the nearest, which every field's range refuses.
std::int64_t Whole(long double value) {
  constexpr auto kLargest = std::numeric_limits<std::int64_t>::max();
  constexpr auto kSmallest = std::numeric_limits<std::int64_t>::min();
  if (value >= static_cast<long double>(kLargest)) return kLargest;
  if (value <= static_cast<long double>(kSmallest)) return kSmallest;
  return static_cast<std::int64_t>(value);
}

}  // namespace

std::string OutOfRangeMessage(const std::string& field, const std::string& text, NumberForm form, NumberRange range) {
  const std::string typed = TypedNumberText(text);
  const NumberBase base = !typed.empty() && typed[0] == '$' ? NumberBase::Hex : NumberBase::Decimal;
  const std::string problem = NumberRangeProblem(typed, Whole(TypedNumberValue(text, form)), range, base, field);
  return problem.empty() ? "" : field + ": " + problem + ".";
}

std::string NumberBoxesProblem(const std::vector<NumberBox>& boxes) {
  for (const NumberBox& box : boxes) {
    if (!IsNumberText(box.text, box.form)) {
      return box.field + ": \"" + EditText(box.text) + "\" is not a number.";
    }
    std::string outOfRange = OutOfRangeMessage(box.field, box.text, box.form, box.range);
    if (!outOfRange.empty()) return outOfRange;
  }
  return "";
}
