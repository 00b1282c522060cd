#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/item/apply_item.h"
#include "core/item/item_order.h"
#include "core/item/item_view.h"
#include "core/tables/table_position.h"
#include "tests/support/name_edits.h"
#include "tests/support/table_fixture.h"

namespace {

constexpr std::uint8_t kBat = 7;

// "Item nnn" of type 0 with three others among them; item 7, the one edited, has every field
// set and "Permanent" held in one bit only.
FixtureImage ItemImage() {
  FixtureImage image;
  for (int n = 0; n < 256; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "Item %03d", n);
    PutItem(image, static_cast<std::uint8_t>(n), {name});
  }
  PutItem(image, kBat, {"Cracked bat", 4, 18, 0x25, 109, 0xFE, 3, 0xF6, 1, 0xC55A21});
  image.PutByte(ItemOffset(kBat) + 20, 0x5C);  // a byte after the name's end
  PutItem(image, 3, {"Apple", 8, 0, 0x80, 0, 0, 0, 0, 0, 0});
  PutItem(image, 4, {"Zinc", 2, 0, 0, 0, 0, 0, 0, 0, 0});
  return image;
}

class ApplyItemTest : public ::testing::Test {
 protected:
  ApplyItemTest() : fixture(ItemImage()) {
    LoadItemTable(fixture.file(), kHeaderedLayout, items);
    SortItems(items, ListOrder::ByName);
    position = static_cast<std::size_t>(ItemPosition(items, kBat));
  }

  // The boxes as the window reads them back when nothing was touched.
  ItemBoxes UnchangedBoxes() const { return ViewItem(items[position]); }

  ItemApplyResult Apply(const ItemBoxes& form, ListOrder order = ListOrder::ByName) {
    const ItemApplyResult result = ApplyItem(fixture.file(), items, position, form, order);
    position = result.position;
    return result;
  }

  // What reached the disk, read past the stream's buffer.
  std::vector<std::uint8_t> DiskRecord() const {
    std::vector<std::uint8_t> record(kItemRecordSize);
    std::ifstream in(fixture.path(), std::ios::binary);
    in.seekg(ItemOffset(kBat));
    in.read(reinterpret_cast<char*>(record.data()), kItemRecordSize);
    return in ? record : std::vector<std::uint8_t>{};
  }

  OpenFixture fixture;
  ItemTable items{};
  std::size_t position = 0;
};

TEST_F(ApplyItemTest, ViewShowsEveryField) {
  const ItemBoxes view = ViewItem(items[position]);
  EXPECT_EQ(view.name, "Cracked bat");
  EXPECT_EQ(view.type, "4");
  EXPECT_EQ(view.cost, "18");
  EXPECT_EQ(view.effect, 109);
  EXPECT_EQ(view.strength, "-2");
  EXPECT_EQ(view.epIncrease, "3");
  EXPECT_EQ(view.extraPower, "-10");
  EXPECT_EQ(view.specialProperty, "1");
  EXPECT_EQ(view.descAddress, "$C55A21");
  EXPECT_TRUE(view.checks.infiniteUse);
  EXPECT_TRUE(view.checks.permanent) << "0x20 alone";
  EXPECT_FALSE(view.checks.chicken);
  EXPECT_TRUE(view.checks.ness);
  EXPECT_FALSE(view.checks.paula);
  EXPECT_TRUE(view.checks.jeff);
  EXPECT_FALSE(view.checks.poo);
}

TEST(ItemChecks, EachBoxStandsForItsBitsAndInfiniteUseIsInverted) {
  struct Case {
    std::uint8_t ownership;
    ItemChecks checks;  // infiniteUse, permanent, chicken, ness, paula, jeff, poo
    std::uint8_t written;
  } cases[] = {
      {0x00, {true, false, false, false, false, false, false}, 0x00},
      {0x80, {false, false, false, false, false, false, false}, 0x80},
      {0x20, {true, true, false, false, false, false, false}, 0x60},
      {0x40, {true, true, false, false, false, false, false}, 0x60},
      {0x60, {true, true, false, false, false, false, false}, 0x60},
      {0x10, {true, false, true, false, false, false, false}, 0x10},
      {0x01, {true, false, false, true, false, false, false}, 0x01},
      {0x02, {true, false, false, false, true, false, false}, 0x02},
      {0x04, {true, false, false, false, false, true, false}, 0x04},
      {0x08, {true, false, false, false, false, false, true}, 0x08},
      {0xFF, {false, true, true, true, true, true, true}, 0xFF},
  };
  for (const auto& c : cases) {
    const ItemChecks shown = ChecksOfOwnership(c.ownership);
    const std::string label = "ownership " + std::to_string(c.ownership);
    EXPECT_EQ(shown.infiniteUse, c.checks.infiniteUse) << label;
    EXPECT_EQ(shown.permanent, c.checks.permanent) << label;
    EXPECT_EQ(shown.chicken, c.checks.chicken) << label;
    EXPECT_EQ(shown.ness, c.checks.ness) << label;
    EXPECT_EQ(shown.paula, c.checks.paula) << label;
    EXPECT_EQ(shown.jeff, c.checks.jeff) << label;
    EXPECT_EQ(shown.poo, c.checks.poo) << label;
    EXPECT_EQ(OwnershipOfChecks(c.checks), c.written) << label;
  }
}

TEST(ItemView, EffectWithoutAnEntryInTheListShowsNoSelection) {
  ItemRecord item{};
  const std::pair<std::uint32_t, int> cases[] = {{0, 0}, {318, 318}, {319, -1}, {0xFFFF, -1}};
  for (const auto& c : cases) {
    item.effect = c.first;
    EXPECT_EQ(ViewItem(item).effect, c.second) << c.first;
  }
}

TEST_F(ApplyItemTest, UnchangedApplyRewritesTheRecordAsItWasSavePermanent) {
  std::vector<std::uint8_t> expected = DiskRecord();
  expected[kItemOwnershipField] = 0x65;
  const ItemApplyResult result = Apply(UnchangedBoxes());
  EXPECT_TRUE(result.written);
  EXPECT_EQ(DiskRecord(), expected) << "on disk before the file is closed";
}

TEST_F(ApplyItemTest, TypedNumbersAreCappedReadAndStoredThroughTheirLowBytes) {
  struct Case {
    const char* label;
    std::string ItemBoxes::*box;
    std::string typed;
    std::uint32_t field;
    std::vector<std::uint8_t> bytes;
    std::string ItemBoxes::*shownBox;
    std::string shown;
  } cases[] = {
      {"cost 70000", &ItemBoxes::cost, "70000", kItemCostField, {0xF5, 0xFF}, &ItemBoxes::cost, "65525"},
      {"cost 65530", &ItemBoxes::cost, "65530", kItemCostField, {0xF5, 0xFF}, &ItemBoxes::cost, "65525"},
      {"cost -1", &ItemBoxes::cost, "-1", kItemCostField, {0xFF, 0xFF}, &ItemBoxes::cost, "4294967295"},
      {"type 3.9", &ItemBoxes::type, "3.9", kItemTypeField, {0x03}, &ItemBoxes::type, "3"},
      {"type text", &ItemBoxes::type, "abc", kItemTypeField, {0x00}, &ItemBoxes::type, "0"},
      {"type 300", &ItemBoxes::type, "300", kItemTypeField, {0xFF}, &ItemBoxes::type, "255"},
      {"strength 200", &ItemBoxes::strength, "200", kItemStrengthField, {0x7F}, &ItemBoxes::strength, "127"},
      {"strength -200", &ItemBoxes::strength, "-200", kItemStrengthField, {0x38}, &ItemBoxes::strength, "56"},
      {"strength 1.5", &ItemBoxes::strength, "1.5", kItemStrengthField, {0x01}, &ItemBoxes::strength, "1"},
      {"E.P. increase 12.9", &ItemBoxes::epIncrease, "12.9", kItemEpIncreaseField, {0x0C}, &ItemBoxes::epIncrease,
       "12"},
      {"extra power 200", &ItemBoxes::extraPower, "200", kItemExtraPowerField, {0xC8}, &ItemBoxes::extraPower,
       "-56"},
      {"extra power 300", &ItemBoxes::extraPower, "300", kItemExtraPowerField, {0xFF}, &ItemBoxes::extraPower, "-1"},
      {"special property 256", &ItemBoxes::specialProperty, "256", kItemSpecialPropertyField, {0xFF},
       &ItemBoxes::specialProperty, "255"},
      {"address $1A2B3C", &ItemBoxes::descAddress, "$1A2B3C", kItemDescAddressField, {0x3C, 0x2B, 0x1A, 0x00},
       &ItemBoxes::descAddress, "$1A2B3C"},
      {"address 26", &ItemBoxes::descAddress, "26", kItemDescAddressField, {0x1A, 0x00, 0x00, 0x00},
       &ItemBoxes::descAddress, "$1A"},
  };
  for (const Case& c : cases) {
    ItemBoxes form = UnchangedBoxes();
    form.*c.box = c.typed;
    ASSERT_TRUE(Apply(form).written) << c.label;
    const std::vector<std::uint8_t> record = DiskRecord();
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin() + c.field, record.begin() + c.field + c.bytes.size()),
              c.bytes)
        << c.label;
    EXPECT_EQ(ViewItem(items[position]).*c.shownBox, c.shown) << c.label;
  }
}

TEST_F(ApplyItemTest, OwnershipByteIsBuiltFromTheBoxesAlone) {
  ItemBoxes form = UnchangedBoxes();
  form.checks = {false, true, true, false, true, false, true};
  Apply(form);
  EXPECT_EQ(DiskRecord()[kItemOwnershipField], 0x80 | 0x60 | 0x10 | 0x02 | 0x08);
  form.checks = ItemChecks{};
  Apply(form);
  EXPECT_EQ(DiskRecord()[kItemOwnershipField], 0x80);
}

TEST_F(ApplyItemTest, EffectFollowsTheListAndWithoutSelectionKeepsTheStoredValue) {
  ItemBoxes form = UnchangedBoxes();
  form.effect = 318;
  Apply(form);
  EXPECT_EQ(DiskRecord()[kItemEffectField], 0x3E);
  EXPECT_EQ(DiskRecord()[kItemEffectField + 1], 0x01);

  items[position].effect = 400;  // as loaded from an image whose effect the list cannot show
  form = UnchangedBoxes();
  ASSERT_EQ(form.effect, -1);
  Apply(form);
  EXPECT_EQ(DiskRecord()[kItemEffectField], 0x90);
  EXPECT_EQ(DiskRecord()[kItemEffectField + 1], 0x01);
  EXPECT_EQ(items[position].effect, 400u);
}

TEST_F(ApplyItemTest, NameIsCutTo24CharactersAndMovesTheItemInNameOrder) {
  ItemBoxes form = UnchangedBoxes();
  form.name = "Aardvark bat of the north wind";
  const ItemApplyResult result = Apply(form);
  EXPECT_EQ(result.position, 0u) << "sorts before \"Apple\"";
  EXPECT_EQ(items[0].itemNumber, kBat);
  EXPECT_EQ(ViewItem(items[0]).name, "Aardvark bat of the nort");
  EXPECT_EQ(DiskRecord()[24], 0x00);

  form.name = "Zz";
  EXPECT_EQ(Apply(form).position, kItemCount - 1);
  EXPECT_EQ(items[kItemCount - 1].itemNumber, kBat);
}

TEST(ApplyItemName, NameFillingItsFieldIsKeptWholeUntilTheUserChangesIt) {
  for (const NameEdit& c : FieldFillingNameEdits()) {
    FixtureImage image = ItemImage();
    image.PutGameText(ItemOffset(kBat), kFieldFillingName, 25);
    OpenFixture fixture(image);
    ItemTable items{};
    LoadItemTable(fixture.file(), kHeaderedLayout, items);
    const auto position = static_cast<std::size_t>(ItemPosition(items, kBat));
    ItemBoxes form = ViewItem(items[position]);
    ASSERT_EQ(form.name, kFieldFillingName);
    form.name = c.typed;
    ApplyItem(fixture.file(), items, position, form, ListOrder::Original);
    FixtureImage expected(25);
    expected.PutGameText(0, c.stored, 25);
    EXPECT_EQ(fixture.Bytes(ItemOffset(kBat), 25), expected.bytes) << c.what;
  }
}

TEST_F(ApplyItemTest, TypeMovesTheItemInTypeOrderAndOriginalOrderKeepsThePosition) {
  SortItems(items, ListOrder::ByType);
  position = static_cast<std::size_t>(ItemPosition(items, kBat));
  ItemBoxes form = UnchangedBoxes();
  form.type = "3";  // after the 253 items of type 0, then "Zinc" (2)
  EXPECT_EQ(Apply(form, ListOrder::ByType).position, 254u);
  form.type = "9";
  EXPECT_EQ(Apply(form, ListOrder::ByType).position, 255u);
  form.type = "0";
  form.name = "Aardvark";
  EXPECT_EQ(Apply(form, ListOrder::ByType).position, 0u);

  SortItems(items, ListOrder::Original);
  position = kBat;
  form.name = "Zz";
  EXPECT_EQ(Apply(form, ListOrder::Original).position, kBat);
  EXPECT_EQ(items[kBat].itemNumber, kBat);
}

TEST_F(ApplyItemTest, FailedWriteIsReported) {
  std::FILE* readOnly = std::fopen(fixture.path().c_str(), "rb");
  ASSERT_TRUE(readOnly);
  EXPECT_FALSE(ApplyItem(readOnly, items, position, UnchangedBoxes(), ListOrder::ByName).written);
  std::fclose(readOnly);
}

}  // namespace
