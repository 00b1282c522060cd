#include <algorithm>

#include "core/tables/table_fields.h"

const std::vector<KnownTable>& KnownTables() {
  static const std::vector<KnownTable> tables = {EnemyTableFields(),    ItemTableFields(),     PsiNameTableFields(),
                                                 TeleportTableFields(), PhoneListTableFields(), AilmentTableFields(),
                                                 BattleMenuTableFields()};
  return tables;
}

std::vector<std::uint8_t> RomDataRegion(ByteSpan romData, std::uint32_t romPosition, std::size_t count) {
  std::vector<std::uint8_t> bytes(count, 0xFF);
  const ByteSpan from = romData.From(romPosition);
  std::copy_n(from.data, std::min(count, from.size), bytes.begin());
  return bytes;
}

void DecodeGameTables(ByteSpan romData, GameTables& tables) {
  for (const KnownTable& table : KnownTables()) {
    table.decode(RomDataRegion(romData, table.romPosition, table.Size()).data(), tables);
  }
}

std::string Shown(ShowField show, const GameTables& tables, std::size_t record) {
  std::string shown;
  show(tables, record, shown);
  return shown;
}
