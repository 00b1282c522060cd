#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/item/item_view.h"
#include "core/tables/overlapping_entries.h"
#include "core/text/teleport_form.h"
#include "tests/support/table_fixture.h"

namespace {

// Where the game's own tables end, as ROM positions: the store table follows item 253, and
// the game's last teleport ends 62 bytes before the phone list.
constexpr std::uint32_t kStoreTableRomPosition = 0x1578B2 - kCopierHeaderSize;
constexpr std::uint32_t kGameTeleportsEndRomPosition = 0x157CAE - 62 - kCopierHeaderSize;

TEST(OverlappingEntries, EntriesWhoseBytesReachPastTheGameTableAreTheOnesMarked) {
  for (const FixtureImage& image : {FixtureImage{}, FixtureImage{}.HeaderlessTwin()}) {
    SCOPED_TRACE(image.layout.headerSize ? "headered" : "headerless");
    const GameTables tables = LoadTablesFrom(image);
    const std::uint32_t storeTable = image.FileOffset(kStoreTableRomPosition);
    for (const ItemRecord& item : tables.itemTable) {
      const bool onStoreTable = item.fileOffset + kItemRecordSize > storeTable;
      EXPECT_EQ(ItemLiesOn(item.itemNumber), onStoreTable ? LiesOn::StoreTable : LiesOn::GameTable)
          << "item " << int(item.itemNumber);
      EXPECT_EQ(ViewItem(item).nameNote, onStoreTable ? "(store table)" : "") << "item " << int(item.itemNumber);
    }
    const std::uint32_t teleportsEnd = image.FileOffset(kGameTeleportsEndRomPosition);
    for (std::size_t row = 0; row < kTeleportCount; ++row) {
      const bool pastTable = tables.teleportTable[row].fileOffset + kTeleportEntrySize > teleportsEnd;
      EXPECT_EQ(TeleportRowLiesOn(row), pastTable ? LiesOn::DataAfterTeleportTable : LiesOn::GameTable)
          << "row " << row;
    }
  }
}

TEST(OverlappingEntries, QuestionsNameTheEntryAndWhatItLiesOn) {
  EXPECT_EQ(ItemOverwriteQuestion(254),
            "Item 254 shares its bytes with the game's store table. Writing it changes what shops sell. "
            "Write it anyway?");
  EXPECT_EQ(ItemOverwriteQuestion(255).substr(0, 9), "Item 255 ");
  EXPECT_STREQ(kTeleportOverwriteQuestion,
               "The last teleport row lies past the end of the game's teleport table. Write it anyway?");
}

// The last teleport row holds other game data: a name field without a zero byte (shown as a
// 25-character name, read back by the window as its first 24) and bytes after it.
FixtureImage ImageWithDataAfterTeleports() {
  FixtureImage image;
  const std::uint32_t lastRow = Headered(kTeleportTableRomPosition) + 15 * kTeleportEntrySize;
  for (std::uint32_t i = 0; i < kTeleportEntrySize; ++i) image.PutByte(lastRow + i, static_cast<std::uint8_t>(0x71 + i));
  return image;
}

TEST(OverlappingEntries, TeleportApplyAsksAndWritesTheLastRowOnlyWhenItChanged) {
  using Edit = std::function<void(TeleportTexts&)>;
  struct Case {
    const char* what;
    Edit edit;
    bool asks;
  };
  const Case cases[] = {
      {"nothing typed", [](TeleportTexts&) {}, false},
      {"last name cut by its 25th letter", [](TeleportTexts& t) { t[15].name.resize(24); }, true},
      {"an ordinary row changed", [](TeleportTexts& t) { t[0] = {"Onett", "5", "6"}; }, false},
      {"last row's name changed", [](TeleportTexts& t) { t[15].name = "Saturn"; }, true},
      {"last row's X changed", [](TeleportTexts& t) { t[15].x = "7"; }, true},
      {"last row's Y changed", [](TeleportTexts& t) { t[15].y = "7"; }, true},
  };
  const std::uint32_t lastRow = Headered(kTeleportTableRomPosition) + 15 * kTeleportEntrySize;
  for (const Case& c : cases) {
    OpenFixture rom(ImageWithDataAfterTeleports());
    const std::vector<std::uint8_t> before = rom.Bytes(lastRow, kTeleportEntrySize);
    TeleportTable teleports;
    LoadTeleports(rom.file(), kHeaderedLayout, teleports);
    TeleportTexts typed = TeleportBoxTexts(teleports);
    c.edit(typed);

    EXPECT_EQ(TeleportApplyWritesPastTable(teleports, typed), c.asks) << c.what;
    ASSERT_TRUE(ApplyTeleportTexts(rom.file(), teleports, typed)) << c.what;
    EXPECT_EQ(rom.Bytes(lastRow, kTeleportEntrySize) != before, c.asks) << c.what;
    EXPECT_EQ(TeleportBoxTexts(teleports)[0].name, typed[0].name.substr(0, 24)) << c.what;
  }
}

}  // namespace
