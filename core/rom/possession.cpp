#include "core/rom/possession.h"

#include <cstring>


namespace {
const std::uint8_t kPossessed[4] = {'B', 'o', 'o', '!'};
const std::uint8_t kUnpossessed[4] = {0x14, 0x14, 0x14, 0x14};
}  // namespace

bool IsRomPossessed(std::FILE* romFile) {
  std::uint8_t marker[4] = {};
  return ReadRomBytes(romFile, kPossessionMarkerOffset, marker, sizeof marker) &&
         std::memcmp(marker, kPossessed, sizeof marker) == 0;
}

bool PossessRom(std::FILE* romFile) {
  return WriteRomBytes(romFile, kPossessionMarkerOffset, kPossessed, sizeof kPossessed) && FlushRom(romFile);
}

bool UnpossessRom(std::FILE* romFile) {
  return WriteRomBytes(romFile, kPossessionMarkerOffset, kUnpossessed, sizeof kUnpossessed) && FlushRom(romFile);
}
