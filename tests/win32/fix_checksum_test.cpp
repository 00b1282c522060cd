#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"
#include "tests/support/plain_checksum.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/main_commands.h"

namespace {

using FixChecksumCommand = ShellTest;

// The File menu as the user sees it when opening it.
bool FixChecksumEnabled() {
  SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(fileMenu), 0);
  return (GetMenuState(fileMenu, kCmdFixChecksum, MF_BYCOMMAND) & MF_GRAYED) == 0;
}

TEST_F(FixChecksumCommand, IsGrayedAndDoesNothingWithoutARom) {
  EXPECT_FALSE(FixChecksumEnabled());
  SendCommand(kCmdFixChecksum);
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(FixChecksumCommand, WritesTheChecksumOfEitherLayoutThenFindsItRight) {
  for (const RomLayout& layout : {kHeaderedLayout, kHeaderlessLayout}) {
    FixtureImage image = FixtureImage::OfLayout(layout);
    image.SetKind(RomKind::EarthBoundRom).PutValue(image.FileOffset(0x200000), 0xBEEF, 2);
    const std::string path = TempPath("checksum.sfc");
    image.WriteTo(path);
    LoadRomFromPath(path);
    ASSERT_TRUE(romSession.romLoaded);
    recorder.messages.clear();
    EXPECT_TRUE(FixChecksumEnabled()) << layout.headerSize;

    SendCommand(kCmdFixChecksum);
    const std::vector<std::uint8_t> romData(image.bytes.begin() + layout.headerSize, image.bytes.end());
    const std::uint16_t sum = PlainChecksum(romData, 0xFFC0);
    char sentence[40];
    std::snprintf(sentence, sizeof sentence, "The checksum is now 0x%04X.", sum);
    ASSERT_EQ(recorder.messages.size(), 1u) << layout.headerSize;
    EXPECT_EQ(recorder.messages[0].text, sentence);
    EXPECT_EQ(recorder.messages[0].title, "Checksum");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);
    const std::vector<std::uint8_t> fixed = ReadFileBytes(path);
    const std::uint32_t at = image.FileOffset(0xFFDC);
    EXPECT_EQ(fixed[at] | fixed[at + 1] << 8, sum ^ 0xFFFF) << layout.headerSize;
    EXPECT_EQ(fixed[at + 2] | fixed[at + 3] << 8, sum) << layout.headerSize;

    SendCommand(kCmdFixChecksum);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[1].text, "The checksum was already right.");
    EXPECT_EQ(ReadFileBytes(path), fixed);

    SendCommand(kCmdUndoApply);
    EXPECT_EQ(ReadFileBytes(path), image.bytes) << "Undo Apply takes the fix back";
    EXPECT_EQ(ReadFolderContents(path + ".backups").size(), 1u) << "the fix was backed up first";

    SendCommand(kCmdCloseRom);
    EXPECT_FALSE(FixChecksumEnabled()) << layout.headerSize;
  }
}

}  // namespace
