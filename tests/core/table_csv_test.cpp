#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/compare/change_texts.h"
#include "core/compare/compare_images.h"
#include "core/csv/csv_reader.h"
#include "core/csv/csv_record.h"
#include "core/csv/csv_tables.h"
#include "core/csv/table_export.h"
#include "core/csv/table_import.h"
#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_record.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"

namespace {

namespace at = EnemyFieldOffset;

ByteSpan RomDataOf(const FixtureImage& image) {
  return ByteSpan(image.bytes).From(image.layout.headerSize);
}

// A table of an image as an export and an import see it.
struct TableOfImage {
  explicit TableOfImage(const FixtureImage& image, const KnownTable& known) : table(known) {
    DecodeGameTables(RomDataOf(image), tables);
    bytes = RomDataRegion(RomDataOf(image), table.romPosition, table.Size());
  }
  std::string Export() const { return TableCsv(table, tables); }
  TableImport Import(const std::string& csv) const { return ReadTableImport(table, tables, bytes, csv); }

  const KnownTable& table;
  GameTables tables;
  std::vector<std::uint8_t> bytes;
};

// Every table filled with random bytes: names with bytes after their end and characters
// outside ASCII, values no list holds, bits no box shows.
FixtureImage RandomTables() {
  FixtureImage image;
  std::mt19937 random(2024);
  for (const KnownTable& table : KnownTables()) {
    for (std::uint32_t i = 0; i < table.Size(); ++i) {
      image.PutByte(Headered(table.romPosition + i), static_cast<std::uint8_t>(random()));
    }
  }
  return image;
}

std::uint32_t ActionTakingAn(ActionArgumentKind kind) {
  return static_cast<std::uint32_t>(
      std::find(ActionArgumentKinds.begin(), ActionArgumentKinds.end(), kind) - ActionArgumentKinds.begin());
}

// Enemy 12 "Starman" with 21 HP and a PSI action with its first argument; item 5 "Cracked Bat".
FixtureImage Starman() {
  FixtureImage image;
  PutItem(image, 5, {"Cracked Bat", 4, 18, kItemNess, 0, 0, 0, 0, 0, 0xC50000});
  PutEnemyName(image, 12, "Starman");
  PutEnemyField(image, 12, at::kHp, 21, 2);
  PutEnemyField(image, 12, at::kActions, ActionTakingAn(ActionArgumentKind::Psi), 2);
  PutEnemyField(image, 12, at::kArguments, 1, 1);
  return image;
}

// The exported CSV with one cell of one record replaced.
std::string WithCell(const std::string& csv, std::size_t record, const std::string& column, const std::string& cell) {
  CsvRows read = ReadCsv(csv);
  const std::vector<std::string>& header = read.rows[0];
  const std::size_t c = static_cast<std::size_t>(std::find(header.begin(), header.end(), column) - header.begin());
  read.rows.at(record + 1).at(c) = cell;
  std::string text;
  for (const auto& row : read.rows) text += CsvRecord(row);
  return text;
}

TEST(TableCsv, ExportsEveryRecordUnderTheEditorsLabels) {
  const TableOfImage enemies(Starman(), EnemyTableFields());
  const CsvRows read = ReadCsv(enemies.Export());
  ASSERT_EQ(read.problem, "");
  ASSERT_EQ(read.rows.size(), kEnemyCount + 1);
  const std::vector<std::string>& header = read.rows[0];
  EXPECT_EQ(std::vector<std::string>(header.begin(), header.begin() + 4),
            (std::vector<std::string>{"record", "Name", "HP", "PP"}));
  EXPECT_EQ(header.back(), "Movement");
  const std::vector<std::string>& starman = read.rows[13];
  EXPECT_EQ(starman[0], "12");
  EXPECT_EQ(starman[1], "Starman");
  EXPECT_EQ(starman[2], "21");
  EXPECT_EQ(read.rows.back()[0], "229");

  const TableOfImage teleports(Starman(), TeleportTableFields());
  EXPECT_EQ(ReadCsv(teleports.Export()).rows[1][0], "1") << "teleports are numbered from 1";
}

TEST(TableCsv, AnUntouchedExportImportsWithoutChangingAByteOfAnyTable) {
  const FixtureImage image = RandomTables();
  for (const KnownTable& known : KnownTables()) {
    const TableOfImage table(image, known);
    const std::string csv = table.Export();
    const TableImport import = table.Import(csv);
    EXPECT_EQ(import.problems, std::vector<std::string>{}) << known.name;
    EXPECT_TRUE(import.changes.empty()) << known.name;
    EXPECT_TRUE(import.after == table.bytes) << known.name;
  }
}

// Every cell quoted, a byte order mark, columns reversed with the last fields left out, rows
// reversed.
std::string AsASpreadsheetSavesIt(const std::string& csv, std::size_t columnsLeftOut) {
  CsvRows read = ReadCsv(csv);
  std::reverse(read.rows.begin() + 1, read.rows.end());
  std::string text = "\xEF\xBB\xBF";
  for (auto& row : read.rows) {
    std::reverse(row.begin(), row.end());
    row.erase(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(columnsLeftOut));
    for (std::size_t c = 0; c < row.size(); ++c) {
      std::string quoted = "\"";
      for (const char ch : row[c]) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
      text += (c == 0 ? "" : ",") + quoted + "\"";
    }
    text += "\r\n";
  }
  return text;
}

TEST(TableCsv, ASpreadsheetSavedFileImportsAsWritten) {
  FixtureImage image = RandomTables();
  PutEnemyName(image, 12, "Star, \"man\"");
  for (const KnownTable& known : KnownTables()) {
    const TableOfImage table(image, known);
    const std::size_t leftOut = known.fields.size() > 2 ? 2 : 0;
    const TableImport import = table.Import(AsASpreadsheetSavesIt(table.Export(), leftOut));
    EXPECT_EQ(import.problems, std::vector<std::string>{}) << known.name;
    EXPECT_TRUE(import.after == table.bytes) << known.name;
  }

  const TableOfImage enemies(image, EnemyTableFields());
  std::string edited = WithCell(enemies.Export(), 12, "HP", "40");
  edited = AsASpreadsheetSavesIt(WithCell(edited, 12, "Name", "Star, \"boy\"\nII"), 3);
  const TableImport import = enemies.Import(edited);
  ASSERT_EQ(import.problems, std::vector<std::string>{});
  ASSERT_EQ(import.changes.size(), 2u);
  EXPECT_EQ(import.changes[0].field, "Name");
  EXPECT_EQ(import.changes[0].after, "Star, \"boy\"\nII");
  EXPECT_EQ(import.changes[1].field, "HP");
  EXPECT_EQ(import.changes[1].after, "40");
}

TEST(TableCsv, AnImportChangesOnlyTheFieldsThatDifferAndListsThem) {
  const TableOfImage enemies(Starman(), EnemyTableFields());
  const TableImport import = enemies.Import(WithCell(enemies.Export(), 12, "HP", "40"));
  ASSERT_EQ(import.problems, std::vector<std::string>{});
  EXPECT_EQ(ChangeLines({import.changes, {}}), "enemy 12 \"Starman\": HP 21 -> 40\n");
  std::vector<std::uint8_t> expected = enemies.bytes;
  expected[12 * kEnemyRecordSize + at::kHp] = 40;
  EXPECT_TRUE(import.after == expected);
}

// Numbers alone are listed from the tables as read; a name changed among them has the table
// decoded again. Either way the list is what comparing the two images lists.
TEST(TableCsv, AnImportListsWhatComparingTheImagesLists) {
  const FixtureImage image = RandomTables();
  const TableOfImage enemies(image, EnemyTableFields());
  const std::string numbers =
      WithCell(WithCell(WithCell(enemies.Export(), 3, "HP", "7"), 4, "Exp", "0"), 5, "Death text", "$C50000");
  const std::string withAName = WithCell(numbers, 6, "Name", "Starman");
  for (const std::string& csv : {numbers, withAName}) {
    const TableImport import = enemies.Import(csv);
    ASSERT_EQ(import.problems, std::vector<std::string>{});
    FixtureImage edited = image;
    edited.Put(Headered(EnemyTableFields().romPosition), import.after);
    EXPECT_EQ(ChangeLines({import.changes, {}}), ChangeLines(CompareImages(RomDataOf(image), RomDataOf(edited))));
  }
}

TEST(TableCsv, AnArgumentIsReadAgainstTheActionOfItsRow) {
  const TableOfImage enemies(Starman(), EnemyTableFields());
  const std::string itemAction = ActionNames[ActionTakingAn(ActionArgumentKind::Item)];
  const std::string psiArgument = ReadCsv(enemies.Export()).rows[13][19];
  ASSERT_EQ(ReadCsv(enemies.Export()).rows[0][19], "Argument 1");

  std::string csv = WithCell(enemies.Export(), 12, "Action 1", itemAction);
  const TableImport kept = enemies.Import(csv);
  ASSERT_EQ(kept.problems.size(), 1u);
  EXPECT_EQ(kept.problems[0], "row 14 (record 12), column Argument 1: \"" + psiArgument +
                                  "\" is not an entry of the Argument 1 list");

  const TableImport chosen = enemies.Import(WithCell(csv, 12, "Argument 1", "Cracked Bat - [5]"));
  ASSERT_EQ(chosen.problems, std::vector<std::string>{});
  EXPECT_EQ(chosen.after[12 * kEnemyRecordSize + at::kArguments], 5);
}

TEST(TableCsv, EachKindOfBadCellIsNamedAndRefusesTheImport) {
  FixtureImage image = Starman();
  PutEnemyName(image, 13, "Caf\xE9");
  const TableOfImage enemies(image, EnemyTableFields());
  const TableOfImage items(image, ItemTableFields());
  const TableOfImage ailments(image, AilmentTableFields());
  const std::string enemyCsv = enemies.Export();
  const std::string row = "row 14 (record 12), column ";
  const struct {
    const TableOfImage& table;
    std::string csv;
    std::string problem;
  } cases[] = {
      {enemies, WithCell(enemyCsv, 12, "HP", "abc"), row + "HP: \"abc\" is not a number"},
      {enemies, WithCell(enemyCsv, 12, "HP", ""), row + "HP: \"\" is not a number"},
      {enemies, WithCell(enemyCsv, 12, "HP", "1.5"), row + "HP: \"1.5\" is not a whole number"},
      {enemies, WithCell(enemyCsv, 12, "HP", "70000"), row + "HP: 70000 is more than 65535, the largest HP"},
      {enemies, WithCell(enemyCsv, 12, "Speed", "-1"), row + "Speed: -1 is less than 0, the smallest Speed"},
      {enemies, WithCell(enemyCsv, 12, "Start text", "$100000000"),
       row + "Start text: $100000000 is more than $FFFFFFFF, the largest Start text"},
      {enemies, WithCell(enemyCsv, 12, "Name", "Abcdefghijklmnopqrstuvwxy"),
       row + "Name: \"Abcdefghijklmnopqrstuvwxy\" has 25 characters; Name holds 24 at most"},
      {enemies, WithCell(enemyCsv, 12, "Name", "Star\xE2\x86\x92"),
       row + "Name: \"Star\xE2\x86\x92\" holds \"\xE2\x86\x92\", which the game's text cannot hold"},
      {enemies, WithCell(enemyCsv, 12, "Name", "Star\xC3\x90"),
       row + "Name: \"Star\xC3\x90\" holds \"\xC3\x90\", which the game's text cannot hold"},
      {enemies, WithCell(enemyCsv, 12, "Name", "Star\xFF"), row + "Name: the cell is not UTF-8 text"},
      // The name's own bytes in the code page, which UTF-8 would write otherwise.
      {enemies, WithCell(enemyCsv, 13, "Name", "Caf\xE9"), "row 15 (record 13), column Name: the cell is not UTF-8 text"},
      {enemies, WithCell(enemyCsv, 12, "Music", "Humming"),
       row + "Music: \"Humming\" is not an entry of the Music list"},
      {enemies, WithCell(enemyCsv, 12, "'The' flag", "yes"),
       row + "'The' flag: \"yes\" is neither \"'The' flag\" nor \"none\""},
      {items, WithCell(items.Export(), 5, "Who can use?", "Ness, Mr. Saturn"),
       "row 7 (record 5), column Who can use?: \"Mr. Saturn\" is not one of the Who can use? boxes"},
      {items, WithCell(items.Export(), 5, "Strength", "128"),
       "row 7 (record 5), column Strength: 128 is more than 127, the largest Strength"},
      {ailments, WithCell(ailments.Export(), 1, "Name", "Seventeen letters"),
       "row 3 (record 1), column Name: \"Seventeen letters\" has 17 characters; Name holds 16 at most"},
      {enemies, WithCell(enemyCsv, 12, "record", "twelve"), "row 14, column record: \"twelve\" is not a number"},
      {enemies, WithCell(enemyCsv, 12, "record", "230"),
       "row 14, column record: 230 is not a record of the enemy table (0 to 229)"},
      {enemies, WithCell(enemyCsv, 12, "record", "11"),
       "row 14 (record 11): the record is given again (first in row 13)"},
      {enemies, enemyCsv + "5,6\r\n", "row 232: 2 cells, where the header has 37"},
      {enemies, "record,HP,Hit points\r\n", "row 1, column Hit points: not a field of the enemy table"},
      {enemies, "record,HP,HP\r\n", "row 1, column HP: given twice"},
      {enemies, "Name,HP\r\nA,1\r\n", "row 1: there is no \"record\" column"},
      {enemies, "", "row 1: there is no header row"},
      {enemies, "record,HP\r\n12,\"21\r\n", "row 2: a quoted cell is not closed"},
      {enemies, "record,HP\r\n12,2\"1\r\n", "row 2: a quote stands inside a cell that does not begin with one"},
  };
  for (const auto& c : cases) {
    const TableImport import = c.table.Import(c.csv);
    EXPECT_EQ(import.problems, std::vector<std::string>{c.problem}) << c.problem;
    EXPECT_TRUE(import.changes.empty()) << c.problem;
  }
}

// The rows are checked as they are read, but a fault in the CSV itself is still the one
// problem listed, wherever it stands, and the rows before it change nothing.
TEST(TableCsv, AFaultInTheCsvItselfIsTheOneProblemListed) {
  const TableOfImage enemies(Starman(), EnemyTableFields());
  const std::string unclosed = "1,\"2\r\n";
  std::string manyBadCells = "record,HP\r\n";
  for (int r = 0; r < 30; ++r) manyBadCells += std::to_string(r) + ",x\r\n";
  const struct {
    std::string name;
    std::string csv;
    std::string problem;
  } cases[] = {
      {"after a changed and a bad cell",
       WithCell(WithCell(enemies.Export(), 12, "HP", "40"), 13, "HP", "abc") + unclosed,
       "row 232: a quoted cell is not closed"},
      {"after more bad cells than are listed", manyBadCells + unclosed, "row 32: a quoted cell is not closed"},
      {"after a bad header", "record,Hit points\r\n" + unclosed, "row 2: a quoted cell is not closed"},
  };
  for (const auto& c : cases) {
    const TableImport import = enemies.Import(c.csv);
    EXPECT_EQ(import.problems, std::vector<std::string>{c.problem}) << c.name;
    EXPECT_TRUE(import.after == enemies.bytes) << c.name;
  }
}

TEST(TableCsv, TwentyProblemsAreListedAtMost) {
  const TableOfImage enemies(Starman(), EnemyTableFields());
  std::string csv = "record,HP\r\n";
  for (int r = 0; r < 30; ++r) csv += std::to_string(r) + ",x\r\n";
  const TableImport import = enemies.Import(csv);
  ASSERT_EQ(import.problems.size(), kImportProblemsListed);
  EXPECT_EQ(import.problems.back(), "row 21 (record 19), column HP: \"x\" is not a number");
}

TEST(TableCsv, TablesGoByTheirPluralNames) {
  EXPECT_EQ(CsvTableNamed("enemies"), &EnemyTableFields());
  EXPECT_EQ(CsvTableNamed("battle-menu"), &BattleMenuTableFields());
  EXPECT_EQ(CsvTableNamed("enemy"), nullptr);
  EXPECT_EQ(CsvTableNames(), "enemies|items|psi-names|teleports|phone|ailments|battle-menu");
}

}  // namespace
