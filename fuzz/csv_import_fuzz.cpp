// Importing any CSV into any table: it reads without a fault, lists at most the problems it
// may, leaves every byte when it refuses, lists a change exactly when a byte differs, and
// importing the same file again into its own result changes nothing more.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/csv/csv_tables.h"
#include "core/csv/table_import.h"
#include "core/tables/game_tables.h"
#include "core/tables/table_fields.h"

namespace {

// Every table export and import take, in the order their names are listed.
const std::vector<const KnownTable*>& Tables() {
  static const std::vector<const KnownTable*> tables = CsvTables();
  return tables;
}

// ROM data of random bytes, so every field holds values of every kind; made once.
const std::vector<std::uint8_t>& RomData() {
  static const std::vector<std::uint8_t> rom = [] {
    std::vector<std::uint8_t> bytes(3 << 20);
    std::minstd_rand random(20261211);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random() >> 8);
    return bytes;
  }();
  return rom;
}

const GameTables& RomTables() {
  static const GameTables tables = [] {
    GameTables decoded;
    DecodeGameTables(RomData(), decoded);
    return decoded;
  }();
  return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const KnownTable& table = *Tables()[data[0] % Tables().size()];
  const std::string csv(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::vector<std::uint8_t> stored = RomDataRegion(RomData(), table.romPosition, table.Size());

  const TableImport import = ReadTableImport(table, RomTables(), stored, csv);
  if (import.problems.size() > kImportProblemsListed) std::abort();
  if (import.before != stored || import.after.size() != stored.size()) std::abort();
  if (!import.problems.empty()) return 0;
  if ((import.after == stored) != import.changes.empty()) std::abort();

  GameTables imported = RomTables();
  table.decode(import.after.data(), imported);
  const TableImport again = ReadTableImport(table, imported, import.after, csv);
  if (!again.problems.empty() || again.after != import.after) std::abort();
  return 0;
}
