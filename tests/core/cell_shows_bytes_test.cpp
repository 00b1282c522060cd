#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/enemy/enemy_catalogues.h"
#include "core/tables/cell_shows_bytes.h"
#include "core/text/ansi_utf8.h"
#include "tests/support/fixture_image.h"

namespace {

// Every field compared with its bytes, over tables of random bytes: the cell showing the
// record's value is taken, and the cell showing another record's differing value is not.
TEST(CellShowsBytes, AgreesWithWhatEachFieldShows) {
  FixtureImage image;
  std::mt19937 random(7);
  for (const KnownTable& table : KnownTables()) {
    for (std::uint32_t i = 0; i < table.Size(); ++i) {
      image.PutByte(Headered(table.romPosition + i), static_cast<std::uint8_t>(random()));
    }
  }
  const ByteSpan romData = ByteSpan(image.bytes).From(kCopierHeaderSize);
  GameTables tables;
  DecodeGameTables(romData, tables);
  std::size_t fieldsCompared = 0;
  for (const KnownTable& table : KnownTables()) {
    const std::vector<std::uint8_t> bytes = RomDataRegion(romData, table.romPosition, table.Size());
    for (const TableField& field : table.fields) {
      if (!field.showsBytes) continue;
      ++fieldsCompared;
      for (std::size_t r = 0; r < table.recordCount; ++r) {
        const std::uint8_t* record = bytes.data() + r * table.recordSize;
        const std::string shown = AnsiToUtf8(Shown(field.show, tables, r));
        const std::string other = AnsiToUtf8(Shown(field.show, tables, (r + 1) % table.recordCount));
        EXPECT_TRUE(field.showsBytes(shown, field, record)) << table.name << " " << r << " " << field.label;
        if (other != shown) {
          EXPECT_FALSE(field.showsBytes(other, field, record)) << table.name << " " << r << " " << field.label;
        }
      }
    }
  }
  EXPECT_EQ(fieldsCompared, 40u) << "numbers, addresses and fixed lists of the enemy, item, teleport and phone tables";
}

TEST(CellShowsBytes, TakesOnlyTheFormTheFieldShows) {
  const struct {
    CellShowsBytes shows;
    std::uint32_t width;
    std::vector<std::uint8_t> bytes;
    std::string cell;
    bool taken;
  } cases[] = {
      {CellShowsUnsigned, 2, {7, 0}, "7", true},
      {CellShowsUnsigned, 2, {7, 0}, "07", false},
      {CellShowsUnsigned, 2, {7, 0}, "+7", false},
      {CellShowsUnsigned, 2, {7, 0}, " 7", false},
      {CellShowsUnsigned, 2, {7, 0}, "7 ", false},
      {CellShowsUnsigned, 2, {7, 0}, "", false},
      {CellShowsUnsigned, 2, {7, 0}, "8", false},
      {CellShowsUnsigned, 2, {0x34, 0x12}, "4660", true},
      {CellShowsUnsigned, 1, {10}, "A", false},
      {CellShowsUnsigned, 1, {0}, "0", true},
      {CellShowsUnsigned, 1, {0}, "00", false},
      {CellShowsUnsigned, 1, {0}, "-0", false},
      {CellShowsUnsigned, 4, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295", true},
      {CellShowsUnsigned, 4, {1, 0, 0, 0}, "4294967297", false},
      {CellShowsUnsigned, 4, {1, 0, 0, 0}, "00000000001", false},
      {CellShowsSigned, 1, {0xFF}, "-1", true},
      {CellShowsSigned, 1, {0xFF}, "255", false},
      {CellShowsSigned, 1, {0xFF}, "1", false},
      {CellShowsSigned, 1, {0xFF}, "--1", false},
      {CellShowsSigned, 1, {0x80}, "-128", true},
      {CellShowsSigned, 1, {0x7F}, "127", true},
      {CellShowsSigned, 1, {0}, "0", true},
      {CellShowsSigned, 1, {0}, "-0", false},
      {CellShowsSigned, 1, {0}, "-", false},
      {CellShowsSigned, 2, {0x00, 0x80}, "-32768", true},
      {CellShowsHex, 4, {0x1A, 0, 0, 0}, "$1A", true},
      {CellShowsHex, 4, {0x1A, 0, 0, 0}, "$1a", false},
      {CellShowsHex, 4, {0x1A, 0, 0, 0}, "$01A", false},
      {CellShowsHex, 4, {0x1A, 0, 0, 0}, "1A", false},
      {CellShowsHex, 4, {0x1A, 0, 0, 0}, "26", false},
      {CellShowsHex, 4, {10, 0, 0, 0}, "$:", false},
      {CellShowsHex, 4, {10, 0, 0, 0}, "$A", true},
      {CellShowsHex, 4, {16, 0, 0, 0}, "$G", false},
      {CellShowsHex, 4, {0, 0, 0, 0}, "$0", true},
      {CellShowsHex, 4, {0, 0, 0, 0}, "$", false},
      {CellShowsHex, 4, {0, 0, 0, 0}, "$00", false},
      {CellShowsHex, 4, {0xFF, 0xFF, 0xFF, 0xFF}, "$FFFFFFFF", true},
      {CellShowsHex, 4, {0, 0, 0, 0}, "$100000000", false},
      {CellShowsHex, 4, {0, 0, 0xC5, 0}, "$C50000", true},
      {CellShowsChoice<ActionNames>, 2, {0, 0}, ActionNames[0], true},
      {CellShowsChoice<ActionNames>, 2, {0, 0}, std::string(ActionNames[0]) + " ", false},
      {CellShowsChoice<ActionNames>, 2, {0xFF, 0xFF}, "", true},
      {CellShowsChoice<ActionNames>, 2, {0xFF, 0xFF}, ActionNames[0], false},
  };
  for (const auto& c : cases) {
    const TableField field{"Field", 1, c.width, kAllBits, nullptr, nullptr};
    std::vector<std::uint8_t> record = {0x5A};  // a byte of another field before it
    record.insert(record.end(), c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(c.shows(c.cell, field, record.data()), c.taken) << '"' << c.cell << '"';
  }
}

}  // namespace
