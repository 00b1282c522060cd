#include "core/text/misc_text_tables.h"

#include "core/rom/rom_region.h"
#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

namespace {

template <std::size_t kCount>
void DecodeShortTexts(const std::uint8_t* table, std::uint32_t offset, std::array<ShortTextRecord, kCount>& records) {
  for (std::size_t i = 0; i < kCount; ++i) {
    records[i].fileOffset = offset + static_cast<std::uint32_t>(i * kShortTextFieldLength);
    DecodeGameText(table + i * kShortTextFieldLength, kShortTextFieldLength, records[i].text);
  }
}

template <std::size_t kCount>
void LoadShortTexts(std::FILE* romFile, std::uint32_t offset, std::array<ShortTextRecord, kCount>& records) {
  DecodeShortTexts(ReadRomRegion(romFile, offset, kCount * kShortTextFieldLength).data(), offset, records);
}

bool WriteShortText(ShortTextRecord& record, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, record.fileOffset, kShortTextFieldLength, EditText(text), record.text);
}

}  // namespace

void LoadPhoneList(std::FILE* romFile, const RomLayout& layout, PhoneListTable& phones) {
  const std::uint32_t tableOffset = layout.FileOffset(kPhoneListRomPosition);
  DecodePhoneList(ReadRomRegion(romFile, tableOffset, kPhoneCount * kPhoneEntrySize).data(), tableOffset, phones);
}

void DecodePhoneList(const std::uint8_t* table, std::uint32_t tableOffset, PhoneListTable& phones) {
  for (std::size_t i = 0; i < kPhoneCount; ++i) {
    const std::uint8_t* entry = table + i * kPhoneEntrySize;
    PhoneRecord& record = phones[i];
    record.fileOffset = tableOffset + static_cast<std::uint32_t>(i) * kPhoneEntrySize;
    DecodeGameText(entry, kNameFieldLength, record.name);
    record.name[kNameFieldLength] = '\0';
    record.pointer = LittleEndianValue(entry + kPhonePointerField, 4);
  }
}

void LoadAilmentNames(std::FILE* romFile, const RomLayout& layout, AilmentNameTable& ailments) {
  LoadShortTexts(romFile, layout.FileOffset(kAilmentNameRomPosition), ailments);
}

void LoadBattleMenu(std::FILE* romFile, const RomLayout& layout, BattleMenuTable& menu) {
  LoadShortTexts(romFile, layout.FileOffset(kBattleMenuRomPosition), menu);
}

void DecodeAilmentNames(const std::uint8_t* table, std::uint32_t tableOffset, AilmentNameTable& ailments) {
  DecodeShortTexts(table, tableOffset, ailments);
}

void DecodeBattleMenu(const std::uint8_t* table, std::uint32_t tableOffset, BattleMenuTable& menu) {
  DecodeShortTexts(table, tableOffset, menu);
}

bool WritePhoneName(PhoneRecord& record, std::FILE* romFile, const std::string& text) {
  return EncodeGameText(romFile, record.fileOffset, kNameFieldLength, EditText(text), record.name);
}

bool WritePhonePointer(PhoneRecord& record, std::FILE* romFile, std::uint32_t value) {
  record.pointer = value;
  return WriteRomValue(romFile, record.fileOffset + kPhonePointerField, value, 4);
}

bool WriteAilmentName(ShortTextRecord& record, std::FILE* romFile, const std::string& text) {
  return WriteShortText(record, romFile, text);
}

bool WriteBattleMenuEntry(ShortTextRecord& record, std::FILE* romFile, const std::string& text) {
  return WriteShortText(record, romFile, text);
}
