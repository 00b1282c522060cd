#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

struct stat StatusOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
  return status;
}

TEST(ReplacingFile, KeepsTheTargetsPermissions) {
  const std::string folder = FreshFolder("modes");
  for (const mode_t mode : {0600, 0640, 0755, 0604}) {
    const std::string target = folder + "/image.smc";
    WriteTextFile(target, "old");
    ASSERT_EQ(chmod(target.c_str(), mode), 0);
    ASSERT_TRUE(WriteWhole(target, "new")) << std::oct << mode;
    EXPECT_EQ(StatusOf(target).st_mode & 07777, mode) << std::oct << mode;
    EXPECT_EQ(ReadFileText(target), "new");
  }
  const std::string fresh = folder + "/fresh.smc";
  const FileAccess secret{true, 0600, static_cast<long>(getuid()), static_cast<long>(getgid())};
  ReplacingFile copy(fresh, secret);
  ASSERT_TRUE(copy.Write("copy") && copy.Commit());
  EXPECT_EQ(StatusOf(fresh).st_mode & 07777, 0600u) << "a new file takes the access it is given";
}

TEST(ReplacingFile, KeepsTheTargetsOwnerAndGroup) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another owner";
  const std::string target = FreshFolder("owner") + "/image.smc";
  WriteTextFile(target, "old");
  // The daemon user and group of Debian.
  ASSERT_EQ(chown(target.c_str(), 1, 1), 0);
  ASSERT_TRUE(WriteWhole(target, "new"));
  EXPECT_EQ(StatusOf(target).st_uid, 1u);
  EXPECT_EQ(StatusOf(target).st_gid, 1u);
}

TEST(ReplacingFile, ReplacesTheFileASymbolicLinkPointsToAndKeepsTheLink) {
  const std::string folder = FreshFolder("links");
  fs::create_directory(folder + "/real");
  WriteTextFile(folder + "/real/target.smc", "old");
  fs::create_symlink("real/target.smc", folder + "/link.smc");
  fs::create_symlink(folder + "/link.smc", folder + "/link-to-link.smc");
  fs::create_symlink("real/not-yet.smc", folder + "/dangling.smc");
  struct Case {
    std::string written;
    std::string real;
    const char* text;
  } cases[] = {
      {folder + "/link.smc", folder + "/real/target.smc", "through a link"},
      {folder + "/link-to-link.smc", folder + "/real/target.smc", "through a link to a link"},
      {folder + "/dangling.smc", folder + "/real/not-yet.smc", "through a link to no file yet"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteWhole(c.written, c.text)) << c.text;
    EXPECT_TRUE(fs::is_symlink(c.written)) << c.text;
    EXPECT_EQ(ReadFileText(c.real), c.text);
  }
  EXPECT_EQ(ReadFolderContents(folder + "/real"),
            (FolderContents{{"target.smc", "through a link to a link"}, {"not-yet.smc", "through a link to no file yet"}}))
      << "no temporary file is left beside the real file";
}

TEST(ReplacingFile, WritesAFileWithSeveralNamesInPlaceSoEveryNameSeesIt) {
  const std::string folder = FreshFolder("hard-links");
  const std::string first = folder + "/hl1.smc";
  const std::string second = folder + "/hl2.smc";
  WriteTextFile(first, "the old and longer text");
  fs::create_hard_link(first, second);
  const ino_t file = StatusOf(first).st_ino;

  ASSERT_TRUE(WriteWhole(first, "new"));
  EXPECT_EQ(ReadFileText(second), "new");
  EXPECT_EQ(StatusOf(first).st_ino, file);
  EXPECT_EQ(StatusOf(second).st_nlink, 2u);
  EXPECT_EQ(ReadFolderContents(folder), (FolderContents{{"hl1.smc", "new"}, {"hl2.smc", "new"}}));
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
