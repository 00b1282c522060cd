#include "core/ips/ips_percentage.h"

std::int32_t IpsPercentage(std::int32_t bytesDone, std::int32_t totalBytes) {
  if (totalBytes == 0) return 0;
  // Wide enough for any count, though counts up to 16 MiB already fit in 32 bits.
  return static_cast<std::int32_t>(std::int64_t{bytesDone} * 100 / totalBytes);
}
