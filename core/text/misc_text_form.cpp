#include "core/text/misc_text_form.h"

#include "core/numbers/number_boxes.h"
#include "core/numbers/read_number.h"
#include "core/numbers/show_number.h"
#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

namespace {

bool IsEntry(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

std::string ShortText(const ShortTextRecord& record) {
  return GameText(record.text, kShortTextFieldLength);
}

}  // namespace

std::vector<std::string> PhoneListEntries(const PhoneListTable& phones) {
  std::vector<std::string> entries;
  for (const PhoneRecord& phone : phones) entries.push_back(GameText(phone.name, kNameFieldLength));
  return entries;
}

std::vector<std::string> ShortTextEntries(const ShortTextRecord* records, std::size_t count) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < count; ++i) entries.push_back(ShortText(records[i]));
  return entries;
}

MiscTextBoxes MiscTextBoxTexts(const MiscTextTables& tables, const MiscTextSelection& selected) {
  MiscTextBoxes boxes;
  if (IsEntry(selected.phone, kPhoneCount)) {
    const PhoneRecord& phone = tables.phones[selected.phone];
    boxes.phoneName = GameText(phone.name, kNameFieldLength);
    boxes.phonePointer = ShowHex(phone.pointer);
  }
  if (IsEntry(selected.ailment, kAilmentNameCount)) boxes.ailmentName = ShortText(tables.ailments[selected.ailment]);
  if (IsEntry(selected.battleMenu, kBattleMenuCount)) {
    boxes.battleMenuEntry = ShortText(tables.battleMenu[selected.battleMenu]);
  }
  return boxes;
}

std::string MiscTextBoxesProblem(const MiscTextBoxes& typed) {
  return NumberBoxesProblem({{"Pointer", typed.phonePointer, NumberForm::DecimalOrHex, UnsignedRange(4)}});
}

bool ApplyMiscTextBoxes(std::FILE* romFile, const MiscTextTables& tables, const MiscTextSelection& selected,
                        const MiscTextBoxes& typed) {
  bool written = true;
  if (IsEntry(selected.phone, kPhoneCount)) {
    PhoneRecord& phone = tables.phones[selected.phone];
    if (!IsShownName(typed.phoneName, phone.name)) written &= WritePhoneName(phone, romFile, typed.phoneName);
    written &= WritePhonePointer(phone, romFile, ReadDecOrHex(typed.phonePointer));
  }
  if (IsEntry(selected.ailment, kAilmentNameCount)) {
    written &= WriteAilmentName(tables.ailments[selected.ailment], romFile, typed.ailmentName);
  }
  if (IsEntry(selected.battleMenu, kBattleMenuCount)) {
    written &= WriteBattleMenuEntry(tables.battleMenu[selected.battleMenu], romFile, typed.battleMenuEntry);
  }
  return FlushRom(romFile) && written;
}
