#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/io/file_identity.h"
#include "core/rom/rom_layout.h"
#include "core/rom/write_journal.h"

enum class RomKind : std::int32_t {
  NoRom = -1,
  UnrecognizedRom = 0,
  EarthBoundRom = 1,
  Mother2Rom = 2,
};

// The one open image: opened "r+b" by LoadRom, closed by CloseRom. Its journal and whether
// its backup is made belong to this load only.
struct RomSession {
  std::FILE* romFile = nullptr;
  std::uint8_t romLoaded = 0;
  RomKind romKind = RomKind::NoRom;
  std::int64_t romSize = 0;
  RomLayout romLayout;
  std::string romPath;
  WriteJournal journal;
  bool backedUp = false;
  std::string backupPath;  // the copy made before this load's first write; empty before it
  // Which file was loaded, and each of its bytes as the program last read or wrote it, so a
  // write can tell that another program changed or replaced the image since.
  FileIdentity identity;
  std::vector<std::uint8_t> knownBytes;
};

// The title is the first 21 bytes of the internal header; its first 15 tell the kind.
constexpr std::uint32_t kRomTitleLength = 21;
constexpr std::uint32_t kRomTitleCompareLength = 15;

// The kind the title at that file offset names.
RomKind TitleKindAt(std::FILE* image, std::uint32_t fileOffset);
// The kind the title of the layout's internal header names.
RomKind IdentifyRom(std::FILE* image, const RomLayout& layout);
std::int64_t GetRomSize(std::FILE* image);
// No SNES image is larger; a larger file is never opened as one.
constexpr std::int64_t kMaximumRomSize = 16 * 1024 * 1024;

// Positions the stream and reads one byte; past the end it yields the low byte of EOF (0xFF).
std::uint8_t ReadRomByte(std::FILE* image, std::uint32_t offset);
// Reads count bytes at offset into out; false when the file ends before them.
bool ReadRomBytes(std::FILE* image, std::uint32_t offset, std::uint8_t* out, std::size_t count);

// Positions the stream, flushes, then writes the bytes; false when any step fails. Inside an
// image action (image_action.h) the write is held until the action ends.
bool WriteRomBytes(std::FILE* image, std::uint32_t offset, const std::uint8_t* bytes, std::size_t count);
// Writes value little-endian in width bytes (1 to 4).
bool WriteRomValue(std::FILE* image, std::uint32_t offset, std::uint32_t value, unsigned width);
// Pushes buffered writes to the file, so an Apply is on disk when it returns.
bool FlushRom(std::FILE* image);

// Notes which file the session's open image is and reads it whole; false when it cannot be
// read.
bool RememberLoadedImage(RomSession& session);

void CloseRom(RomSession& session);
