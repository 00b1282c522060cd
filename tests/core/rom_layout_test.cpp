#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_view.h"
#include "core/enemy/outside_pictures.h"
#include "core/item/apply_item.h"
#include "core/item/item_dump.h"
#include "core/item/item_view.h"
#include "core/rom/load_rom.h"
#include "core/rom/possession.h"
#include "core/tables/table_position.h"
#include "core/text/misc_text_form.h"
#include "core/text/psi_name_form.h"
#include "core/text/teleport_form.h"
#include "tests/support/fixture_image.h"
#include "tests/support/recording_platform.h"

namespace {

constexpr std::uint32_t kMiB = 1024 * 1024;
const std::string kEarthBound = "EARTH BOUND (J)";

RomLayout LayoutOf(const std::vector<std::uint8_t>& bytes) {
  FixtureImage image(0);
  image.bytes = bytes;
  const std::string path = TempPath("layout.sfc");
  image.WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  const RomLayout layout = DecideRomLayout(file);
  std::fclose(file);
  return layout;
}

std::vector<std::uint8_t> WithTitleAt(std::size_t size, std::uint32_t fileOffset, const std::string& title) {
  std::vector<std::uint8_t> bytes(size, 0);
  for (std::size_t i = 0; i < title.size(); ++i) bytes.at(fileOffset + i) = static_cast<std::uint8_t>(title[i]);
  return bytes;
}

TEST(DecideRomLayout, FollowsTheTitleThenTheExpandedHeaderThenTheSize) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    RomLayout expected;
  };
  std::vector<std::uint8_t> both = WithTitleAt(3 * kMiB + 512, 0x101C0, kEarthBound);
  for (std::size_t i = 0; i < kEarthBound.size(); ++i) both[0xFFC0 + i] = static_cast<std::uint8_t>(kEarthBound[i]);
  std::vector<std::uint8_t> expandedTwice = WithTitleAt(6 * kMiB, 0xFFC0, kEarthBound);
  for (std::size_t i = 0; i < kEarthBound.size(); ++i) {
    expandedTwice[0x40FFC0 + i] = static_cast<std::uint8_t>(kEarthBound[i]);
  }
  const Case cases[] = {
      {"headered EarthBound", WithTitleAt(3 * kMiB + 512, 0x101C0, kEarthBound), {512, 0xFFC0}},
      {"headered Mother 2", WithTitleAt(3 * kMiB + 512, 0x101C0, "MOTHER-2       "), {512, 0xFFC0}},
      {"headerless EarthBound", WithTitleAt(3 * kMiB, 0xFFC0, kEarthBound), {0, 0xFFC0}},
      {"headerless Mother 2 of an odd size", WithTitleAt(3 * kMiB + 100, 0xFFC0, "MOTHER-2       "), {0, 0xFFC0}},
      {"a title read both ways: the header wins", both, {512, 0xFFC0}},
      {"headerless, blank title, 3 MiB", std::vector<std::uint8_t>(3 * kMiB, 0), {0, 0xFFC0}},
      {"headered, blank title", std::vector<std::uint8_t>(3 * kMiB + 512, 0), {512, 0xFFC0}},
      {"another game's title, 4 MiB", WithTitleAt(4 * kMiB, 0xFFC0, "SOME OTHER GAME"), {0, 0xFFC0}},
      {"expanded 6 MiB, cleared title at 0xFFC0", WithTitleAt(6 * kMiB, 0x40FFC0, kEarthBound), {0, 0x40FFC0}},
      {"expanded 6 MiB behind a header", WithTitleAt(6 * kMiB + 512, 0x4101C0, kEarthBound), {512, 0x40FFC0}},
      {"expanded 6 MiB titled at both: the expanded header is used", expandedTwice, {0, 0x40FFC0}},
      {"title at 0x40FFC0 without 0x410000 bytes of data", WithTitleAt(0x40FFE0, 0x40FFC0, kEarthBound),
       {512, 0xFFC0}},
      {"empty file", {}, {0, 0xFFC0}},
      {"a few bytes", std::vector<std::uint8_t>(10, 0), {512, 0xFFC0}},
  };
  for (const Case& c : cases) {
    const RomLayout layout = LayoutOf(c.bytes);
    EXPECT_EQ(layout.headerSize, c.expected.headerSize) << c.name;
    EXPECT_EQ(layout.internalHeader, c.expected.internalHeader) << c.name;
  }
}

// A headered image with every table region full of noise, and its headerless twin: the same
// ROM data without the first 512 bytes.
struct Twins {
  explicit Twins(const std::string& title) {
    FixtureImage image;
    std::mt19937 random(13);
    for (std::uint32_t position = 0x40000; position < 0x160000; ++position) {
      image.bytes[Headered(position)] = static_cast<std::uint8_t>(random());
    }
    image.SetTitle(title);
    headered = image.bytes;
    headerless.assign(headered.begin() + 512, headered.end());
  }
  std::vector<std::uint8_t> headered;
  std::vector<std::uint8_t> headerless;
};

// One image loaded as the editor loads it.
struct LoadedImage {
  explicit LoadedImage(const std::vector<std::uint8_t>& bytes) : path(TempPath("twin.sfc")) {
    FixtureImage image(0);
    image.bytes = bytes;
    image.WriteTo(path);
    loaded = LoadRom(path, session, ListOrders{}, tables, platform);
  }
  ~LoadedImage() { CloseRom(session); }

  // Every editor applies its shown record with some boxes changed.
  void EditThroughEveryEditor() {
    EnemyTable& enemies = tables.enemyTable;
    EnemyBoxes enemy = ViewEnemy(enemies[5], enemies, tables.itemTable);
    enemy.hp = "4321";
    enemy.name = "Twin";
    ApplyEnemy(session.romFile, enemies, tables.itemTable, 5, enemy, ListOrder::ByName);

    ItemBoxes item = ViewItem(tables.itemTable[9]);
    item.cost = "77";
    ApplyItem(session.romFile, tables.itemTable, 9, item, ListOrder::ByName);

    PsiNameTexts psi = PsiNameBoxTexts(tables.psiNameTable);
    psi[3] = "Rockin";
    ApplyPsiNameTexts(session.romFile, tables.psiNameTable, psi);

    TeleportTexts teleports = TeleportBoxTexts(tables.teleportTable);
    teleports[2].x = "300";
    ApplyTeleportTexts(session.romFile, tables.teleportTable, teleports);

    const MiscTextTables misc{tables.phoneListTable, tables.ailmentNameTable, tables.battleMenuTable};
    const MiscTextSelection selected{1, 2, 3};
    MiscTextBoxes boxes = MiscTextBoxTexts(misc, selected);
    boxes.phonePointer = "$C0FFEE";
    boxes.ailmentName = "Dizzy";
    boxes.battleMenuEntry = "Bash";
    ApplyMiscTextBoxes(session.romFile, misc, selected, boxes);

    PossessRom(session.romFile, session.romLayout);
  }

  std::vector<std::uint8_t> RomData() {
    FlushRom(session.romFile);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    return {bytes.begin() + session.romLayout.headerSize, bytes.end()};
  }

  std::string path;
  RomSession session;
  GameTables tables;
  RecordingPlatform platform;
  bool loaded = false;
};

TEST(ImageLayouts, HeaderlessTwinDumpsAlikeAndTakesEveryEditAtTheSameRomByte) {
  for (const std::string& title : {kEarthBound, std::string("")}) {
    const Twins twins(title);
    LoadedImage headered(twins.headered);
    LoadedImage headerless(twins.headerless);
    ASSERT_TRUE(headered.loaded && headerless.loaded) << title;
    EXPECT_EQ(headered.session.romLayout.headerSize, 512u) << title;
    EXPECT_EQ(headerless.session.romLayout.headerSize, 0u) << title;
    EXPECT_EQ(headerless.session.romKind, headered.session.romKind) << title;

    EXPECT_EQ(EnemyDumpText(headerless.tables.enemyTable), EnemyDumpText(headered.tables.enemyTable)) << title;
    EXPECT_EQ(ItemDumpText(headerless.tables.itemTable), ItemDumpText(headered.tables.itemTable)) << title;
    for (std::size_t frame : {0, 500, 1143}) {
      PictureBuffer fromHeadered;
      PictureBuffer fromHeaderless;
      DecodeSpriteFrame(headered.session.romFile, headered.session.romLayout, frame, fromHeadered);
      DecodeSpriteFrame(headerless.session.romFile, headerless.session.romLayout, frame, fromHeaderless);
      EXPECT_TRUE(fromHeadered == fromHeaderless) << title << " frame " << frame;
    }

    headered.EditThroughEveryEditor();
    headerless.EditThroughEveryEditor();
    const std::vector<std::uint8_t> edited = headered.RomData();
    EXPECT_NE(edited, twins.headerless) << title << ": the edits changed nothing";
    EXPECT_TRUE(headerless.RomData() == edited) << title;
    EXPECT_TRUE(IsRomPossessed(headerless.session.romFile, headerless.session.romLayout)) << title;
  }
}

// Where the game keeps each table, as ROM positions; a headered file has each 512 bytes later.
TEST(ImageLayouts, TablesAreReadAtTheirRomPositionsBehindTheHeaderOrNot) {
  for (const RomLayout& layout : {kHeaderedLayout, kHeaderlessLayout}) {
    FixtureImage image = FixtureImage::OfLayout(layout);
    image.SetKind(RomKind::EarthBoundRom);
    const std::uint32_t header = layout.headerSize;
    image.PutGameText(header + 0x1595E7 + 1, "First enemy", 25);
    image.PutGameText(header + 0x155000, "First item", 25);
    image.PutGameText(header + 0x158D93, "First PSI", 25);
    image.PutGameText(header + 0x15789F, "First place", 25);
    image.PutGameText(header + 0x157AAE, "First phone", 25);
    image.PutGameText(header + 0x45B70, "First ailment", 16);
    image.PutGameText(header + 0x49FE1, "First word", 16);
    image.Put(header + 0xFFD0, {'B', 'o', 'o', '!'});
    image.Put(header + 0x110000, std::vector<std::uint8_t>(32, 0xFF));
    const std::string name = layout.headerSize ? "headered" : "headerless";

    LoadedImage rom(image.bytes);
    ASSERT_TRUE(rom.loaded) << name;
    EXPECT_TRUE(rom.platform.messages.empty()) << name;
    const GameTables& t = rom.tables;
    EXPECT_EQ(GameText(t.enemyTable[EnemyPosition(t.enemyTable, 0)].name, 25), "First enemy") << name;
    EXPECT_EQ(GameText(t.itemTable[ItemPosition(t.itemTable, 0)].name, 25), "First item") << name;
    EXPECT_EQ(GameText(t.psiNameTable[0].name, 25), "First PSI") << name;
    EXPECT_EQ(GameText(t.teleportTable[0].name, 25), "First place") << name;
    EXPECT_EQ(GameText(t.phoneListTable[0].name, 25), "First phone") << name;
    EXPECT_EQ(GameText(t.ailmentNameTable[0].text, 16), "First ailment") << name;
    EXPECT_EQ(GameText(t.battleMenuTable[0].text, 16), "First word") << name;
    EXPECT_TRUE(IsRomPossessed(rom.session.romFile, rom.session.romLayout)) << name;
    PictureBuffer pixels;
    DecodeSpriteFrame(rom.session.romFile, rom.session.romLayout, 0, pixels);
    EXPECT_EQ(pixels[0], 15) << name << ": frame 0's first tile is solid colour 15";
    EXPECT_EQ(t.enemyTable[EnemyPosition(t.enemyTable, 0)].fileOffset, header + 0x1595E7) << name;
  }
}

TEST(ImageLayouts, ShortImageCheckCountsTheHeaderOnlyWhereThereIsOne) {
  // The enemy table ends last of the tables: at ROM position 0x15EA5B.
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool loads;
  } cases[] = {
      {"headerless, whole enemy table", WithTitleAt(0x15EA5B, 0xFFC0, kEarthBound), true},
      {"headerless, one byte short", WithTitleAt(0x15EA5A, 0xFFC0, kEarthBound), false},
      {"headered, whole enemy table", WithTitleAt(0x15EC5B, 0x101C0, kEarthBound), true},
      {"headered, one byte short", WithTitleAt(0x15EC5A, 0x101C0, kEarthBound), false},
  };
  for (const Case& c : cases) {
    LoadedImage rom(c.bytes);
    EXPECT_EQ(rom.loaded, c.loads) << c.name;
  }
}

}  // namespace
