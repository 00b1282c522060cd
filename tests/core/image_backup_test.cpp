#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/rom/apply_messages.h"
#include "core/rom/image_action.h"
#include "core/rom/image_backup.h"
#include "core/rom/load_rom.h"
#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"
#include "tests/support/recording_platform.h"

namespace fs = std::filesystem;

namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  return time;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A small image file in a folder of its own, so every test sees only its own backups.
std::string SmallImage(const std::string& fileName, const std::string& content) {
  const std::string folder = TempPath("backups");
  fs::create_directories(folder);
  const std::string path = folder + "/" + fileName;
  WriteTextFile(path, content);
  return path;
}

TEST(MakeImageBackup, CopiesTheImageUnderItsStemAndTheTimeNumberingASecondTakenTwice) {
  const std::string image = SmallImage("EarthBound.smc", "first");
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 12, 10, 14, 30, 5)));
  WriteTextFile(image, "second");
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 12, 10, 14, 30, 5)));
  WriteTextFile(image, "third");
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 12, 10, 14, 30, 5)));
  ASSERT_TRUE(MakeImageBackup(image, At(2027, 1, 2, 3, 4, 5)));

  const std::string folder = image + ".backups";
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"EarthBound-20261210-143005-2.smc",
                                                        "EarthBound-20261210-143005-3.smc",
                                                        "EarthBound-20261210-143005.smc",
                                                        "EarthBound-20270102-030405.smc"}));
  EXPECT_EQ(ReadFileText(folder + "/EarthBound-20261210-143005.smc"), "first");
  EXPECT_EQ(ReadFileText(folder + "/EarthBound-20261210-143005-2.smc"), "second");
  EXPECT_EQ(ReadFileText(folder + "/EarthBound-20261210-143005-3.smc"), "third");
}

TEST(MakeImageBackup, KeepsTheFiveNewestAndNoOtherFileIsTouched) {
  const std::string image = SmallImage("Game.v2.sfc", "image");
  const std::string folder = image + ".backups";
  fs::create_directory(folder);
  // Names close to the pattern that are not this image's backups.
  const std::vector<std::string> others = {"Game.v2-20200101-000000.smc", "Game-20200101-000000.sfc",
                                           "Game.v2-2020010-000000.sfc",  "Game.v2-20200101-000000-1.sfc",
                                           "Game.v2-20200101-000000-x.sfc", "notes.txt"};
  for (const std::string& other : others) WriteTextFile(folder + "/" + other, "keep");

  for (int second = 0; second < 4; ++second) ASSERT_TRUE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, second)));
  ASSERT_TRUE(MakeImageBackup(image, At(2025, 6, 1, 0, 0, 0)));
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 3)));
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 3)));

  std::vector<std::string> expected = others;
  for (const char* kept : {"Game.v2-20260101-000001.sfc", "Game.v2-20260101-000002.sfc",
                           "Game.v2-20260101-000003.sfc", "Game.v2-20260101-000003-2.sfc",
                           "Game.v2-20260101-000003-3.sfc"}) {
    expected.push_back(kept);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FilesIn(folder), expected);
  for (const std::string& other : others) EXPECT_EQ(ReadFileText(folder + "/" + other), "keep") << other;
}

TEST(MakeImageBackup, FailsWhenTheFolderCannotBeMade) {
  const std::string image = SmallImage("Blocked.smc", "image");
  WriteTextFile(image + ".backups", "a file where the folder should be");
  EXPECT_FALSE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 0)));
  EXPECT_FALSE(MakeImageBackup(TempPath("missing.smc"), At(2026, 1, 1, 0, 0, 0)));
}

class BackupBeforeWriteTest : public ::testing::Test {
 protected:
  BackupBeforeWriteTest() : path(TempPath("backed.smc")) {
    FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path);
    original = ReadFileBytes(path);
  }
  ~BackupBeforeWriteTest() override { CloseRom(session); }

  bool Load() { return LoadRom(path, session, orders, tables, platform); }

  ActionOutcome WriteByte(std::uint32_t offset, std::uint8_t value) {
    return RunImageAction(session,
                          [&] { return WriteRomValue(session.romFile, offset, value, 1) && FlushRom(session.romFile); });
  }

  std::vector<std::string> Backups() const {
    return fs::exists(path + ".backups") ? FilesIn(path + ".backups") : std::vector<std::string>{};
  }

  std::string path;
  std::vector<std::uint8_t> original;
  RomSession session;
  ListOrders orders;
  GameTables tables;
  RecordingPlatform platform;
};

TEST_F(BackupBeforeWriteTest, OneBackupPerLoadHoldingTheImageAsItWasBeforeTheFirstWrite) {
  ASSERT_TRUE(Load());
  EXPECT_TRUE(Backups().empty()) << "loading alone makes no backup";
  ASSERT_EQ(WriteByte(0x300, 1), ActionOutcome::Written);
  ASSERT_EQ(WriteByte(0x301, 2), ActionOutcome::Written);
  const std::vector<std::string> backups = Backups();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(ReadFileBytes(path + ".backups/" + backups[0]) == original);

  ASSERT_TRUE(Load());
  const std::vector<std::uint8_t> beforeSecondLoadWrite = ReadFileBytes(path);
  ASSERT_EQ(WriteByte(0x302, 3), ActionOutcome::Written);
  const std::vector<std::string> after = Backups();
  ASSERT_EQ(after.size(), 2u) << "loading again makes a new one";
  const std::string newest = after[0] == backups[0] ? after[1] : after[0];
  EXPECT_TRUE(ReadFileBytes(path + ".backups/" + newest) == beforeSecondLoadWrite);
}

TEST_F(BackupBeforeWriteTest, WithoutABackupNothingIsWrittenAndAWarningSaysSo) {
  ASSERT_TRUE(Load());
  WriteTextFile(path + ".backups", "in the way");
  bool wrote = false;
  const ActionOutcome outcome = RunImageAction(session, [&] {
    wrote = true;
    return WriteRomValue(session.romFile, 0x300, 1, 1);
  });
  EXPECT_EQ(outcome, ActionOutcome::NoBackup);
  EXPECT_FALSE(wrote);
  EXPECT_TRUE(ReadFileBytes(path) == original);
  EXPECT_TRUE(session.journal.undo.empty());

  ReportActionOutcome(platform, outcome, session.romPath);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Warning");
  EXPECT_EQ(platform.messages[0].text, "A backup copy of the ROM could not be made in\n" + path +
                                           ".backups\n\nso nothing was written.  Make sure the disk has room and "
                                           "the folder can be written to, then apply again.");

  std::remove((path + ".backups").c_str());
  EXPECT_EQ(WriteByte(0x300, 1), ActionOutcome::Written) << "the next apply tries the backup again";
  EXPECT_EQ(Backups().size(), 1u);
}

}  // namespace
