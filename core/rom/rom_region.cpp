#include "core/rom/rom_region.h"

std::vector<std::uint8_t> ReadRomRegion(std::FILE* romFile, std::uint32_t offset, std::size_t count) {
  std::vector<std::uint8_t> bytes(count, 0xFF);
  if (std::fseek(romFile, static_cast<long>(offset), SEEK_SET) == 0) std::fread(bytes.data(), 1, count, romFile);
  return bytes;
}
