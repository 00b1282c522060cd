#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/rom/rom_session.h"

// A synthetic image: 3 MiB of cartridge behind the copier header, zero-filled, with
// chosen bytes at real offsets. Never real game data.
class FixtureImage {
 public:
  static constexpr std::size_t kFullSize = 3 * 1024 * 1024 + kCopierHeaderSize;

  explicit FixtureImage(std::size_t size = kFullSize);
  // Writes title into the 21-byte cartridge title (the first 15 bytes decide the kind).
  FixtureImage& SetTitle(const std::string& title);
  FixtureImage& SetKind(RomKind kind);
  FixtureImage& Put(std::uint32_t offset, const std::vector<std::uint8_t>& bytes);
  FixtureImage& PutByte(std::uint32_t offset, std::uint8_t value);
  // Stores value little-endian in width bytes.
  FixtureImage& PutValue(std::uint32_t offset, std::uint32_t value, unsigned width);
  // Stores text in the game's encoding, padded with zeros to length.
  FixtureImage& PutGameText(std::uint32_t offset, const std::string& text, std::size_t length);

  void WriteTo(const std::string& path) const;

  std::vector<std::uint8_t> bytes;
};

// A fresh path in a per-process temporary folder; the folder is removed at exit.
std::string TempPath(const std::string& name);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path);
