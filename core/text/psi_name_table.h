#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/rom/rom_layout.h"
#include "core/text/game_text.h"

constexpr std::uint32_t kPsiNameTableRomPosition = 0x158D93;
constexpr std::size_t kPsiNameCount = 16;

struct PsiNameRecord {
  std::uint32_t fileOffset;
  char name[kNameFieldLength + 1];  // the last 0 is never overwritten, so name is always terminated
};

using PsiNameTable = std::array<PsiNameRecord, kPsiNameCount>;

void LoadPsiNames(std::FILE* romFile, const RomLayout& layout, PsiNameTable& names);
// The same from the table's bytes already read, which lie at tableOffset in the file.
void DecodePsiNames(const std::uint8_t* table, std::uint32_t tableOffset, PsiNameTable& names);
// The typed text, cut to 24 characters, into the 25-byte field; false when the write fails.
bool WritePsiName(PsiNameRecord& record, std::FILE* romFile, const std::string& text);
