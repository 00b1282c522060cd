#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/text/game_text.h"

constexpr std::uint32_t kPhoneListOffset = 0x157CAE;
constexpr std::size_t kPhoneCount = 5;
constexpr std::uint32_t kPhoneEntrySize = 31;
// Bytes 25 and 26 of an entry are neither read nor written.
constexpr std::uint32_t kPhonePointerField = 27;

constexpr std::uint32_t kAilmentNameOffset = 0x45D70;
constexpr std::size_t kAilmentNameCount = 10;
constexpr std::uint32_t kBattleMenuOffset = 0x4A1E1;
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

void LoadPhoneList(std::FILE* romFile, PhoneListTable& phones);
void LoadAilmentNames(std::FILE* romFile, AilmentNameTable& ailments);
void LoadBattleMenu(std::FILE* romFile, BattleMenuTable& menu);

// Each writes its field and stores it in memory; false when the write fails. Texts are cut
// to 24 characters, then to the field: a 16-character text has no end byte.
bool WritePhoneName(PhoneRecord& record, std::FILE* romFile, const std::string& text);
bool WritePhonePointer(PhoneRecord& record, std::FILE* romFile, std::uint32_t value);
bool WriteAilmentName(ShortTextRecord& record, std::FILE* romFile, const std::string& text);
bool WriteBattleMenuEntry(ShortTextRecord& record, std::FILE* romFile, const std::string& text);
