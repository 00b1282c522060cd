#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"
#include "tests/support/enemy_fixture.h"

namespace {

struct CliRun {
  int status;
  std::string err;
};

CliRun RunCli(const std::string& arguments) {
  const std::string errPath = TempPath("stderr.txt");
  const std::string command = std::string(QUILLON_CLI) + " " + arguments + " 2>" + errPath;
  const int result = std::system(command.c_str());
  return {WIFEXITED(result) ? WEXITSTATUS(result) : -1, ReadFileText(errPath)};
}

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
    std::string order;
    std::vector<int> first;
    int last;
  } cases[] = {
      {"", {1, 2, 0, 3}, 229},
      {" --order name", {1, 2, 0, 3}, 229},
      {" --order game", {54, 158, 120}, 212},
      {" --order original", {0, 1, 2}, 229},
  };
  for (const Case& c : cases) {
    const std::string outPath = TempPath("enemies.txt");
    const CliRun run = RunCli("dump-enemies " + imagePath + " " + outPath + c.order);
    ASSERT_EQ(run.status, 0) << c.order << ": " << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<int> numbers = DumpedEnemyNumbers(ReadFileText(outPath));
    ASSERT_EQ(numbers.size(), kEnemyCount) << c.order;
    EXPECT_EQ(std::vector<int>(numbers.begin(), numbers.begin() + c.first.size()), c.first) << c.order;
    EXPECT_EQ(numbers.back(), c.last) << c.order;
  }
  EXPECT_EQ(ReadFileBytes(imagePath), imageBytes);
}

TEST_F(DumpEnemiesCliTest, WritesTheSameFileAsTheEditorsDump) {
  std::FILE* image = std::fopen(imagePath.c_str(), "rb");
  EnemyTable table;
  ASSERT_TRUE(LoadEnemyTable(image, table));
  std::fclose(image);
  SortEnemiesByGameOrder(table);

  const std::string outPath = TempPath("enemies.txt");
  ASSERT_EQ(RunCli("dump-enemies " + imagePath + " " + outPath + " --order game").status, 0);
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
    std::string arguments;
    std::string message;
    std::string outPath;
  } cases[] = {
      {"dump-enemies", usage, out},
      {"dump-enemies " + imagePath, usage, out},
      {"dump-enemies " + imagePath + " " + out + " --order type", usage, out},
      {"dump-enemies " + imagePath + " " + out + " --order", usage, out},
      {"dump-enemies " + imagePath + " " + out + " extra name", usage, out},
      {"dump-enemies " + absent + " " + out, "quillon-cli: cannot open " + absent + "\n", out},
      {"dump-enemies " + shortImage + " " + out,
       "quillon-cli: " + shortImage + " is too small to be an EarthBound ROM image\n", out},
      {"dump-enemies " + imagePath + " " + unwritable, "quillon-cli: cannot write " + unwritable + "\n", unwritable},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_NE(run.status, 0) << c.arguments;
    EXPECT_EQ(run.err, c.message) << c.arguments;
    EXPECT_FALSE(std::filesystem::exists(c.outPath)) << c.arguments;
  }
}

TEST_F(DumpEnemiesCliTest, RefusesToWriteOverTheImage) {
  const CliRun run = RunCli("dump-enemies " + imagePath + " " + imagePath);
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.err, "quillon-cli: " + imagePath + " is the image itself; choose another output file\n");
  EXPECT_EQ(ReadFileBytes(imagePath), imageBytes);
}

}  // namespace
