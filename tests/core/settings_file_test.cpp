#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings/settings_file.h"
#include "tests/support/fixture_image.h"

namespace {

std::string FreshFolder(const std::string& name) {
  const std::string folder = TempPath(name);
  std::filesystem::create_directory(folder);
  return folder + "/";
}

void WriteText(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

TEST(ParseSettingsText, ReadsLinesAsTheLineBufferWould) {
  const std::string long260(260, 'L');
  const std::string exact259(259, 'E');
  struct Case {
    const char* name;
    std::string text;
    RecentRoms expected;
  } cases[] = {
      {"empty file", "", {}},
      {"three lines", "C:\\a.smc\nC:\\b.smc\nC:\\c.smc\n", {"C:\\a.smc", "C:\\b.smc", "C:\\c.smc", "", ""}},
      {"CR LF line ends", "C:\\a.smc\r\n\r\nC:\\c.smc\r\n", {"C:\\a.smc", "", "C:\\c.smc", "", ""}},
      {"last line without a line end", "a\nb", {"a", "b", "", "", ""}},
      {"more than five lines", "1\n2\n3\n4\n5\n6\n", {"1", "2", "3", "4", "5"}},
      {"a line of 260 is split at 259", long260 + "\nnext\n", {long260.substr(0, 259), "L", "next", "", ""}},
      {"a line of 259 is one entry", exact259 + "\r\nnext\r\n", {exact259, "next", "", "", ""}},
      {"a very long line fills several entries", std::string(600, 'x'),
       {std::string(259, 'x'), std::string(259, 'x'), std::string(82, 'x'), "", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseSettingsText(c.text), c.expected) << c.name;
}

TEST(SettingsFile, WritesFiveCrLfLinesThatReadBackTheSame) {
  const std::string folder = FreshFolder("settings-roundtrip");
  const RecentRoms roms = {"C:\\roms\\eb.smc", "", std::string(kMaxRomPathLength, 'p'), "", ""};
  ASSERT_TRUE(WriteSettingsFile(roms, folder));
  EXPECT_EQ(ReadFileText(folder + "quillon.ini"),
            "C:\\roms\\eb.smc\r\n\r\n" + std::string(kMaxRomPathLength, 'p') + "\r\n\r\n\r\n");
  EXPECT_EQ(ReadSettingsFile(folder), roms);

  ASSERT_TRUE(WriteSettingsFile(RecentRoms{}, folder));
  EXPECT_EQ(ReadFileText(folder + "quillon.ini"), "\r\n\r\n\r\n\r\n\r\n");
}

TEST(SettingsFile, MissingFileGivesAnEmptyList) {
  EXPECT_EQ(ReadSettingsFile(FreshFolder("settings-none")), RecentRoms{});
}

TEST(SettingsFile, ReadsThreeLinesFromTheGivenFolder) {
  const std::string folder = FreshFolder("settings-three");
  WriteText(folder + "quillon.ini", "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(ReadSettingsFile(folder), (RecentRoms{"one", "two", "three", "", ""}));
}

TEST(SettingsFile, ReadOnlyFileIsKept) {
  const std::string folder = FreshFolder("settings-read-only");
  WriteText(folder + "quillon.ini", "old\n");
  std::filesystem::permissions(folder + "quillon.ini", std::filesystem::perms::owner_read);
  EXPECT_FALSE(WriteSettingsFile({"new", "", "", "", ""}, folder));
  EXPECT_EQ(ReadFileText(folder + "quillon.ini"), "old\n");
}

}  // namespace
