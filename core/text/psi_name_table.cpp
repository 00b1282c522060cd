#include "core/text/psi_name_table.h"

#include "core/rom/rom_region.h"
#include "core/text/edit_text.h"

void LoadPsiNames(std::FILE* romFile, const RomLayout& layout, PsiNameTable& names) {
  const std::uint32_t tableOffset = layout.FileOffset(kPsiNameTableRomPosition);
  DecodePsiNames(ReadRomRegion(romFile, tableOffset, kPsiNameCount * kNameFieldLength).data(), tableOffset, names);
}

void DecodePsiNames(const std::uint8_t* table, std::uint32_t tableOffset, PsiNameTable& names) {
  for (std::size_t i = 0; i < kPsiNameCount; ++i) {
    PsiNameRecord& record = names[i];
    record.fileOffset = tableOffset + static_cast<std::uint32_t>(i * kNameFieldLength);
    DecodeGameText(table + i * kNameFieldLength, kNameFieldLength, record.name);
    record.name[kNameFieldLength] = '\0';
  }
}

bool WritePsiName(PsiNameRecord& record, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, record.fileOffset, kNameFieldLength, EditText(text), record.name);
}
