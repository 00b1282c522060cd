#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "tests/support/fixture_image.h"
#include "tests/win32/enemy_editor_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/main_commands.h"
#include "win32/editors/enemy_editor_window.h"

namespace {

using HeaderlessImage = EnemyEditorTest;

TEST_F(HeaderlessImage, LoadsWithoutAWarningAndTheStatusLineSaysSo) {
  const std::string path = TempPath("headerless.sfc");
  EnemyEditorImage().HeaderlessTwin().WriteTo(path);
  LoadRomFromPath(path);
  ASSERT_TRUE(romSession.romLoaded);
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_EQ(romSession.romKind, RomKind::EarthBoundRom);
  EXPECT_EQ(StatusLineFor(treeItems.root), "Quillon! - EarthBound ROM (no header) - 3145728 bytes");
}

TEST_F(HeaderlessImage, AnEnemyApplyLandsOnTheSameRomByteAsInTheHeaderedTwin) {
  const FixtureImage headered = EnemyEditorImage();
  std::vector<std::vector<std::uint8_t>> romData;
  for (const FixtureImage& image : {headered, headered.HeaderlessTwin()}) {
    path = LoadImage(image);
    EnemySelection = PositionOfEnemy(kShownEnemy);
    ASSERT_TRUE(OpenFromTree(treeItems.enemies, [&](HWND editor) {
      TypeText(EnemyControl(editor, kEnemyHpId), "4321");
      ClickApply(editor);
    }));
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    romData.emplace_back(bytes.begin() + image.layout.headerSize, bytes.end());
  }
  // HP sits 33 bytes into the record, low byte first: 512 bytes lower without the header.
  const std::uint32_t hp = 0x1595E7 + 94 * kShownEnemy + 33;
  EXPECT_EQ(romData[1][hp], 0xE1);
  EXPECT_EQ(romData[1][hp + 1], 0x10);
  EXPECT_TRUE(romData[0] == romData[1]);
}

}  // namespace
