#include "core/numbers/show_number.h"
#include "core/tables/field_readers.h"
#include "core/tables/shown_from_bytes.h"
#include "core/tables/table_fields.h"

// The PSI name, teleport and misc. text editors' tables.

namespace {

template <auto kTable>
void Name(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendGameText((tables.*kTable)[record].name, kNameFieldLength, shown);
}

template <auto kTable>
void ShortText(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendGameText((tables.*kTable)[record].text, kShortTextFieldLength, shown);
}

// Coordinates show unsigned, as the teleport editor shows them.
template <auto kMember>
void Coordinate(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendUnsigned(static_cast<std::uint32_t>(tables.teleportTable[record].*kMember), shown);
}

void Pointer(const GameTables& tables, std::size_t record, std::string& shown) {
  AppendHex(tables.phoneListTable[record].pointer, shown);
}

KnownTable ShortTextTable(const char* name, std::uint32_t romPosition, std::size_t count, DecodeTable decode,
                          ShowField text) {
  return {name, romPosition, kShortTextFieldLength, count, 0, decode, text,
          {{"Name", 0, kShortTextFieldLength, kAllBits, text, ReadTextField}}};
}

}  // namespace

const KnownTable& PsiNameTableFields() {
  static const KnownTable table = {
      "psi-name",
      kPsiNameTableRomPosition,
      kNameFieldLength,
      kPsiNameCount,
      0,
      [](const std::uint8_t* bytes, GameTables& tables) {
        DecodePsiNames(bytes, kPsiNameTableRomPosition, tables.psiNameTable);
      },
      Name<&GameTables::psiNameTable>,
      {{"Name", 0, kNameFieldLength, kAllBits, Name<&GameTables::psiNameTable>, ReadTextField}}};
  return table;
}

// The teleport editor numbers its rows from 1.
const KnownTable& TeleportTableFields() {
  static const KnownTable table = {
      "teleport",
      kTeleportTableRomPosition,
      kTeleportEntrySize,
      kTeleportCount,
      1,
      [](const std::uint8_t* bytes, GameTables& tables) {
        DecodeTeleports(bytes, kTeleportTableRomPosition, tables.teleportTable);
      },
      Name<&GameTables::teleportTable>,
      {{"Name", 0, kNameFieldLength, kAllBits, Name<&GameTables::teleportTable>, ReadTextField},
       {"X", kTeleportXField, 2, kAllBits, Coordinate<&TeleportRecord::x>, ReadUnsignedField, {},
        &kUnsignedFromBytes},
       {"Y", kTeleportYField, 2, kAllBits, Coordinate<&TeleportRecord::y>, ReadUnsignedField, {},
        &kUnsignedFromBytes}}};
  return table;
}

const KnownTable& PhoneListTableFields() {
  static const KnownTable table = {
      "phone",
      kPhoneListRomPosition,
      kPhoneEntrySize,
      kPhoneCount,
      0,
      [](const std::uint8_t* bytes, GameTables& tables) {
        DecodePhoneList(bytes, kPhoneListRomPosition, tables.phoneListTable);
      },
      Name<&GameTables::phoneListTable>,
      {{"Name", 0, kNameFieldLength, kAllBits, Name<&GameTables::phoneListTable>, ReadTextField},
       {"Pointer", kPhonePointerField, 4, kAllBits, Pointer, ReadAddressField, {}, &kHexFromBytes}}};
  return table;
}

const KnownTable& AilmentTableFields() {
  static const KnownTable table = ShortTextTable(
      "ailment", kAilmentNameRomPosition, kAilmentNameCount,
      [](const std::uint8_t* bytes, GameTables& tables) {
        DecodeAilmentNames(bytes, kAilmentNameRomPosition, tables.ailmentNameTable);
      },
      ShortText<&GameTables::ailmentNameTable>);
  return table;
}

const KnownTable& BattleMenuTableFields() {
  static const KnownTable table = ShortTextTable(
      "battle-menu", kBattleMenuRomPosition, kBattleMenuCount,
      [](const std::uint8_t* bytes, GameTables& tables) {
        DecodeBattleMenu(bytes, kBattleMenuRomPosition, tables.battleMenuTable);
      },
      ShortText<&GameTables::battleMenuTable>);
  return table;
}
