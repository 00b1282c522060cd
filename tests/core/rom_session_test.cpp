#include <gtest/gtest.h>

#include <filesystem>

#include "core/rom/load_rom.h"
#include "core/rom/rom_messages.h"
#include "tests/support/fixture_image.h"
#include "tests/support/recording_platform.h"

namespace {

RomKind KindOfImage(const FixtureImage& image) {
  const std::string path = TempPath("kind.smc");
  image.WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  const RomKind kind = IdentifyRom(file, DecideRomLayout(file));
  std::fclose(file);
  return kind;
}

TEST(IdentifyRom, TellsTheKindFromTheFirstFifteenTitleBytes) {
  struct Case {
    const char* name;
    std::string title;
    RomKind expected;
  } cases[] = {
      {"EarthBound", "EARTH BOUND (J)", RomKind::EarthBoundRom},
      {"EarthBound with marker bytes after the title", std::string("EARTH BOUND (J)") + "\x01\x02\x03\x04\x05\x06",
       RomKind::EarthBoundRom},
      {"Mother 2", "MOTHER-2", RomKind::Mother2Rom},
      {"another game", "SUPER OTHER GAME", RomKind::UnrecognizedRom},
      {"lower case", "earth bound (j)", RomKind::UnrecognizedRom},
  };
  for (const Case& c : cases) {
    FixtureImage image;
    image.SetTitle(c.title);
    EXPECT_EQ(KindOfImage(image), c.expected) << c.name;
  }
}

class LoadRomTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseRom(session); }

  bool Load(const std::string& path) { return LoadRom(path, session, orders, tables, platform); }

  RomSession session;
  ListOrders orders;
  GameTables tables;
  RecordingPlatform platform;
};

TEST_F(LoadRomTest, EarthBoundImageLoadsSilentlyWithItsSize) {
  const std::string path = TempPath("eb.smc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path);

  ASSERT_TRUE(Load(path));
  EXPECT_EQ(session.romLoaded, 1);
  EXPECT_EQ(session.romKind, RomKind::EarthBoundRom);
  EXPECT_EQ(session.romSize, 3146240);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.sounds, std::vector<SoundId>{SoundId::RomLoaded});
}

TEST_F(LoadRomTest, UnrecognizedAndMother2ImagesLoadAfterAWarning) {
  const std::string other = TempPath("other.smc");
  FixtureImage().SetKind(RomKind::UnrecognizedRom).WriteTo(other);
  ASSERT_TRUE(Load(other));
  EXPECT_EQ(session.romKind, RomKind::UnrecognizedRom);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, other + "\n\n This is an unrecognized ROM image.  Please be aware that editing "
                                               "this ROM will most likely make it unplayable.  Make sure to create a "
                                               "backup before editing.");
  EXPECT_EQ(platform.messages[0].title, "Warning");
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);

  const std::string mother2 = TempPath("m2.smc");
  FixtureImage().SetKind(RomKind::Mother2Rom).WriteTo(mother2);
  ASSERT_TRUE(Load(mother2));
  EXPECT_EQ(session.romKind, RomKind::Mother2Rom);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].encoding, TextEncoding::ShiftJis);
  EXPECT_EQ(platform.messages[1].text.rfind("You have loaded a Mother 2 ROM.  However,", 0), 0u);
  // Loading the second image closed the first without the close sound.
  EXPECT_EQ(platform.sounds, (std::vector<SoundId>{SoundId::RomLoaded, SoundId::RomLoaded}));
}

TEST_F(LoadRomTest, FailedOpenLeavesNoRomLoaded) {
  const std::string good = TempPath("good.smc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(good);
  const std::string folder = TempPath("folder.smc");
  std::filesystem::create_directory(folder);

  const std::pair<std::string, std::string> refused[] = {
      {TempPath("missing.smc"), "Error reading file."},
      {folder, folder + " is not a regular file."},
      {"/dev/zero", "/dev/zero is not a regular file."},
  };
  for (const auto& [path, message] : refused) {
    ASSERT_TRUE(Load(good));
    EXPECT_FALSE(Load(path)) << path;
    EXPECT_EQ(session.romLoaded, 0) << path;
    EXPECT_EQ(session.romKind, RomKind::NoRom) << path;
    EXPECT_EQ(session.romSize, 0) << path;
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Warning) << path;
    EXPECT_EQ(platform.messages.back().text, message) << path;
  }
}

TEST_F(LoadRomTest, ReadOnlyImageCannotBeLoaded) {
  const std::string path = TempPath("readonly.smc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  if (std::FILE* probe = std::fopen(path.c_str(), "r+b")) {
    std::fclose(probe);
    GTEST_SKIP() << "this user may write read-only files (root)";
  }
  EXPECT_FALSE(Load(path));
  EXPECT_EQ(platform.messages.back().text, "Error reading file.");
}

TEST_F(LoadRomTest, TooShortImageIsRefusedAndUntouched) {
  const std::string path = TempPath("short.smc");
  FixtureImage image(MinimumRomSize(kHeaderedLayout) - 1);
  image.SetKind(RomKind::EarthBoundRom).WriteTo(path);

  EXPECT_FALSE(Load(path));
  EXPECT_EQ(session.romLoaded, 0);
  EXPECT_EQ(session.romKind, RomKind::NoRom);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);
  EXPECT_NE(platform.messages[0].text.find("too small to be an EarthBound ROM image"), std::string::npos);
  EXPECT_TRUE(platform.sounds.empty());
  EXPECT_EQ(ReadFileBytes(path), image.bytes);
}

TEST_F(LoadRomTest, SizesAreTakenWholeAndFilesOver16MiBAreRefusedUntouched) {
  constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;
  struct Case {
    const char* name;
    std::uint64_t size;
    bool loads;
  } cases[] = {
      {"16 MiB", 16 * 1024 * 1024, true},
      {"a byte over 16 MiB", 16 * 1024 * 1024 + 1, false},
      // Its low 32 bits are the size of a real image.
      {"4 GiB and 3 MiB", k4GiB + FixtureImage::kFullSize, false},
  };
  for (const Case& c : cases) {
    const std::string path = TempPath("large.smc");
    FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path, c.size);
    platform.messages.clear();
    platform.sounds.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr) << c.name;
    EXPECT_EQ(GetRomSize(file), static_cast<std::int64_t>(c.size)) << c.name;
    std::fclose(file);

    EXPECT_EQ(Load(path), c.loads) << c.name;
    EXPECT_EQ(session.romSize, c.loads ? static_cast<std::int64_t>(c.size) : 0) << c.name;
    if (!c.loads) {
      EXPECT_EQ(session.romLoaded, 0) << c.name;
      ASSERT_EQ(platform.messages.size(), 1u) << c.name;
      EXPECT_EQ(platform.messages[0].text, path + "\n\nThis file is larger than 16 MiB, too large to be an "
                                                  "EarthBound ROM image, so it was not loaded.  The file has not "
                                                  "been changed.") << c.name;
      EXPECT_TRUE(platform.sounds.empty()) << c.name;
    }
    CloseRom(session);
    EXPECT_EQ(std::filesystem::file_size(path), c.size) << c.name;
    std::filesystem::remove(path);
  }
}

}  // namespace
