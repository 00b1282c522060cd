#include "core/csv/csv_tables.h"

namespace {

struct CsvTable {
  const char* name;
  const KnownTable& (*fields)();
};

const CsvTable kCsvTables[] = {{"enemies", EnemyTableFields},   {"items", ItemTableFields},
                               {"psi-names", PsiNameTableFields}, {"teleports", TeleportTableFields},
                               {"phone", PhoneListTableFields},  {"ailments", AilmentTableFields},
                               {"battle-menu", BattleMenuTableFields}};

}  // namespace

const KnownTable* CsvTableNamed(const std::string& name) {
  for (const CsvTable& table : kCsvTables) {
    if (name == table.name) return &table.fields();
  }
  return nullptr;
}

std::string CsvTableNames() {
  std::string names;
  for (const CsvTable& table : kCsvTables) names += (names.empty() ? "" : "|") + std::string(table.name);
  return names;
}

std::vector<const KnownTable*> CsvTables() {
  std::vector<const KnownTable*> tables;
  for (const CsvTable& table : kCsvTables) tables.push_back(&table.fields());
  return tables;
}
