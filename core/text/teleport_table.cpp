#include "core/text/teleport_table.h"

#include "core/rom/rom_region.h"
#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

void LoadTeleports(std::FILE* romFile, const RomLayout& layout, TeleportTable& teleports) {
  const std::uint32_t tableOffset = layout.FileOffset(kTeleportTableRomPosition);
  DecodeTeleports(ReadRomRegion(romFile, tableOffset, kTeleportCount * kTeleportEntrySize).data(), tableOffset,
                  teleports);
}

void DecodeTeleports(const std::uint8_t* table, std::uint32_t tableOffset, TeleportTable& teleports) {
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    const std::uint8_t* entry = table + i * kTeleportEntrySize;
    TeleportRecord& record = teleports[i];
    record.fileOffset = tableOffset + static_cast<std::uint32_t>(i) * kTeleportEntrySize;
    DecodeGameText(entry, kNameFieldLength, record.name);
    record.name[kNameFieldLength] = '\0';
    record.x = static_cast<std::int32_t>(LittleEndianValue(entry + kTeleportXField, 2));
    record.y = static_cast<std::int32_t>(LittleEndianValue(entry + kTeleportYField, 2));
  }
}

bool WriteTeleportName(TeleportRecord& record, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, record.fileOffset, kNameFieldLength, EditText(text), record.name);
}

bool WriteTeleportX(TeleportRecord& record, std::FILE* romFile, std::int32_t value) {
  record.x = value;
  return WriteRomValue(romFile, record.fileOffset + kTeleportXField, static_cast<std::uint32_t>(value), 2);
}

bool WriteTeleportY(TeleportRecord& record, std::FILE* romFile, std::int32_t value) {
  record.y = value;
  return WriteRomValue(romFile, record.fileOffset + kTeleportYField, static_cast<std::uint32_t>(value), 2);
}
