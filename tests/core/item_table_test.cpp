#include <gtest/gtest.h>

#include <cstring>

#include "core/item/item_fields.h"
#include "core/item/item_table.h"
#include "tests/support/table_fixture.h"

namespace {

ListOrders OriginalOrder() {
  ListOrders orders;
  orders.itemListOrder = ListOrder::Original;
  return orders;
}

TEST(LoadItemTable, ReadsEveryFieldOfEveryRecordInRomOrder) {
  FixtureImage image;
  PutItem(image, 0, {"Cracked bat", 8, 18, 0x81, 0x1D2, 0x84, 3, 0xFE, 7, 0xC55A21});
  PutItem(image, 255, {"Last", 255, 0xFFFF, 0xFF, 0xFFFF, 0x7F, 255, 0x80, 255, 0xFFFFFFFF});
  const ItemTable items = LoadTablesFrom(image, OriginalOrder()).itemTable;

  const ItemRecord& first = items[0];
  EXPECT_EQ(first.fileOffset, 0x155200u);
  EXPECT_EQ(GameText(first.name, kNameFieldLength), "Cracked bat");
  EXPECT_EQ(first.itemNumber, 0);
  EXPECT_EQ(first.type, 8);
  EXPECT_EQ(first.cost, 18u);
  EXPECT_EQ(first.ownership, 0x81);
  EXPECT_EQ(first.effect, 0x1D2u);
  EXPECT_EQ(first.strength, -124);
  EXPECT_EQ(first.epIncrease, 3);
  EXPECT_EQ(first.extraPower, -2);
  EXPECT_EQ(first.specialProperty, 7);
  EXPECT_EQ(first.descAddress, 0xC55A21u);

  const ItemRecord& last = items[255];
  EXPECT_EQ(last.fileOffset, 0x155200u + 39 * 255);
  EXPECT_EQ(last.itemNumber, 255);
  EXPECT_EQ(last.type, 255);
  EXPECT_EQ(last.cost, 0xFFFFu);
  EXPECT_EQ(last.effect, 0xFFFFu);
  EXPECT_EQ(last.strength, 127);
  EXPECT_EQ(last.extraPower, -128);
  EXPECT_EQ(last.descAddress, 0xFFFFFFFFu);

  for (std::size_t n = 0; n < kItemCount; ++n) {
    EXPECT_EQ(items[n].itemNumber, n);
    EXPECT_EQ(items[n].fileOffset, 0x155200u + 39 * n);
  }
}

TEST(LoadItemTable, NamesAreDecodedOverTheWholeFieldAndNoFurther) {
  FixtureImage image;
  // A name filling all 25 bytes, followed directly by the type byte 0x41 ("q" if misread).
  image.PutGameText(ItemOffset(1), std::string(25, 'N'), 25).PutByte(ItemOffset(1) + 25, 0x41);
  // A stored 0x30 ends the name; the bytes after it still reach memory.
  image.Put(ItemOffset(2), {0x71, 0x72, 0x30, 0x73, 0x74});
  // Bytes after the terminator, and characters above 0x7F.
  image.Put(ItemOffset(3), {0xB0, 0xFF, 0x01, 0x2F, 0x00, 0x91});
  const ItemTable items = LoadTablesFrom(image, OriginalOrder()).itemTable;

  EXPECT_EQ(GameText(items[1].name, kNameFieldLength), std::string(25, 'N'));
  EXPECT_EQ(items[1].type, 0x41);
  EXPECT_EQ(GameText(items[2].name, kNameFieldLength), "AB");
  EXPECT_EQ(items[2].name[3], 'C');
  EXPECT_EQ(GameText(items[3].name, kNameFieldLength), "\x80\xCF\xD1\xFF");
  EXPECT_EQ(items[3].name[5], 'a');
}

TEST(LoadItemTable, ShortFileReadsMissingBytesAsEndOfFile) {
  FixtureImage image(ItemOffset(1) + 36);
  image.PutGameText(ItemOffset(0), "Whole", 25).PutValue(ItemOffset(0) + kItemDescAddressField, 0x123456, 4);
  image.PutGameText(ItemOffset(1), "Cut", 25).PutByte(ItemOffset(1) + kItemTypeField, 9);
  const std::string path = TempPath("short.smc");
  image.WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ItemTable items;
  std::memset(&items, 0xEE, sizeof items);
  LoadItemTable(file, kHeaderedLayout, items);
  std::fclose(file);

  EXPECT_EQ(items[0].descAddress, 0x123456u);
  EXPECT_EQ(GameText(items[1].name, kNameFieldLength), "Cut");
  EXPECT_EQ(items[1].type, 9);
  EXPECT_EQ(items[1].descAddress, 0xFFFFFF00u) << "the file ends after the first byte of the address";
  EXPECT_EQ(GameText(items[200].name, kNameFieldLength), std::string(25, '\xCF'));
  EXPECT_EQ(items[200].itemNumber, 200);
  EXPECT_EQ(items[200].cost, 0xFFFFu);
}

class ItemFieldWriters : public ::testing::Test {
 protected:
  ItemFieldWriters() : image(MakeImage()), fixture(image) {
    item.fileOffset = ItemOffset(7);
    item.itemNumber = 7;
  }

  static FixtureImage MakeImage() {
    FixtureImage made;
    made.Put(ItemOffset(7), std::vector<std::uint8_t>(39, 0xEE));
    return made;
  }

  std::vector<std::uint8_t> RecordBytes() { return fixture.Bytes(ItemOffset(7), 39); }

  FixtureImage image;
  OpenFixture fixture;
  ItemRecord item{};
};

TEST_F(ItemFieldWriters, EachWritesItsOwnBytesLowFirstAndKeepsMemoryInStep) {
  struct Case {
    const char* name;
    bool (*write)(ItemRecord&, std::FILE*, std::uint32_t);
    std::uint32_t value;
    std::uint32_t field;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"cost", WriteItemCost, 65525, 26, {0xF5, 0xFF}},
      {"negative cost", WriteItemCost, 0xFFFFFFFF, 26, {0xFF, 0xFF}},
      {"type", WriteItemType, 3, 25, {0x03}},
      {"effect", WriteItemEffect, 0x1D2, 29, {0xD2, 0x01}},
      {"strength", WriteItemStrength, static_cast<std::uint32_t>(-200), 31, {0x38}},
      {"ep increase", WriteItemEpIncrease, 0x1FF, 32, {0xFF}},
      {"extra power", WriteItemExtraPower, 200, 33, {0xC8}},
      {"special property", WriteItemSpecialProperty, 9, 34, {0x09}},
      {"ownership", WriteItemOwnership, 0xE5, 28, {0xE5}},
      {"desc address", WriteItemDescAddress, 0x1A2B3C, 35, {0x3C, 0x2B, 0x1A, 0x00}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> expected = RecordBytes();
    ASSERT_TRUE(c.write(item, fixture.file(), c.value)) << c.name;
    std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + c.field);
    EXPECT_EQ(RecordBytes(), expected) << c.name;
  }
  EXPECT_EQ(item.cost, 0xFFFFFFFFu) << "32-bit fields keep the whole value";
  EXPECT_EQ(item.type, 3);
  EXPECT_EQ(item.effect, 0x1D2u);
  EXPECT_EQ(item.strength, 56);
  EXPECT_EQ(item.epIncrease, 0xFF);
  EXPECT_EQ(item.extraPower, -56);
  EXPECT_EQ(item.specialProperty, 9);
  EXPECT_EQ(item.ownership, 0xE5);
  EXPECT_EQ(item.descAddress, 0x1A2B3Cu);
}

TEST_F(ItemFieldWriters, NameIsCutTo24CharactersAndZeroFilled) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::uint8_t> leadingBytes;  // the rest of the 25 are zero
    std::string shown;
  } cases[] = {
      {"short", "Bat", {0x72, 0x91, 0xA4}, "Bat"},
      {"empty", "", {}, ""},
      {"longer than 24", std::string(30, 'x'), std::vector<std::uint8_t>(24, 0xA8), std::string(24, 'x')},
      {"0xD0 is stored as a terminator", std::string("ab\xD0" "cd"), {0x91, 0x92, 0x00, 0x93, 0x94}, "ab"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteItemName(item, fixture.file(), c.text)) << c.name;
    std::vector<std::uint8_t> expected(25, 0);
    std::copy(c.leadingBytes.begin(), c.leadingBytes.end(), expected.begin());
    const std::vector<std::uint8_t> record = RecordBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + 25), expected) << c.name;
    EXPECT_EQ(record[25], 0xEE) << c.name << ": the type byte is not touched";
    EXPECT_EQ(GameText(item.name, kNameFieldLength), c.shown) << c.name;
  }
}

TEST_F(ItemFieldWriters, FailedWriteIsReported) {
  const std::string path = TempPath("readonly.smc");
  image.WriteTo(path);
  std::FILE* readOnly = std::fopen(path.c_str(), "rb");
  EXPECT_FALSE(WriteItemCost(item, readOnly, 5));
  EXPECT_FALSE(WriteItemName(item, readOnly, "Bat"));
  std::fclose(readOnly);
}

}  // namespace
