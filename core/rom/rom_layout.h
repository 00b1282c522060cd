#pragma once

#include <cstdint>
#include <cstdio>

// The 512 bytes an old copier put before the ROM data. Images dumped today have none.
constexpr std::uint32_t kCopierHeaderSize = 512;

// ROM positions of the internal header (title, possession marker, checksum): every image
// has one at kInternalHeader; an expanded "ExHiROM" image uses the one at
// kExpandedInternalHeader.
constexpr std::uint32_t kInternalHeader = 0xFFC0;
constexpr std::uint32_t kExpandedInternalHeader = 0x40FFC0;

// Where an image keeps its ROM data. Decided once when the image is opened; every ROM
// position becomes a file position through FileOffset.
struct RomLayout {
  std::uint32_t headerSize = kCopierHeaderSize;  // 0 or kCopierHeaderSize
  std::uint32_t internalHeader = kInternalHeader;

  std::uint32_t FileOffset(std::uint32_t romPosition) const { return headerSize + romPosition; }
  bool operator==(const RomLayout& other) const {
    return headerSize == other.headerSize && internalHeader == other.internalHeader;
  }
};

constexpr RomLayout kHeaderedLayout{kCopierHeaderSize, kInternalHeader};
constexpr RomLayout kHeaderlessLayout{0, kInternalHeader};

// Decides the layout of an open image, first rule that holds:
// 1. the title at ROM position 0xFFC0 behind a copier header names the game: headered;
// 2. the title at 0xFFC0 from the first byte names the game: no header;
// 3. in an image with at least 0x410000 bytes of ROM data, the same two tests at 0x40FFC0;
// 4. by size: a multiple of 32 KiB has no header, any other size has one.
// When rule 1 or 2 holds in an image expanded that far and the title at 0x40FFC0 also names
// the game, that internal header is the one the console reads, so it is the one used.
RomLayout DecideRomLayout(std::FILE* image);
