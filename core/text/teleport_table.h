#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/rom/rom_layout.h"
#include "core/text/game_text.h"

constexpr std::uint32_t kTeleportTableRomPosition = 0x15789F;
constexpr std::size_t kTeleportCount = 16;
constexpr std::uint32_t kTeleportEntrySize = 31;
// Bytes 25 and 26 of an entry are neither read nor written.
constexpr std::uint32_t kTeleportXField = 27;
constexpr std::uint32_t kTeleportYField = 29;

struct TeleportRecord {
  std::uint32_t fileOffset;
  char name[kNameFieldLength + 1];  // the last 0 is never overwritten, so name is always terminated
  // 0 to 65535 after a load; after a write, the whole value written, of which the image keeps 16 bits.
  std::int32_t x;
  std::int32_t y;
};

using TeleportTable = std::array<TeleportRecord, kTeleportCount>;

void LoadTeleports(std::FILE* romFile, const RomLayout& layout, TeleportTable& teleports);
// The same from the table's bytes already read, which lie at tableOffset in the file.
void DecodeTeleports(const std::uint8_t* table, std::uint32_t tableOffset, TeleportTable& teleports);
// Each writes its field and stores it in memory; false when the write fails.
bool WriteTeleportName(TeleportRecord& record, std::FILE* romFile, const std::string& text);
bool WriteTeleportX(TeleportRecord& record, std::FILE* romFile, std::int32_t value);
bool WriteTeleportY(TeleportRecord& record, std::FILE* romFile, std::int32_t value);
