#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "core/io/file_steps.h"
#include "core/io/replacing_file.h"
#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"

namespace {

namespace fs = std::filesystem;

bool WriteWhole(const std::string& path, const std::string& text) {
  ReplacingFile file(path);
  return file.Write(text) && file.Commit();
}

TEST(ReplacingFile, ReplacesTheTargetOnlyOnCommitAndTouchesNoOtherFile) {
  const std::string folder = FreshFolder("replace");
  const std::string target = folder + "/eb.smc";
  // The user's own files, named as a set-aside copy or a temporary file might be.
  for (const char* sibling : {".old", ".new", ".tmp", ".bak"}) WriteTextFile(target + sibling, sibling);
  FolderContents afterFirst = ReadFolderContents(folder);
  afterFirst["eb.smc"] = "first";
  ASSERT_TRUE(WriteWhole(target, "first"));
  EXPECT_EQ(ReadFolderContents(folder), afterFirst);
  {
    ReplacingFile abandoned(target);
    ASSERT_TRUE(abandoned.Write("half"));
  }
  EXPECT_EQ(ReadFolderContents(folder), afterFirst) << "an uncommitted write changes nothing";

  ASSERT_TRUE(WriteWhole(target, "second"));
  FolderContents expected = afterFirst;
  expected["eb.smc"] = "second";
  EXPECT_EQ(ReadFolderContents(folder), expected);
}

TEST(ReplacingFile, WritesAnEmptyFileFromNoBytesAtAll) {
  const std::string target = FreshFolder("empty") + "/patched.smc";
  WriteTextFile(target, "earlier");
  ReplacingFile file(target);
  // What an empty vector's data() gives.
  ASSERT_TRUE(file.Write(nullptr, 0) && file.Commit());
  EXPECT_EQ(ReadFileText(target), "");
}

TEST(ReplacingFile, RefusedTargetsStayAsTheyWereWithNothingLeftBehind) {
  const std::string folder = FreshFolder("refused");
  const std::string readOnly = folder + "/read-only.txt";
  WriteTextFile(readOnly, "kept");
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::string subfolder = folder + "/folder.txt";
  fs::create_directory(subfolder);
  const std::string pipe = folder + "/pipe.txt";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
  const FolderContents before = ReadFolderContents(folder);
  // Root may open a read-only file for writing all the same: only the explicit check refuses it.
  for (const std::string& target : {readOnly, subfolder, pipe, folder + "/no-such-folder/out.txt"}) {
    ReplacingFile file(target);
    EXPECT_FALSE(file.Write("new")) << target;
    EXPECT_FALSE(file.Commit()) << target;
  }
  EXPECT_EQ(ReadFolderContents(folder), before);
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(ReplacingFile, FailedMoveRemovesTheTemporaryFile) {
  const std::string folder = FreshFolder("failed-move");
  const std::string target = folder + "/out.txt";
  ReplacingFile file(target);
  ASSERT_TRUE(file.Write("new"));
  // A folder that takes the target's name while the file is written cannot be replaced.
  fs::create_directory(target);
  WriteTextFile(target + "/inside", "x");
  EXPECT_FALSE(file.Commit());
  EXPECT_EQ(ReadFolderContents(folder), (FolderContents{{"out.txt", "<not a file>"}}));
}

TEST(CreateNewFile, NeverOpensAnExistingFile) {
  const std::string path = TempPath("existing.tmp");
  WriteTextFile(path, "user's");
  bool alreadyExists = false;
  EXPECT_EQ(CreateNewFile(path, alreadyExists), nullptr);
  EXPECT_TRUE(alreadyExists);
  EXPECT_EQ(ReadFileText(path), "user's");

  std::FILE* created = CreateNewFile(TempPath("fresh.tmp"), alreadyExists);
  EXPECT_NE(created, nullptr);
  EXPECT_FALSE(alreadyExists);
  if (created) std::fclose(created);
}

}  // namespace
