#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/rom/rom_session.h"

// The file offset of a ROM position in a headered image, where most tests work.
constexpr std::uint32_t Headered(std::uint32_t romPosition) {
  return kCopierHeaderSize + romPosition;
}

// A synthetic image: 3 MiB of ROM data, behind a copier header unless the layout has none,
// zero-filled, with chosen bytes at real offsets. Never real game data. Offsets given to
// Put are file offsets; FileOffset turns a ROM position into one.
class FixtureImage {
 public:
  static constexpr std::size_t kRomDataSize = 3 * 1024 * 1024;
  static constexpr std::size_t kFullSize = kRomDataSize + kCopierHeaderSize;

  explicit FixtureImage(std::size_t size = kFullSize, RomLayout imageLayout = kHeaderedLayout);
  // The full-size image of that layout.
  static FixtureImage OfLayout(const RomLayout& imageLayout);
  std::uint32_t FileOffset(std::uint32_t romPosition) const { return layout.FileOffset(romPosition); }
  // The same ROM data without a copier header.
  FixtureImage HeaderlessTwin() const;
  // Writes title into the 21-byte title of the layout's internal header (the first 15 bytes
  // decide the kind).
  FixtureImage& SetTitle(const std::string& title);
  FixtureImage& SetKind(RomKind kind);
  FixtureImage& Put(std::uint32_t offset, const std::vector<std::uint8_t>& bytes);
  FixtureImage& PutByte(std::uint32_t offset, std::uint8_t value);
  // Stores value little-endian in width bytes.
  FixtureImage& PutValue(std::uint32_t offset, std::uint32_t value, unsigned width);
  // Stores text in the game's encoding, padded with zeros to length.
  FixtureImage& PutGameText(std::uint32_t offset, const std::string& text, std::size_t length);

  void WriteTo(const std::string& path) const;
  // Writes the image followed by zeros up to size, without storing them: a file of
  // gigabytes costs nothing.
  void WriteTo(const std::string& path, std::uint64_t size) const;

  RomLayout layout;
  std::vector<std::uint8_t> bytes;
};

// A fresh path in a per-process temporary folder; the folder is removed at exit.
std::string TempPath(const std::string& name);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string ReadFileText(const std::string& path);
