#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>

#include "core/io/file_steps.h"
#include "core/io/text_dump.h"
#include "core/ips/make_ips_patch.h"
#include "core/settings/settings_file.h"
#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"

namespace {

// Windows renames over no file, so the replace takes its own path here: each writer that
// replaces a file of the user's is run on it.
struct Writer {
  const char* name;
  const char* fileName;
  std::function<bool(const std::string& folder)> write;
};

bool WritePatch(const std::string& path) {
  const std::string editedPath = TempPath("edited.smc");
  const std::string uneditedPath = TempPath("unedited.smc");
  FixtureImage unedited(0x400);
  unedited.WriteTo(uneditedPath);
  unedited.PutByte(0x300, 7).WriteTo(editedPath);
  std::FILE* edited = std::fopen(editedPath.c_str(), "rb");
  std::FILE* original = std::fopen(uneditedPath.c_str(), "rb");
  std::atomic<std::int32_t> done{0};
  std::atomic<std::int32_t> total{0};
  const bool written = MakeIpsPatch(edited, original, path, {done, total}).written;
  std::fclose(original);
  std::fclose(edited);
  return written;
}

const Writer kWriters[] = {
    {"dump", "dump.txt", [](const std::string& folder) { return WriteDumpFile(folder + "\\dump.txt", "new"); }},
    {"patch", "patch.ips", [](const std::string& folder) { return WritePatch(folder + "\\patch.ips"); }},
    {"settings", "quillon.ini",
     [](const std::string& folder) { return WriteSettingsFile({"C:\\new.smc", "", "", "", ""}, folder + "\\"); }},
};

TEST(UserFiles, OldAndNewFilesBesideTheTargetSurviveEveryWriter) {
  for (const Writer& w : kWriters) {
    const std::string folder = FreshFolder(w.name);
    const std::string target = folder + "\\" + w.fileName;
    WriteTextFile(target, "earlier");
    WriteTextFile(target + ".old", "the user's backup");
    WriteTextFile(target + ".new", "the user's draft");
    FolderContents expected = ReadFolderContents(folder);

    ASSERT_TRUE(w.write(folder)) << w.name;
    const FolderContents after = ReadFolderContents(folder);
    EXPECT_NE(after.at(w.fileName), "earlier") << w.name;
    expected[w.fileName] = after.at(w.fileName);
    EXPECT_EQ(after, expected) << w.name;
  }
}

TEST(UserFiles, ReadOnlyTargetIsRefusedAndKeptByEveryWriter) {
  for (const Writer& w : kWriters) {
    const std::string folder = FreshFolder(w.name);
    const std::string target = folder + "\\" + w.fileName;
    WriteTextFile(target, "earlier");
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY)) << w.name;
    // An administrator, or root under Wine, could open the file for writing all the same.
    const FolderContents before = ReadFolderContents(folder);

    EXPECT_FALSE(w.write(folder)) << w.name;
    EXPECT_EQ(ReadFolderContents(folder), before) << w.name;
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY) << w.name;
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST(UserFiles, NewFileIsNeverOneThatExists) {
  const std::string path = TempPath("existing.tmp");
  WriteTextFile(path, "the user's");
  bool alreadyExists = false;
  EXPECT_EQ(CreateNewFile(path, alreadyExists), nullptr);
  EXPECT_TRUE(alreadyExists);
  EXPECT_EQ(ReadFileText(path), "the user's");
}

}  // namespace
