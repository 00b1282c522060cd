#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/rom/apply_messages.h"
#include "core/rom/image_action.h"
#include "core/rom/image_backup.h"
#include "core/rom/load_rom.h"
#include "tests/support/fixture_image.h"
#include "tests/core/file_size_limit.h"
#include "tests/core/image_on_disk_fixture.h"
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

// Dates a backup's file hours before now, as a copy made then would be.
void AgeFile(const std::string& path, int hours) {
  fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(hours));
}

TEST(MakeImageBackup, KeepsTheFiveNewestAndNoOtherFileIsTouched) {
  const std::string image = SmallImage("Game.v2.sfc", "image");
  const std::string folder = image + ".backups";
  fs::create_directory(folder);
  // Names close to the pattern that are not this image's backups, older than any of them.
  const std::vector<std::string> others = {"Game.v2-20200101-000000.smc", "Game-20200101-000000.sfc",
                                           "Game.v2-2020010-000000.sfc",  "Game.v2-20200101-000000-1.sfc",
                                           "Game.v2-20200101-000000-x.sfc", "notes.txt"};
  for (const std::string& other : others) {
    WriteTextFile(folder + "/" + other, "keep");
    AgeFile(folder + "/" + other, 100);
  }

  for (int second = 0; second < 6; ++second) {
    ASSERT_TRUE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, second)));
    AgeFile(folder + "/Game.v2-20260101-00000" + std::to_string(second) + ".sfc", 10 - second);
  }
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 5)));

  std::vector<std::string> expected = others;
  for (const char* kept : {"Game.v2-20260101-000002.sfc", "Game.v2-20260101-000003.sfc",
                           "Game.v2-20260101-000004.sfc", "Game.v2-20260101-000005.sfc",
                           "Game.v2-20260101-000005-2.sfc"}) {
    expected.push_back(kept);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FilesIn(folder), expected);
  for (const std::string& other : others) EXPECT_EQ(ReadFileText(folder + "/" + other), "keep") << other;
}

TEST(MakeImageBackup, KeepsTheCopyJustMadeAfterTheClockWentBackAndPrunesByFileTime) {
  const std::string image = SmallImage("c.smc", "as it is now");
  const std::string folder = image + ".backups";
  fs::create_directory(folder);
  // Named by a clock that ran a year ahead; the file times say which is oldest.
  const int ageInHours[] = {3, 5, 1, 4, 2};
  for (int day = 1; day <= 5; ++day) {
    const std::string name = folder + "/c-2027010" + std::to_string(day) + "-120000.smc";
    WriteTextFile(name, "day " + std::to_string(day));
    AgeFile(name, ageInHours[day - 1]);
  }

  ASSERT_TRUE(MakeImageBackup(image, At(2026, 3, 29, 2, 30, 0)));
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"c-20260329-023000.smc", "c-20270101-120000.smc",
                                                        "c-20270103-120000.smc", "c-20270104-120000.smc",
                                                        "c-20270105-120000.smc"}))
      << "the copy of day 2, written longest ago, goes";
  EXPECT_EQ(ReadFileText(folder + "/c-20260329-023000.smc"), "as it is now");
}

TEST(MakeImageBackup, GivesTheCopyTheImagesPermissions) {
  const std::string image = SmallImage("secret.smc", "private");
  fs::permissions(image, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 0)));
  const fs::perms copy = fs::status(image + ".backups/secret-20260101-000000.smc").permissions();
  EXPECT_EQ(copy & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(MakeImageBackup, FailsWhenTheFolderCannotBeMade) {
  const std::string image = SmallImage("Blocked.smc", "image");
  WriteTextFile(image + ".backups", "a file where the folder should be");
  EXPECT_FALSE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 0)));
  const std::string missing = TempPath("missing.smc");
  EXPECT_FALSE(MakeImageBackup(missing, At(2026, 1, 1, 0, 0, 0)));
  EXPECT_FALSE(fs::exists(missing + ".backups")) << "the folder made for the copy goes with it";
}

TEST(MakeImageBackup, ACopyThatCannotBeWrittenLeavesNoFolderItMade) {
  const std::string image = SmallImage("Full.smc", std::string(4096, 'x'));
  const std::string kept = SmallImage("Kept.smc", std::string(4096, 'y'));
  fs::create_directory(kept + ".backups");
  {
    // A disk that fills after the first kilobyte; root cannot write past it either.
    const FileSizeLimit full(1024);
    EXPECT_FALSE(MakeImageBackup(image, At(2026, 1, 1, 0, 0, 0)));
    EXPECT_FALSE(MakeImageBackup(kept, At(2026, 1, 1, 0, 0, 0)));
  }
  EXPECT_FALSE(fs::exists(image + ".backups"));
  EXPECT_TRUE(fs::is_empty(kept + ".backups")) << "a folder that was there stays";
}

class BackupBeforeWriteTest : public ImageOnDiskTest {
 protected:
  BackupBeforeWriteTest() : ImageOnDiskTest("backed.smc") {}

  ActionOutcome WriteByte(std::uint32_t offset, std::uint8_t value) {
    return RunImageAction(session,
                          [&] { return WriteRomValue(session.romFile, offset, value, 1) && FlushRom(session.romFile); });
  }

  std::vector<std::string> Backups() const {
    return fs::exists(path + ".backups") ? FilesIn(path + ".backups") : std::vector<std::string>{};
  }
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
