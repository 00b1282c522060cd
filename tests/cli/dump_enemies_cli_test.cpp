#include <gtest/gtest.h>

#include <filesystem>

#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"
#include "core/io/text_dump.h"
#include "tests/cli/run_cli.h"
#include "tests/support/enemy_fixture.h"

namespace {

std::vector<int> DumpedEnemyNumbers(const std::string& dump) {
  std::vector<int> numbers;
  const std::string label = "Enemy #:   ";
  for (std::size_t at = dump.find(label); at != std::string::npos; at = dump.find(label, at + 1)) {
    numbers.push_back(std::stoi(dump.substr(at + label.size())));
  }
  return numbers;
}

class DumpEnemiesCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FixtureImage image;
    PutEnemyName(image, 0, "Zed");
    PutEnemyName(image, 1, "ann");
    PutEnemyName(image, 2, "Bob");
    for (std::size_t enemy = 3; enemy < kEnemyCount; ++enemy) {
      PutEnemyName(image, enemy, "~" + std::to_string(1000 + enemy));
    }
    PutEnemyField(image, 2, EnemyFieldOffset::kHp, 1234, 2);
    imagePath = TempPath("image.smc");
    image.WriteTo(imagePath);
    imageBytes = image.bytes;
  }

  std::string imagePath;
  std::vector<std::uint8_t> imageBytes;
};

TEST_F(DumpEnemiesCliTest, DumpsTheImageInTheOrderAskedForAndLeavesItAlone) {
  struct Case {
    std::vector<std::string> order;
    std::vector<int> first;
    int last;
  } cases[] = {
      {{}, {1, 2, 0, 3}, 229},
      {{"--order", "name"}, {1, 2, 0, 3}, 229},
      {{"--order", "game"}, {54, 158, 120}, 212},
      {{"--order", "original"}, {0, 1, 2}, 229},
  };
  for (const Case& c : cases) {
    const std::string outPath = TempPath("enemies.txt");
    std::vector<std::string> args = {"dump-enemies", imagePath, outPath};
    args.insert(args.end(), c.order.begin(), c.order.end());
    const CliRun run = RunCli(args);
    const std::string order = c.order.empty() ? "default" : c.order[1];
    ASSERT_EQ(run.status, 0) << order << ": " << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    const std::vector<int> numbers = DumpedEnemyNumbers(ReadFileText(outPath));
    ASSERT_EQ(numbers.size(), kEnemyCount) << order;
    EXPECT_EQ(std::vector<int>(numbers.begin(), numbers.begin() + c.first.size()), c.first) << order;
    EXPECT_EQ(numbers.back(), c.last) << order;
  }
  EXPECT_EQ(ReadFileBytes(imagePath), imageBytes);
}

TEST_F(DumpEnemiesCliTest, WritesTheSameFileAsTheEditorsDump) {
  std::FILE* image = std::fopen(imagePath.c_str(), "rb");
  EnemyTable table;
  LoadEnemyTable(image, kHeaderedLayout, table);
  std::fclose(image);
  SortEnemiesByGameOrder(table);

  const std::string outPath = TempPath("enemies.txt");
  ASSERT_EQ(RunCli({"dump-enemies", imagePath, outPath, "--order", "game"}).status, 0);
  EXPECT_EQ(ReadFileText(outPath), EnemyDumpText(table));
  EXPECT_NE(ReadFileText(outPath).find("Name:      Bob\r\nthe Flag:  0\r\nHP:        1234\r\n"), std::string::npos);
}

TEST_F(DumpEnemiesCliTest, ErrorsGiveOneLineAFailureStatusAndNoFile) {
  const std::string shortImage = TempPath("short.smc");
  FixtureImage(0x15EC5A).WriteTo(shortImage);
  const std::string absent = TempPath("absent.smc");
  const std::string out = TempPath("enemies.txt");
  const std::string unwritable = TempPath("missing") + "/enemies.txt";
  const std::string usage = "usage: quillon-cli dump-enemies IMAGE OUT [--order name|game|original]\n";
  struct Case {
    std::vector<std::string> args;
    std::string message;
    std::string outPath;
  } cases[] = {
      {{"dump-enemies"}, usage, out},
      {{"dump-enemies", imagePath}, usage, out},
      {{"dump-enemies", imagePath, out, "--order", "type"}, usage, out},
      {{"dump-enemies", imagePath, out, "--order"}, usage, out},
      {{"dump-enemies", imagePath, out, "extra", "name"}, usage, out},
      {{"dump-enemies", absent, out}, "quillon-cli: cannot open " + absent + "\n", out},
      {{"dump-enemies", shortImage, out},
       "quillon-cli: " + shortImage + " is too small to be an EarthBound ROM image\n", out},
      {{"dump-enemies", imagePath, unwritable}, "quillon-cli: " + DumpFailedMessage(unwritable) + "\n", unwritable},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    const std::string line = c.args.size() > 3 ? c.args[3] : std::to_string(c.args.size()) + " arguments";
    EXPECT_NE(run.status, 0) << line;
    EXPECT_EQ(run.err, c.message) << line;
    EXPECT_FALSE(std::filesystem::exists(c.outPath)) << line;
  }
}

TEST_F(DumpEnemiesCliTest, RefusesToWriteOverTheImage) {
  const CliRun run = RunCli({"dump-enemies", imagePath, imagePath});
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.err, "quillon-cli: " + imagePath + " is the image itself; choose another output file\n");
  EXPECT_EQ(ReadFileBytes(imagePath), imageBytes);
}

}  // namespace
