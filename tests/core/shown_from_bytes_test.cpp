#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/enemy/enemy_catalogues.h"
#include "core/tables/shown_from_bytes.h"
#include "core/text/ansi_utf8.h"
#include "tests/support/fixture_image.h"

namespace {

// Every field shown from its bytes, over tables of random bytes: it shows what show shows,
// the cell showing the record's value is taken, and the cell showing another record's
// differing value is not.
TEST(ShownFromBytes, AgreesWithWhatEachFieldShows) {
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
      if (!field.fromBytes) continue;
      ++fieldsCompared;
      for (std::size_t r = 0; r < table.recordCount; ++r) {
        const std::uint8_t* record = bytes.data() + r * table.recordSize;
        const std::string shown = AnsiToUtf8(Shown(field.show, tables, r));
        const std::string other = AnsiToUtf8(Shown(field.show, tables, (r + 1) % table.recordCount));
        std::string appended;
        field.fromBytes->append(field, record, appended);
        EXPECT_EQ(AnsiToUtf8(appended), shown) << table.name << " " << r << " " << field.label;
        EXPECT_TRUE(field.fromBytes->isShownIn(shown, field, record)) << table.name << " " << r << " " << field.label;
        if (other != shown) {
          EXPECT_FALSE(field.fromBytes->isShownIn(other, field, record))
              << table.name << " " << r << " " << field.label;
        }
      }
    }
  }
  EXPECT_EQ(fieldsCompared, 41u)
      << "numbers, addresses, fixed lists and the 'The' flag of the enemy, item, teleport and phone tables";
}

TEST(ShownFromBytes, TakesOnlyTheCellThatShowsTheValue) {
  const struct {
    const ShownFromBytes& kind;
    std::uint32_t width;
    std::vector<std::uint8_t> bytes;
    std::string cell;
    bool taken;
  } cases[] = {
      {kUnsignedFromBytes, 2, {7, 0}, "7", true},
      {kUnsignedFromBytes, 2, {7, 0}, "07", false},
      {kUnsignedFromBytes, 2, {7, 0}, "+7", false},
      {kUnsignedFromBytes, 2, {7, 0}, " 7", false},
      {kUnsignedFromBytes, 2, {7, 0}, "7 ", false},
      {kUnsignedFromBytes, 2, {7, 0}, "", false},
      {kUnsignedFromBytes, 2, {7, 0}, "8", false},
      {kUnsignedFromBytes, 2, {0x34, 0x12}, "4660", true},
      {kUnsignedFromBytes, 1, {10}, "A", false},
      {kUnsignedFromBytes, 1, {0}, "0", true},
      {kUnsignedFromBytes, 1, {0}, "00", false},
      {kUnsignedFromBytes, 1, {0}, "-0", false},
      {kUnsignedFromBytes, 4, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295", true},
      {kUnsignedFromBytes, 4, {1, 0, 0, 0}, "4294967297", false},
      {kUnsignedFromBytes, 4, {1, 0, 0, 0}, "00000000001", false},
      {kSignedFromBytes, 1, {0xFF}, "-1", true},
      {kSignedFromBytes, 1, {0xFF}, "255", false},
      {kSignedFromBytes, 1, {0xFF}, "1", false},
      {kSignedFromBytes, 1, {0xFF}, "--1", false},
      {kSignedFromBytes, 1, {0x80}, "-128", true},
      {kSignedFromBytes, 1, {0x7F}, "127", true},
      {kSignedFromBytes, 1, {0}, "0", true},
      {kSignedFromBytes, 1, {0}, "-0", false},
      {kSignedFromBytes, 1, {0}, "-", false},
      {kSignedFromBytes, 2, {0x00, 0x80}, "-32768", true},
      {kHexFromBytes, 4, {0x1A, 0, 0, 0}, "$1A", true},
      {kHexFromBytes, 4, {0x1A, 0, 0, 0}, "$1a", false},
      {kHexFromBytes, 4, {0x1A, 0, 0, 0}, "$01A", false},
      {kHexFromBytes, 4, {0x1A, 0, 0, 0}, "1A", false},
      {kHexFromBytes, 4, {0x1A, 0, 0, 0}, "26", false},
      {kHexFromBytes, 4, {10, 0, 0, 0}, "$:", false},
      {kHexFromBytes, 4, {10, 0, 0, 0}, "$A", true},
      {kHexFromBytes, 4, {16, 0, 0, 0}, "$G", false},
      {kHexFromBytes, 4, {0, 0, 0, 0}, "$0", true},
      {kHexFromBytes, 4, {0, 0, 0, 0}, "$", false},
      {kHexFromBytes, 4, {0, 0, 0, 0}, "$00", false},
      {kHexFromBytes, 4, {0xFF, 0xFF, 0xFF, 0xFF}, "$FFFFFFFF", true},
      {kHexFromBytes, 4, {0, 0, 0, 0}, "$100000000", false},
      {kHexFromBytes, 4, {0, 0, 0xC5, 0}, "$C50000", true},
      {kChoiceFromBytes<ActionNames>, 2, {0, 0}, ActionNames[0], true},
      {kChoiceFromBytes<ActionNames>, 2, {0, 0}, std::string(ActionNames[0]) + " ", false},
      {kChoiceFromBytes<ActionNames>, 2, {0xFF, 0xFF}, "", true},
      {kChoiceFromBytes<ActionNames>, 2, {0xFF, 0xFF}, ActionNames[0], false},
  };
  for (const auto& c : cases) {
    const TableField field{"Field", 1, c.width, kAllBits, nullptr, nullptr};
    std::vector<std::uint8_t> record = {0x5A};  // a byte of another field before it
    record.insert(record.end(), c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(c.kind.isShownIn(c.cell, field, record.data()), c.taken) << '"' << c.cell << '"';
  }
}

}  // namespace
