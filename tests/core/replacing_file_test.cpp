#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/replacing_file.h"
#include "tests/support/fixture_image.h"

namespace {

TEST(ReplacingFile, ReplacesTheTargetOnlyOnCommit) {
  const std::string path = TempPath("out.txt");
  {
    ReplacingFile first(path);
    ASSERT_TRUE(first.Write("old"));
    ASSERT_TRUE(first.Commit());
  }
  {
    ReplacingFile abandoned(path);
    ASSERT_TRUE(abandoned.Write("half"));
  }
  EXPECT_EQ(ReadFileText(path), "old") << "an uncommitted write must not touch the target";
  EXPECT_FALSE(std::filesystem::exists(path + ".new")) << "the temporary file is removed";

  ReplacingFile second(path);
  ASSERT_TRUE(second.Write("new"));
  ASSERT_TRUE(second.Commit());
  EXPECT_EQ(ReadFileText(path), "new");
}

TEST(ReplacingFile, UncreatableTargetFailsAndLeavesNothing) {
  const std::string path = TempPath("no-such-folder") + "/out.txt";
  ReplacingFile file(path);
  EXPECT_EQ(file.stream(), nullptr);
  EXPECT_FALSE(file.Write("x"));
  EXPECT_FALSE(file.Commit());
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ReplacingFile, FolderOfTheTargetNameIsNeverReplaced) {
  const std::string path = TempPath("empty-folder");
  std::filesystem::create_directory(path);
  ReplacingFile file(path);
  ASSERT_TRUE(file.Write("x"));
  EXPECT_FALSE(file.Commit());
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

}  // namespace
