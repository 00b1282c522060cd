#include "core/rom/possession.h"

#include <cstring>

#include "core/rom/rom_session.h"

namespace {

const std::uint8_t kPossessed[4] = {'B', 'o', 'o', '!'};
const std::uint8_t kUnpossessed[4] = {0x14, 0x14, 0x14, 0x14};

std::uint32_t MarkerOffset(const RomLayout& layout) {
  return layout.FileOffset(layout.internalHeader + kPossessionMarkerInHeader);
}

bool WriteMarker(std::FILE* romFile, const RomLayout& layout, const std::uint8_t (&marker)[4]) {
  return WriteRomBytes(romFile, MarkerOffset(layout), marker, sizeof marker) && FlushRom(romFile);
}

}  // namespace

bool IsRomPossessed(std::FILE* romFile, const RomLayout& layout) {
  std::uint8_t marker[4] = {};
  return ReadRomBytes(romFile, MarkerOffset(layout), marker, sizeof marker) &&
         std::memcmp(marker, kPossessed, sizeof marker) == 0;
}

bool PossessRom(std::FILE* romFile, const RomLayout& layout) {
  return WriteMarker(romFile, layout, kPossessed);
}

bool UnpossessRom(std::FILE* romFile, const RomLayout& layout) {
  return WriteMarker(romFile, layout, kUnpossessed);
}
