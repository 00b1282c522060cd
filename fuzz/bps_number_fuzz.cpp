// BPS numbers: whatever the bytes, reading stops inside them, and a number read is written
// back as the very bytes it was read from, in as many as it is measured to take.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/patch/bps_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t* const end = data + size;
  for (const std::uint8_t* at = data; at != end;) {
    const std::uint8_t* const start = at;
    std::uint64_t number;
    if (!ReadBpsNumber(at, end, number)) {
      if (ReadLongBpsNumber(start, end).next) std::abort();
      break;
    }
    if (at <= start || at > end) std::abort();
    std::vector<std::uint8_t> written;
    PutBpsNumber(written, number);
    if (written.size() != BpsNumberSize(number) || written != std::vector<std::uint8_t>(start, at)) std::abort();
  }
  return 0;
}
