#include "core/numbers/number_range.h"

#include "core/numbers/show_number.h"

namespace {

std::string Limit(std::int64_t limit, NumberBase base) {
  return base == NumberBase::Hex && limit >= 0 ? ShowHex(static_cast<std::uint32_t>(limit)) : std::to_string(limit);
}

}  // namespace

NumberRange UnsignedRange(unsigned width) {
  return {0, (std::int64_t{1} << (8 * width)) - 1};
}

NumberRange SignedRange(unsigned width) {
  const std::int64_t half = std::int64_t{1} << (8 * width - 1);
  return {-half, half - 1};
}

std::string NumberRangeProblem(const std::string& written, std::int64_t value, const NumberRange& range,
                               NumberBase base, const std::string& field) {
  if (value > range.largest) return written + " is more than " + Limit(range.largest, base) + ", the largest " + field;
  if (value < range.smallest) {
    return written + " is less than " + Limit(range.smallest, base) + ", the smallest " + field;
  }
  return "";
}
