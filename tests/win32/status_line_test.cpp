#include <gtest/gtest.h>

#include <string>

#include "core/rom/rom_messages.h"
#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

struct Description {
  HTREEITEM MainTreeItems::*item;
  const char* text;
};

// Every item but the root, which carries the ROM state instead.
const Description kDescriptions[] = {
    {&MainTreeItems::enemies, "Modify Enemy Attributes"},
    {&MainTreeItems::items, "Modify Item Attributes"},
    {&MainTreeItems::psi, "Modify PSI and PSI-related attributes"},
    {&MainTreeItems::names, "Modify PSI names"},
    {&MainTreeItems::teleport, "Modify teleport location and names"},
    {&MainTreeItems::text, "Modify game text"},
    {&MainTreeItems::about, "About Quillon"},
    {&MainTreeItems::help, "View the Quillon help file"},
};

class StatusLineText : public ShellTest {
 protected:
  void LoadFromRecentEntry(const std::string& path) {
    recentRoms[0] = path;
    SendCommand(kCmdRecentRom0);
  }
};

TEST_F(StatusLineText, DescribesEveryItemWithoutRom) {
  for (const Description& d : kDescriptions) EXPECT_EQ(StatusLineFor(treeItems.*d.item), d.text);
  EXPECT_EQ(StatusLineFor(treeItems.root), "Quillon! - No ROM loaded - 0 bytes");
  EXPECT_EQ(StatusLineFor(nullptr), "Quillon!");
}

TEST_F(StatusLineText, RootShowsTheKindAndSizeOfTheLoadedRom) {
  struct Case {
    RomKind kind;
    const char* expected;
  } cases[] = {
      {RomKind::EarthBoundRom, "Quillon! - EarthBound ROM - 3146240 bytes"},
      {RomKind::Mother2Rom, "Quillon! - Mother 2 ROM - 3146240 bytes"},
      {RomKind::UnrecognizedRom, "Quillon! - Unrecognized ROM - 3146240 bytes"},
  };
  for (const Case& c : cases) {
    LoadFromRecentEntry(WriteFixtureRom("kind.smc", c.kind));
    ASSERT_TRUE(romSession.romLoaded) << c.expected;
    EXPECT_EQ(StatusLineFor(treeItems.root), c.expected);
    EXPECT_EQ(StatusLineFor(treeItems.enemies), "Modify Enemy Attributes") << c.expected;
  }
}

TEST_F(StatusLineText, PossessedRomAddsTheSuffixToEveryItem) {
  LoadFromRecentEntry(WriteFixtureRom("possessed.smc", RomKind::EarthBoundRom, true));
  ASSERT_TRUE(romSession.romLoaded);
  for (const Description& d : kDescriptions) {
    EXPECT_EQ(StatusLineFor(treeItems.*d.item), std::string(d.text) + " - Possessed!");
  }
  EXPECT_EQ(StatusLineFor(treeItems.root), "Quillon! - EarthBound ROM - 3146240 bytes - Possessed!");
  EXPECT_EQ(StatusLineFor(nullptr), "Quillon! - Possessed!");

  StatusLineFor(treeItems.items);
  SendCommand(kCmdCloseRom);
  EXPECT_EQ(StatusLine(), "Modify Item Attributes");
}

TEST_F(StatusLineText, LoadRefreshesTheLineOfTheSelectedItem) {
  StatusLineFor(treeItems.root);
  LoadFromRecentEntry(WriteFixtureRom("refresh.smc", RomKind::EarthBoundRom, true));
  EXPECT_EQ(StatusLine(), "Quillon! - EarthBound ROM - 3146240 bytes - Possessed!");
}

TEST_F(StatusLineText, LoadShowsTheKindAndSizeWhicheverItemIsSelected) {
  StatusLineFor(treeItems.items);
  LoadFromRecentEntry(WriteFixtureRom("any item.smc", RomKind::EarthBoundRom));
  EXPECT_EQ(StatusLine(), "Quillon! - EarthBound ROM - 3146240 bytes");
  EXPECT_EQ(StatusLineFor(treeItems.items), "Modify Item Attributes") << "until another item is chosen";
}

TEST_F(StatusLineText, TheTitleNamesTheLoadedFile) {
  const std::string path = WriteFixtureRom("titled.smc", RomKind::EarthBoundRom);
  LoadFromRecentEntry(path);
  EXPECT_EQ(WindowText(mainWindow), "Quillon! - " + path.substr(path.find_last_of('\\') + 1));
  ASSERT_EQ(path.substr(path.size() - 11), "-titled.smc");
  SendCommand(kCmdCloseRom);
  EXPECT_EQ(WindowText(mainWindow), "Quillon!");

  LoadFromRecentEntry(WriteFixtureRom("titled.smc", RomKind::EarthBoundRom));
  LoadFromRecentEntry(TempPath("missing.smc"));
  EXPECT_EQ(WindowText(mainWindow), "Quillon!") << "a failed load has closed the image";
}

TEST_F(StatusLineText, FailedLoadShowsThatNoRomIsLoaded) {
  const std::string tooSmall = TempPath("small.smc");
  FixtureImage(FixtureImage::kFullSize / 4).SetKind(RomKind::EarthBoundRom).WriteTo(tooSmall);
  // Its low 32 bits are the size of a real image.
  const std::string tooLarge = TempPath("large.smc");
  const std::uint64_t largeSize = (std::uint64_t{1} << 32) + FixtureImage::kFullSize;
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(tooLarge, largeSize);
  std::FILE* large = std::fopen(tooLarge.c_str(), "rb");
  ASSERT_NE(large, nullptr);
  EXPECT_EQ(GetRomSize(large), static_cast<std::int64_t>(largeSize));
  std::fclose(large);
  const std::string missing = TempPath("missing.smc");
  struct Case {
    std::string path;
    std::string message;
  } cases[] = {
      {missing, "Error reading file."},
      {tooSmall, TooSmallRomMessage(tooSmall)},
      {tooLarge, TooLargeRomMessage(tooLarge)},
  };
  for (const Case& c : cases) {
    LoadFromRecentEntry(WriteFixtureRom("first.smc", RomKind::EarthBoundRom));
    ASSERT_TRUE(romSession.romLoaded);
    StatusLineFor(treeItems.root);
    LoadFromRecentEntry(c.path);
    EXPECT_FALSE(romSession.romLoaded) << c.path;
    EXPECT_EQ(StatusLine(), "Quillon! - No ROM loaded - 0 bytes") << c.path;
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().text, c.message);
  }
}

}  // namespace
