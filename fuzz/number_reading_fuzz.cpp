// The number boxes: any typed text reads without a fault, a number the readers call one
// reads back the same when shown, and shown numbers read back as themselves.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numbers/read_number.h"
#include "core/numbers/show_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string typed(reinterpret_cast<const char*>(data), size);
  std::uint32_t maximum = 0;
  std::memcpy(&maximum, data, size < sizeof maximum ? size : sizeof maximum);
  const std::int32_t intMaximum = static_cast<std::int32_t>(maximum & 0x7FFFFFFF);

  const std::uint32_t clamped = ReadNumberClamped(typed, maximum);
  // A negative number comes back as its two's complement, which may lie above the maximum.
  if (typed.find('-') == std::string::npos && clamped > maximum) std::abort();
  if (ReadIntClamped(typed, intMaximum) > intMaximum) std::abort();
  const std::uint32_t either = ReadDecOrHex(typed);
  for (const NumberForm form : {NumberForm::Decimal, NumberForm::Integer, NumberForm::DecimalOrHex}) {
    IsNumberText(typed, form);
  }

  if (ReadDecOrHex(ShowHex(either)) != either) std::abort();
  if (ReadNumberClamped(ShowUnsigned(clamped), 0xFFFFFFFF) != clamped) std::abort();
  if (ReadIntClamped(ShowSigned(static_cast<std::int32_t>(either)), 0x7FFFFFFF) != static_cast<std::int32_t>(either)) {
    std::abort();
  }
  if (!IsNumberText(ShowHex(either), NumberForm::DecimalOrHex)) std::abort();
  return 0;
}
