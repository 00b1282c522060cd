#include <gtest/gtest.h>

#include <filesystem>
#include <cstdio>
#include <set>

#include "core/enemy/outside_pictures.h"
#include "tests/cli/run_cli.h"
#include "tests/support/table_fixture.h"

namespace {

std::set<std::string> DistinctTexts(const std::vector<std::string>& texts) {
  std::set<std::string> distinct(texts.begin(), texts.end());
  distinct.erase("");
  return distinct;
}

TEST(MakeSampleImage, WritesAnEarthBoundImageWithSomethingInEveryTable) {
  const std::string path = TempPath("sample.smc");
  const CliRun made = RunProgram(HostToolPath("make-sample-image"), {path});
  ASSERT_EQ(made.status, 0) << made.err;

  const std::string info = RunCli({"info", path}).out;
  EXPECT_NE(info.find("\nkind: EarthBound\nheader: 512-byte copier header\nsize: 3146240 bytes\n"), std::string::npos)
      << info;
  FixtureImage image;
  image.bytes = ReadFileBytes(path);
  const GameTables tables = LoadTablesFrom(image);

  std::vector<std::string> enemies, items, psi, teleports, phones, ailments, menu;
  for (const EnemyRecord& enemy : tables.enemyTable) enemies.push_back(GameText(enemy.name, kNameFieldLength));
  for (const ItemRecord& item : tables.itemTable) items.push_back(GameText(item.name, kNameFieldLength));
  for (const PsiNameRecord& record : tables.psiNameTable) psi.push_back(record.name);
  for (const TeleportRecord& record : tables.teleportTable) teleports.push_back(record.name);
  for (const PhoneRecord& record : tables.phoneListTable) phones.push_back(record.name);
  for (const ShortTextRecord& record : tables.ailmentNameTable) ailments.push_back(GameText(record.text, 16));
  for (const ShortTextRecord& record : tables.battleMenuTable) menu.push_back(GameText(record.text, 16));
  EXPECT_EQ(DistinctTexts(enemies).size(), kEnemyCount);
  EXPECT_EQ(DistinctTexts(items).size(), kItemCount);
  EXPECT_EQ(DistinctTexts(psi).size(), kPsiNameCount);
  EXPECT_EQ(DistinctTexts(teleports).size(), kTeleportCount);
  EXPECT_EQ(DistinctTexts(phones).size(), kPhoneCount);
  EXPECT_EQ(DistinctTexts(ailments).size(), kAilmentNameCount);
  EXPECT_EQ(DistinctTexts(menu).size(), kBattleMenuCount);
  EXPECT_NE(tables.teleportTable[3].x, 0);
  EXPECT_NE(tables.phoneListTable[2].pointer, 0u);

  // Every outside picture has a creature: coloured inside, black in the corner.
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  for (const std::size_t frame : {std::size_t{0}, std::size_t{18}, std::size_t{107}, kSpriteFrameCount - 1}) {
    PictureBuffer pixels;
    const SpriteFrame shown = DecodeSpriteFrame(file, kHeaderedLayout, frame, pixels);
    const std::size_t middle = shown.heightTiles * 4 * kPictureWidth + shown.widthTiles * 4;
    EXPECT_EQ(pixels[0], 0) << "frame " << frame;
    EXPECT_NE(pixels[middle], 0) << "frame " << frame;
    EXPECT_EQ(pixels[middle] / 16, shown.subPalette) << "frame " << frame;
  }
  std::fclose(file);
}

TEST(MakeSampleImage, RefusesBadUseAndLeavesNoFile) {
  const std::string tool = HostToolPath("make-sample-image");
  const CliRun noArgs = RunProgram(tool, {});
  EXPECT_EQ(noArgs.status, 2);
  EXPECT_NE(noArgs.err.find("usage"), std::string::npos);

  const std::string folder = TempPath("no-folder");
  const CliRun unwritable = RunProgram(tool, {folder + "/sample.smc"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
