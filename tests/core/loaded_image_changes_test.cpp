#include <gtest/gtest.h>

#include "core/compare/change_texts.h"
#include "core/compare/loaded_image_changes.h"
#include "core/enemy/enemy_fields.h"
#include "core/rom/image_action.h"
#include "core/rom/load_rom.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/recording_platform.h"

namespace {

class LoadedImageChanges : public ::testing::Test {
 protected:
  LoadedImageChanges() {
    FixtureImage image;
    image.SetKind(RomKind::EarthBoundRom);
    PutEnemyName(image, 7, "Spiteful Crow");
    PutEnemyField(image, 7, EnemyFieldOffset::kHp, 21, 2);
    image.WriteTo(path);
    image.HeaderlessTwin().WriteTo(headerlessPath);
    ListOrders original;
    original.enemyListOrder = ListOrder::Original;
    EXPECT_TRUE(LoadRom(path, session, original, tables, platform));
  }
  ~LoadedImageChanges() override { CloseRom(session); }

  void WriteHp(std::uint32_t hp) {
    ASSERT_EQ(RunImageAction(session, [&] { return WriteEnemyHp(tables.enemyTable[7], session.romFile, hp); }),
              ActionOutcome::Written);
  }

  const std::string path = TempPath("loaded.smc");
  const std::string headerlessPath = TempPath("unedited.sfc");
  RomSession session;
  GameTables tables;
  RecordingPlatform platform;
};

TEST_F(LoadedImageChanges, SinceLoadingListsWhatTheWritesOfThisLoadChanged) {
  const ListedChanges before = ChangesSinceLoading(session);
  EXPECT_EQ(before.message, "Nothing has been written since the image was loaded.");
  EXPECT_EQ(before.messageKind, MessageKind::Information);

  WriteHp(40);
  WriteHp(45);
  const ListedChanges after = ChangesSinceLoading(session);
  EXPECT_EQ(after.message, "");
  EXPECT_EQ(ChangeLines(after.changes), "enemy 7 \"Spiteful Crow\": HP 21 -> 45\n");

  ListOrders orders;
  ASSERT_TRUE(LoadRom(path, session, orders, tables, platform));
  EXPECT_EQ(ChangesSinceLoading(session).message, kNothingWrittenSinceLoading) << "a new load starts afresh";
}

TEST_F(LoadedImageChanges, AgainstAFileComparesByRomDataOrSaysWhyNot) {
  WriteHp(40);
  const ListedChanges listed = ChangesSinceImageFile(headerlessPath, session);
  EXPECT_EQ(listed.message, "");
  EXPECT_EQ(ChangeLines(listed.changes), "enemy 7 \"Spiteful Crow\": HP 21 -> 40\n");

  const ListedChanges missing = ChangesSinceImageFile(TempPath("none.smc"), session);
  EXPECT_EQ(missing.message, "Error Opening ROM for Reading");
  EXPECT_EQ(missing.messageKind, MessageKind::Warning);
}

}  // namespace
