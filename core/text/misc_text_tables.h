#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/rom/rom_layout.h"
#include "core/text/game_text.h"

constexpr std::uint32_t kPhoneListRomPosition = 0x157AAE;
constexpr std::size_t kPhoneCount = 5;
constexpr std::uint32_t kPhoneEntrySize = 31;
// Bytes 25 and 26 of an entry are neither read nor written.
constexpr std::uint32_t kPhonePointerField = 27;

constexpr std::uint32_t kAilmentNameRomPosition = 0x45B70;
constexpr std::size_t kAilmentNameCount = 10;
constexpr std::uint32_t kBattleMenuRomPosition = 0x49FE1;
constexpr std::size_t kBattleMenuCount = 11;

struct PhoneRecord {
  std::uint32_t fileOffset;
  char name[kNameFieldLength + 1];  // the last 0 is never overwritten, so name is always terminated
  std::uint32_t pointer;            // a plain number: never checked or converted
};

// A 16-byte text with no room for a terminator: use GameText(text, kShortTextFieldLength).
struct ShortTextRecord {
  std::uint32_t fileOffset;
  char text[kShortTextFieldLength];
};

using PhoneListTable = std::array<PhoneRecord, kPhoneCount>;
using AilmentNameTable = std::array<ShortTextRecord, kAilmentNameCount>;
using BattleMenuTable = std::array<ShortTextRecord, kBattleMenuCount>;

void LoadPhoneList(std::FILE* romFile, const RomLayout& layout, PhoneListTable& phones);
void LoadAilmentNames(std::FILE* romFile, const RomLayout& layout, AilmentNameTable& ailments);
void LoadBattleMenu(std::FILE* romFile, const RomLayout& layout, BattleMenuTable& menu);
// The same from a table's bytes already read, which lie at tableOffset in the file.
void DecodePhoneList(const std::uint8_t* table, std::uint32_t tableOffset, PhoneListTable& phones);
void DecodeAilmentNames(const std::uint8_t* table, std::uint32_t tableOffset, AilmentNameTable& ailments);
void DecodeBattleMenu(const std::uint8_t* table, std::uint32_t tableOffset, BattleMenuTable& menu);

// Each writes its field and stores it in memory; false when the write fails. Texts are cut
// to 24 characters, then to the field: a 16-character text has no end byte.
bool WritePhoneName(PhoneRecord& record, std::FILE* romFile, const std::string& text);
bool WritePhonePointer(PhoneRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteAilmentName(ShortTextRecord& record, std::FILE* romFile, const std::string& text);
bool WriteBattleMenuEntry(ShortTextRecord& record, std::FILE* romFile, const std::string& text);
