#include "tests/support/ips_applier.h"

#include <cstring>

bool ApplyIpsPatch(const std::vector<std::uint8_t>& patch, std::vector<std::uint8_t>& image) {
  if (patch.size() < 5 || std::memcmp(patch.data(), "PATCH", 5) != 0) return false;
  std::size_t at = 5;
  for (;;) {
    if (patch.size() - at < 3) return false;
    if (std::memcmp(patch.data() + at, "EOF", 3) == 0) return at + 3 == patch.size();
    if (patch.size() - at < 5) return false;
    const std::size_t offset = (patch[at] << 16) | (patch[at + 1] << 8) | patch[at + 2];
    const std::size_t size = (patch[at + 3] << 8) | patch[at + 4];
    at += 5;
    if (size == 0 || patch.size() - at < size) return false;
    if (image.size() < offset + size) image.resize(offset + size);
    std::memcpy(image.data() + offset, patch.data() + at, size);
    at += size;
  }
}
