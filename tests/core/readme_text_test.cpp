#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cli/run_cli.h"
#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"

// readme-text is a separate program; these tests run it as the build does and read what it wrote.
namespace {

const std::string kEnd = "<!-- The user guide ends here; the download carries it as README.txt. -->";

TEST(ReadmeText, WritesTheUserGuideAsPlainTextWithWindowsLineEnds) {
  const std::string markdown =
      "# Quillon\n"
      "\n"
      "An **editor** for `quillon.exe` users.   \n"
      "\n"
      "![A picture](docs/main.png)\n"
      "\n"
      "## Using it\n"
      "\n"
      "1. **Load**: see [Undo and backups](#undo-and-backups) and [the site](https://example.org/q).\n"
      "   A list [--order name] is no link.\n"
      "\n"
      "   ![An indented picture](docs/editor.png)\n"
      "\n"
      "    quillon-cli info IMAGE   # **kept** as `typed`\n"
      "\n" +
      kEnd + "\n" +
      "## Building\n"
      "\n"
      "    make test\n";
  const std::string source = TempPath("readme-source.md");
  const std::string output = TempPath("readme-output.txt");
  WriteTextFile(source, markdown);
  std::filesystem::remove(output);

  const CliRun run = RunProgram(HostToolPath("readme-text"), {source, output});

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFileText(output),
            "Quillon\r\n"
            "=======\r\n"
            "\r\n"
            "An editor for quillon.exe users.\r\n"
            "\r\n"
            "Using it\r\n"
            "--------\r\n"
            "\r\n"
            "1. Load: see Undo and backups and the site (https://example.org/q).\r\n"
            "   A list [--order name] is no link.\r\n"
            "\r\n"
            "    quillon-cli info IMAGE   # **kept** as `typed`\r\n");
}

TEST(ReadmeText, RefusesAReadmeWithoutTheEndOfItsUserGuideAndWritesNothing) {
  const std::string source = TempPath("readme-no-end.md");
  const std::string output = TempPath("readme-no-end.txt");
  WriteTextFile(source, "# Quillon\n\nNo end line.\n");
  std::filesystem::remove(output);

  const CliRun run = RunProgram(HostToolPath("readme-text"), {source, output});

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "readme-text: " + source + " has no line \"" + kEnd + "\" to end its user guide\n");
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
