#include "tests/support/plain_checksum.h"

std::uint16_t PlainChecksum(std::vector<std::uint8_t> romData, std::uint32_t internalHeader) {
  romData.at(internalHeader + 0x1C) = 0xFF;
  romData.at(internalHeader + 0x1D) = 0xFF;
  romData.at(internalHeader + 0x1E) = 0x00;
  romData.at(internalHeader + 0x1F) = 0x00;
  std::size_t mapped = 1;
  while (mapped < romData.size()) mapped *= 2;
  const std::size_t mirrorFrom = mapped / 2;
  const std::size_t dataSize = romData.size();
  romData.reserve(mapped);
  while (romData.size() < mapped) {
    for (std::size_t i = mirrorFrom; i < dataSize && romData.size() < mapped; ++i) romData.push_back(romData[i]);
  }
  unsigned long total = 0;
  for (std::uint8_t byte : romData) total += byte;
  return static_cast<std::uint16_t>(total & 0xFFFF);
}
