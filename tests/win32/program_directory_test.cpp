#include <gtest/gtest.h>

#include <windows.h>

#include "win32/app/program_directory.h"

namespace {

TEST(ProgramDirectory, TakesTheFolderOfTheFirstCommandLineElement) {
  struct Case {
    const char* commandLine;
    const char* expected;
  } cases[] = {
      {"\"C:\\Games\\Quillon\\quillon.exe\" extra", "C:\\Games\\Quillon\\"},
      {"\"C:\\My Tools\\quillon.exe\"", "C:\\My Tools\\"},
      {"C:\\quillon.exe", "C:\\"},
      {"quillon.exe", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgramDirectoryFromCommandLine(c.commandLine), c.expected) << c.commandLine;
}

TEST(ProgramDirectory, ThisProcessLivesInItsBuildFolder) {
  const std::string folder = ProgramDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_NE(GetFileAttributesA((folder + "win32_tests.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
