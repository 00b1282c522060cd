#include <gtest/gtest.h>

#include <algorithm>

#include "core/compare/change_texts.h"
#include "core/compare/compare_images.h"
#include "core/compare/save_changes.h"
#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_list_texts.h"
#include "core/enemy/enemy_record.h"
#include "tests/support/csv_fields.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"

namespace {

namespace at = EnemyFieldOffset;

ByteSpan RomDataOf(const FixtureImage& image) {
  return ByteSpan(image.bytes).From(image.layout.headerSize);
}

ImageChanges Compare(const FixtureImage& unedited, const FixtureImage& edited) {
  return CompareImages(RomDataOf(unedited), RomDataOf(edited));
}

// ROM positions, written out so that a wrong constant in the program shows.
constexpr std::uint32_t kTeleports = 0x15789F;
constexpr std::uint32_t kPhones = 0x157AAE;
constexpr std::uint32_t kAilments = 0x45B70;
constexpr std::uint32_t kBattleMenu = 0x49FE1;
constexpr std::uint32_t kPsiNames = 0x158D93;
constexpr std::uint32_t kItems = 0x155000;

std::uint32_t ActionTakingAn(ActionArgumentKind kind) {
  return static_cast<std::uint32_t>(
      std::find(ActionArgumentKinds.begin(), ActionArgumentKinds.end(), kind) - ActionArgumentKinds.begin());
}

// Enemy 12 "Starman" with 21 HP, a PSI action first and an enemy action second; item 5
// "Cracked Bat" for Ness; item 6 permanent by one of its two bits; teleport row 3 "Threed".
FixtureImage Unedited() {
  FixtureImage image;
  PutEnemyName(image, 12, "Starman");
  PutEnemyField(image, 12, at::kHp, 21, 2);
  PutEnemyField(image, 12, at::kActions, ActionTakingAn(ActionArgumentKind::Psi), 2);
  PutEnemyField(image, 12, at::kArguments, 1, 1);
  PutEnemyField(image, 12, at::kActions + 2, ActionTakingAn(ActionArgumentKind::Enemy), 2);
  PutItem(image, 5, {"Cracked Bat", 4, 18, kItemNess, 0, 0, 0, 0, 0, 0xC50000});
  PutItem(image, 6, {"", 0, 0, 0x20, 0, 0, 0, 0, 0, 0});
  image.PutGameText(Headered(kTeleports + 2 * 31), "Threed", 25);
  image.PutValue(Headered(kTeleports + 2 * 31 + 27), 100, 2);
  image.PutValue(Headered(kTeleports + 2 * 31 + 29), 90, 2);
  return image;
}

struct FieldCase {
  const char* what;
  void (*edit)(FixtureImage& image);
  FieldChange expected;
};

TEST(CompareImages, ListsEachKindOfFieldAsItsEditorShowsIt) {
  const FieldCase cases[] = {
      {"number", [](FixtureImage& i) { PutEnemyField(i, 12, at::kHp, 40, 2); },
       {"enemy", 12, "Starman", "HP", "21", "40"}},
      {"number of four bytes", [](FixtureImage& i) { PutEnemyField(i, 12, at::kExperience, 4000000000u, 4); },
       {"enemy", 12, "Starman", "Exp", "0", "4000000000"}},
      {"signed number", [](FixtureImage& i) { i.PutByte(ItemOffset(5) + 31, 0xFD); },
       {"item", 5, "Cracked Bat", "Strength", "0", "-3"}},
      {"number of an item", [](FixtureImage& i) { i.PutValue(ItemOffset(5) + 26, 25, 2); },
       {"item", 5, "Cracked Bat", "Cost", "18", "25"}},
      {"address", [](FixtureImage& i) { i.PutValue(ItemOffset(5) + 35, 0xC5A01F, 4); },
       {"item", 5, "Cracked Bat", "Desc. address", "$C50000", "$C5A01F"}},
      {"name", [](FixtureImage& i) { PutEnemyName(i, 12, "Star Man"); },
       {"enemy", 12, "Starman", "Name", "Starman", "Star Man"}},
      {"choice from a catalogue", [](FixtureImage& i) { PutEnemyField(i, 12, at::kMusic, 1, 1); },
       {"enemy", 12, "Starman", "Music", MusicNames[0], MusicNames[1]}},
      {"choice from a fixed list", [](FixtureImage& i) { PutEnemyField(i, 12, at::kType, 2, 1); },
       {"enemy", 12, "Starman", "Type", "Normal", "Metal"}},
      {"choice outside its list", [](FixtureImage& i) { PutEnemyField(i, 12, at::kItemFrequency, 9, 1); },
       {"enemy", 12, "Starman", "Item freq.", "1/128", ""}},
      {"choice of an item", [](FixtureImage& i) { PutEnemyField(i, 12, at::kItem, 5, 1); },
       {"enemy", 12, "Starman", "Item", " - [0]", "Cracked Bat - [5]"}},
      {"argument of a PSI action", [](FixtureImage& i) { PutEnemyField(i, 12, at::kArguments, 2, 1); },
       {"enemy", 12, "Starman", "Argument 1", PsiArgumentNames[0], PsiArgumentNames[1]}},
      {"argument of an enemy action", [](FixtureImage& i) { PutEnemyField(i, 12, at::kArguments + 1, 13, 1); },
       {"enemy", 12, "Starman", "Argument 2", "", "Starman - [12]"}},
      {"action", [](FixtureImage& i) { PutEnemyField(i, 12, at::kActions + 6, 3, 2); },
       {"enemy", 12, "Starman", "Action 4", ActionNames[0], ActionNames[3]}},
      {"flag", [](FixtureImage& i) { PutEnemyField(i, 12, at::kTheFlag, 1, 1); },
       {"enemy", 12, "Starman", "'The' flag", "none", "'The' flag"}},
      {"flags by their names", [](FixtureImage& i) { i.PutByte(ItemOffset(5) + 28, kItemNess | kItemJeff); },
       {"item", 5, "Cracked Bat", "Who can use?", "Ness", "Ness, Jeff"}},
      {"no flag", [](FixtureImage& i) { i.PutByte(ItemOffset(5) + 28, 0); },
       {"item", 5, "Cracked Bat", "Who can use?", "Ness", "none"}},
      {"flags of the other group", [](FixtureImage& i) { i.PutByte(ItemOffset(5) + 28, kItemNess | 0x80 | 0x10); },
       {"item", 5, "Cracked Bat", "Misc. options", "Infinite Use", "Chicken"}},
      {"teleport rows count from 1", [](FixtureImage& i) { i.PutValue(Headered(kTeleports + 2 * 31 + 27), 120, 2); },
       {"teleport", 3, "Threed", "X", "100", "120"}},
      {"pointer", [](FixtureImage& i) { i.PutValue(Headered(kPhones + 4 * 31 + 27), 0xC7FF00, 4); },
       {"phone", 4, "", "Pointer", "$0", "$C7FF00"}},
      {"short text", [](FixtureImage& i) { i.PutGameText(Headered(kAilments + 9 * 16), "Mushroomized!!!!", 16); },
       {"ailment", 9, "", "Name", "", "Mushroomized!!!!"}},
      {"battle menu", [](FixtureImage& i) { i.PutGameText(Headered(kBattleMenu + 10 * 16), "Goods", 16); },
       {"battle-menu", 10, "", "Name", "", "Goods"}},
      {"psi name", [](FixtureImage& i) { i.PutGameText(Headered(kPsiNames + 15 * 25), "Rockin", 25); },
       {"psi-name", 15, "", "Name", "", "Rockin"}},
      {"a byte no field shows", [](FixtureImage& i) { PutEnemyField(i, 12, at::kBossFlag, 1, 1); },
       {"enemy", 12, "Starman", "Byte 86", "00", "01"}},
      {"bytes after a name's end", [](FixtureImage& i) { i.Put(EnemyRecordOffset(12) + 20, {0x41, 0x42}); },
       {"enemy", 12, "Starman", "Bytes 20-21", "00 00", "41 42"}},
      {"the other bit of a two-bit flag", [](FixtureImage& i) { i.PutByte(ItemOffset(6) + 28, 0x40); },
       {"item", 6, "", "Byte 28", "20", "40"}},
  };
  for (const FieldCase& c : cases) {
    FixtureImage edited = Unedited();
    c.edit(edited);
    const ImageChanges changes = Compare(Unedited(), edited);
    EXPECT_EQ(ChangeLines(changes), ChangeLine(c.expected) + "\n") << c.what;
  }
}

TEST(CompareImages, ListsFieldsInTableOrderWhateverTheirPlaceInTheImage) {
  FixtureImage edited = Unedited();
  edited.PutGameText(Headered(kAilments), "Cold", 16);  // the lowest ROM position of all
  edited.PutValue(ItemOffset(5) + 26, 25, 2);
  PutEnemyField(edited, 12, at::kMoney, 7, 2);
  PutEnemyField(edited, 12, at::kHp, 40, 2);
  PutEnemyField(edited, 3, at::kHp, 1, 2);
  EXPECT_EQ(ChangeLines(Compare(Unedited(), edited)),
            "enemy 3 \"\": HP 0 -> 1\n"
            "enemy 12 \"Starman\": HP 21 -> 40\n"
            "enemy 12 \"Starman\": Money 0 -> 7\n"
            "item 5 \"Cracked Bat\": Cost 18 -> 25\n"
            "ailment 0 \"\": Name  -> Cold\n");
}

TEST(CompareImages, AHeaderedAndAHeaderlessImageCompareByTheirRomData) {
  FixtureImage edited = Unedited();
  PutEnemyField(edited, 12, at::kHp, 40, 2);
  edited.PutByte(Headered(0x1A2B00), 1);
  edited.bytes[0] = 0x55;  // in the copier header: not ROM data
  const std::string expected = ChangeLines(Compare(Unedited(), edited));
  EXPECT_EQ(expected,
            "enemy 12 \"Starman\": HP 21 -> 40\n"
            "bytes 0x1A2B00-0x1A2B00: 1 differs (outside the known tables)\n");
  EXPECT_EQ(ChangeLines(Compare(Unedited().HeaderlessTwin(), edited.HeaderlessTwin())), expected);
  EXPECT_EQ(ChangeLines(Compare(Unedited(), edited.HeaderlessTwin())), expected);
  EXPECT_EQ(ChangeLines(Compare(Unedited().HeaderlessTwin(), edited)), expected);
}

struct StretchCase {
  const char* what;
  std::vector<std::uint32_t> differing;  // ROM positions
  std::vector<ByteStretch> expected;
};

TEST(CompareImages, JoinsDifferingBytesCloseTogetherIntoStretches) {
  const StretchCase cases[] = {
      {"one byte", {0x200000}, {{0x200000, 0x200000, 1}}},
      {"a run", {0x200000, 0x200001, 0x200002}, {{0x200000, 0x200002, 3}}},
      {"16 equal bytes between join", {0x200000, 0x200011}, {{0x200000, 0x200011, 2}}},
      {"17 equal bytes between split", {0x200000, 0x200012}, {{0x200000, 0x200000, 1}, {0x200012, 0x200012, 1}}},
      {"a table between splits", {kItems - 1, kItems + 256 * 39}, {{kItems - 1, kItems - 1, 1},
                                                                      {kItems + 256 * 39, kItems + 256 * 39, 1}}},
      {"a run into a table stops at it", {kItems - 2, kItems - 1, kItems}, {{kItems - 2, kItems - 1, 2}}},
      {"the first and last bytes", {0, 0x2FFFFF}, {{0, 0, 1}, {0x2FFFFF, 0x2FFFFF, 1}}},
  };
  for (const StretchCase& c : cases) {
    FixtureImage edited = Unedited();
    for (const std::uint32_t position : c.differing) edited.bytes[Headered(position)] ^= 0x80;
    const ImageChanges changes = Compare(Unedited(), edited);
    std::string expected;
    for (const ByteStretch& stretch : c.expected) expected += StretchLine(stretch) + "\n";
    std::string stretches;
    for (const ByteStretch& stretch : changes.stretches) stretches += StretchLine(stretch) + "\n";
    EXPECT_EQ(stretches, expected) << c.what;
  }
}

TEST(CompareImages, BytesOnlyOneImageHoldsAllDiffer) {
  FixtureImage longer = Unedited();
  longer.bytes.resize(longer.bytes.size() + 0x100, 0);
  const std::string grown = "bytes 0x300000-0x3000FF: 256 differ (outside the known tables)\n";
  EXPECT_EQ(ChangeLines(Compare(Unedited(), longer)), grown);
  EXPECT_EQ(ChangeLines(Compare(longer, Unedited())), grown);
}

TEST(CompareImages, ListsNothingForTheSameImage) {
  EXPECT_TRUE(Compare(Unedited(), Unedited().HeaderlessTwin()).Empty());
}

TEST(ChangeTexts, CsvParsesBackToTheRowsWithQuotesAndCommasInNames) {
  FixtureImage edited = Unedited();
  PutEnemyName(edited, 12, "Star, \"Man\"");
  edited.PutByte(ItemOffset(5) + 28, kItemNess | kItemJeff);
  edited.PutByte(Headered(0x1A2B00), 1);
  const ImageChanges changes = Compare(Unedited(), edited);
  const std::string csv = ChangesCsv(changes);
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "table,record,name,field,before,after\r\n");
  std::vector<std::vector<std::string>> expected = {{"table", "record", "name", "field", "before", "after"},
                                                    {"enemy", "12", "Starman", "Name", "Starman", "Star, \"Man\""},
                                                    {"item", "5", "Cracked Bat", "Who can use?", "Ness", "Ness, Jeff"},
                                                    {"bytes", "0x1A2B00", "0x1A2B00-0x1A2B00", "1", "", ""}};
  EXPECT_EQ(ParseCsv(csv), expected);
  expected.erase(expected.begin());
  EXPECT_EQ(ChangeRows(changes), expected);
}

TEST(ChangeTexts, TabSeparatedRowsKeepEachRowOnItsLine) {
  EXPECT_EQ(TabSeparatedRows({{"enemy", "12", "Star\tMan", "HP", "21", "40"}, {"bytes", "0x000001", "a\r\nb", "1", "", ""}}),
            "enemy\t12\tStar Man\tHP\t21\t40\r\nbytes\t0x000001\ta  b\t1\t\t\r\n");
}

TEST(SaveChangesCsv, WritesTheCsvOrLeavesTheTargetAlone) {
  FixtureImage edited = Unedited();
  PutEnemyField(edited, 12, at::kHp, 40, 2);
  const ImageChanges changes = Compare(Unedited(), edited);
  const std::string path = TempPath("changes.csv");
  ASSERT_TRUE(SaveChangesCsv(changes, path));
  EXPECT_EQ(ReadFileText(path), ChangesCsv(changes));
  EXPECT_FALSE(SaveChangesCsv(changes, TempPath("no-such-folder") + "/changes.csv"));
}

}  // namespace
