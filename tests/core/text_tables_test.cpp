#include <gtest/gtest.h>

#include <functional>

#include "core/text/misc_text_tables.h"
#include "core/text/psi_name_table.h"
#include "core/text/teleport_table.h"
#include "tests/support/table_fixture.h"

namespace {

std::vector<std::uint8_t> Encoded(const std::string& text, std::size_t length) {
  std::vector<std::uint8_t> bytes(length, 0);
  for (std::size_t i = 0; i < text.size() && i < length; ++i) bytes[i] = EncodeGameChar(text[i]);
  return bytes;
}

TEST(LoadTextTables, EntriesAreReadAtTheirOffsetsBoundedByTheirFields) {
  FixtureImage image;
  image.PutGameText(0x158F93, "PK Fire", 25)
      .PutGameText(0x158F93 + 25, std::string(25, 'Y'), 25)  // no terminator: the next entry follows
      .PutGameText(0x158F93 + 25 * 15, "Last", 25)
      .Put(0x158F93 + 50, {0x71, 0x30, 0x72, 0xE0});          // 0x30 mid-name, bytes after it
  image.PutGameText(0x157A9F, "Onett", 25).PutValue(0x157A9F + 25, 0xBEEF, 2).PutValue(0x157A9F + 27, 0x1234, 2)
      .PutValue(0x157A9F + 29, 0xFFFF, 2);
  image.PutGameText(0x157A9F + 31 * 15, std::string(25, 'T'), 25).PutValue(0x157A9F + 31 * 15 + 27, 7, 2);
  image.PutGameText(0x157CAE, "Dad", 25).PutValue(0x157CAE + 27, 0xC5A1B2C3, 4);
  image.PutGameText(0x157CAE + 31 * 4, "Escargo", 25).PutValue(0x157CAE + 31 * 4 + 27, 0x10, 4);
  image.PutGameText(0x45D70, "Poisoned", 16).PutGameText(0x45D70 + 16, std::string(16, 'S'), 16)
      .PutGameText(0x45D70 + 16 * 9, "Homesick", 16);
  image.PutGameText(0x4A1E1, "Bash", 16).Put(0x4A1E1 + 16 * 10, {0xB0, 0xFF, 0x01});
  const GameTables tables = LoadTablesFrom(image);

  const PsiNameTable& psi = tables.psiNameTable;
  EXPECT_EQ(psi[0].fileOffset, 0x158F93u);
  EXPECT_STREQ(psi[0].name, "PK Fire");
  EXPECT_EQ(std::string(psi[1].name), std::string(25, 'Y')) << "terminated after the field";
  EXPECT_STREQ(psi[2].name, "A");
  EXPECT_EQ(psi[2].name[2], 'B');
  EXPECT_EQ(psi[15].fileOffset, 0x158F93u + 25 * 15);
  EXPECT_STREQ(psi[15].name, "Last");

  const TeleportTable& teleports = tables.teleportTable;
  EXPECT_EQ(teleports[0].fileOffset, 0x157A9Fu);
  EXPECT_STREQ(teleports[0].name, "Onett");
  EXPECT_EQ(teleports[0].x, 0x1234);
  EXPECT_EQ(teleports[0].y, 0xFFFF);
  EXPECT_EQ(teleports[15].fileOffset, 0x157A9Fu + 31 * 15);
  EXPECT_EQ(std::string(teleports[15].name), std::string(25, 'T'));
  EXPECT_EQ(teleports[15].x, 7);

  const PhoneListTable& phones = tables.phoneListTable;
  EXPECT_EQ(phones[0].fileOffset, 0x157CAEu);
  EXPECT_STREQ(phones[0].name, "Dad");
  EXPECT_EQ(phones[0].pointer, 0xC5A1B2C3u);
  EXPECT_EQ(phones[4].fileOffset, 0x157CAEu + 31 * 4);
  EXPECT_STREQ(phones[4].name, "Escargo");
  EXPECT_EQ(phones[4].pointer, 0x10u);

  const AilmentNameTable& ailments = tables.ailmentNameTable;
  EXPECT_EQ(ailments[0].fileOffset, 0x45D70u);
  EXPECT_EQ(GameText(ailments[0].text, kShortTextFieldLength), "Poisoned");
  EXPECT_EQ(GameText(ailments[1].text, kShortTextFieldLength), std::string(16, 'S'));
  EXPECT_EQ(ailments[9].fileOffset, 0x45D70u + 16 * 9);
  EXPECT_EQ(GameText(ailments[9].text, kShortTextFieldLength), "Homesick");

  const BattleMenuTable& menu = tables.battleMenuTable;
  EXPECT_EQ(menu[0].fileOffset, 0x4A1E1u);
  EXPECT_EQ(GameText(menu[0].text, kShortTextFieldLength), "Bash");
  EXPECT_EQ(menu[10].fileOffset, 0x4A1E1u + 16 * 10);
  EXPECT_EQ(GameText(menu[10].text, kShortTextFieldLength), "\x80\xCF\xD1");
}

// Every text writer on one image whose entries start out full of 0xEE.
class TextTableWriters : public ::testing::Test {
 protected:
  TextTableWriters() : fixture(MakeImage()) {
    std::FILE* file = fixture.file();
    LoadPsiNames(file, kHeaderedLayout, psi);
    LoadTeleports(file, kHeaderedLayout, teleports);
    LoadPhoneList(file, kHeaderedLayout, phones);
    LoadAilmentNames(file, kHeaderedLayout, ailments);
    LoadBattleMenu(file, kHeaderedLayout, menu);
  }

  static FixtureImage MakeImage() {
    FixtureImage image;
    image.Put(0x158F93, std::vector<std::uint8_t>(400, 0xEE))
        .Put(0x157A9F, std::vector<std::uint8_t>(496, 0xEE))
        .Put(0x157CAE, std::vector<std::uint8_t>(155, 0xEE))
        .Put(0x45D70, std::vector<std::uint8_t>(160, 0xEE))
        .Put(0x4A1E1, std::vector<std::uint8_t>(176, 0xEE));
    return image;
  }

  OpenFixture fixture;
  PsiNameTable psi{};
  TeleportTable teleports{};
  PhoneListTable phones{};
  AilmentNameTable ailments{};
  BattleMenuTable menu{};
};

TEST_F(TextTableWriters, TextsFillTheirWholeFieldAndNothingElse) {
  const std::string longText(30, 'k');
  struct Case {
    const char* name;
    std::function<bool(const std::string&)> write;
    std::function<std::string()> inMemory;
    std::uint32_t offset;
    std::size_t field;
  } cases[] = {
      {"PSI name", [&](const std::string& t) { return WritePsiName(psi[3], fixture.file(), t); },
       [&] { return std::string(psi[3].name); }, 0x158F93 + 25 * 3, 25},
      {"teleport name", [&](const std::string& t) { return WriteTeleportName(teleports[2], fixture.file(), t); },
       [&] { return std::string(teleports[2].name); }, 0x157A9F + 31 * 2, 25},
      {"phone name", [&](const std::string& t) { return WritePhoneName(phones[4], fixture.file(), t); },
       [&] { return std::string(phones[4].name); }, 0x157CAE + 31 * 4, 25},
      {"ailment", [&](const std::string& t) { return WriteAilmentName(ailments[9], fixture.file(), t); },
       [&] { return GameText(ailments[9].text, 16); }, 0x45D70 + 16 * 9, 16},
      {"battle menu", [&](const std::string& t) { return WriteBattleMenuEntry(menu[0], fixture.file(), t); },
       [&] { return GameText(menu[0].text, 16); }, 0x4A1E1, 16},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> before = fixture.Bytes(c.offset - 1, c.field + 8);
    // The 24-character cut comes before the field's length: a 25-byte name always ends in 0.
    const std::string stored = longText.substr(0, c.field == 25 ? 24 : 16);
    for (const std::string& text : {std::string("Fourside"), std::string(), longText}) {
      ASSERT_TRUE(c.write(text)) << c.name;
      const std::string expectedText = text == longText ? stored : text;
      std::vector<std::uint8_t> expected = before;
      const std::vector<std::uint8_t> field = Encoded(expectedText, c.field);
      std::copy(field.begin(), field.end(), expected.begin() + 1);
      EXPECT_EQ(fixture.Bytes(c.offset - 1, c.field + 8), expected) << c.name << " \"" << text << '"';
      EXPECT_EQ(c.inMemory(), expectedText) << c.name;
    }
  }
}

TEST_F(TextTableWriters, NumbersGoLowByteFirstAndLeaveBytes25And26Alone) {
  const std::uint32_t teleport = 0x157A9F + 31 * 5;
  ASSERT_TRUE(WriteTeleportX(teleports[5], fixture.file(), 0x1234));
  ASSERT_TRUE(WriteTeleportY(teleports[5], fixture.file(), -1));
  EXPECT_EQ(fixture.Bytes(teleport + 25, 6), (std::vector<std::uint8_t>{0xEE, 0xEE, 0x34, 0x12, 0xFF, 0xFF}));
  EXPECT_EQ(teleports[5].x, 0x1234);
  EXPECT_EQ(teleports[5].y, -1) << "memory keeps the whole value";
  ASSERT_TRUE(WriteTeleportX(teleports[5], fixture.file(), 70000));
  EXPECT_EQ(fixture.Bytes(teleport + 27, 2), (std::vector<std::uint8_t>{0x70, 0x11}));
  EXPECT_EQ(teleports[5].x, 70000);

  const std::uint32_t phone = 0x157CAE + 31 * 1;
  ASSERT_TRUE(WritePhonePointer(phones[1], fixture.file(), 0xC5A1B2));
  EXPECT_EQ(fixture.Bytes(phone + 25, 7), (std::vector<std::uint8_t>{0xEE, 0xEE, 0xB2, 0xA1, 0xC5, 0x00, 0xEE}));
  EXPECT_EQ(phones[1].pointer, 0xC5A1B2u);

  ASSERT_TRUE(WriteTeleportName(teleports[5], fixture.file(), "Twoson"));
  ASSERT_TRUE(WritePhoneName(phones[1], fixture.file(), ""));
  EXPECT_EQ(fixture.Bytes(teleport + 25, 2), (std::vector<std::uint8_t>{0xEE, 0xEE}));
  EXPECT_EQ(fixture.Bytes(phone + 25, 2), (std::vector<std::uint8_t>{0xEE, 0xEE}));
}

}  // namespace
