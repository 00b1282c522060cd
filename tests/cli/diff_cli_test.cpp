#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/enemy/enemy_record.h"
#include "tests/cli/run_cli.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/fixture_image.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> FolderEntries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// Enemy 12 "Starman" with 21 HP made 40, and one byte outside the tables changed.
class DiffCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    PutEnemyName(unedited, 12, "Starman");
    PutEnemyField(unedited, 12, EnemyFieldOffset::kHp, 21, 2);
    FixtureImage edited = unedited;
    PutEnemyField(edited, 12, EnemyFieldOffset::kHp, 40, 2);
    edited.PutByte(Headered(0x1A2B00), 0x12);
    fs::create_directories(folder);
    unedited.WriteTo(uneditedPath);
    edited.WriteTo(editedPath);
    edited.HeaderlessTwin().WriteTo(headerlessPath);
  }

  std::string InFolder(const std::string& name) const { return folder + "/" + name; }

  FixtureImage unedited;
  const std::string folder = TempPath("diff");
  const std::string uneditedPath = InFolder("unedited.smc");
  const std::string editedPath = InFolder("edited.smc");
  const std::string headerlessPath = InFolder("edited.sfc");
};

const char kLines[] =
    "enemy 12 \"Starman\": HP 21 -> 40\n"
    "bytes 0x1A2B00-0x1A2B00: 1 differs (outside the known tables)\n";

TEST_F(DiffCommands, DiffPrintsOneLineAChangeWhateverTheHeader) {
  for (const std::string& edited : {editedPath, headerlessPath}) {
    const CliRun run = RunCli({"diff", uneditedPath, edited});
    EXPECT_EQ(run.status, 0) << edited;
    EXPECT_EQ(run.out, kLines) << edited;
    EXPECT_EQ(run.err, "") << edited;
  }
  const CliRun same = RunCli({"diff", uneditedPath, uneditedPath});
  EXPECT_EQ(same.status, 0) << "nothing differs, which is no failure";
  EXPECT_EQ(same.out, "");
}

TEST_F(DiffCommands, DiffPrintsCsvOnRequest) {
  const CliRun run = RunCli({"diff", uneditedPath, editedPath, "--csv"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "table,record,name,field,before,after\r\n"
            "enemy,12,Starman,HP,21,40\r\n"
            "bytes,0x1A2B00,0x1A2B00-0x1A2B00,1,,\r\n");
}

TEST_F(DiffCommands, RefusesWhatItCannotCompareInOneLine) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"diff", uneditedPath}, 2, "usage: quillon-cli diff UNEDITED EDITED [--csv]\n"},
      {{"diff", uneditedPath, InFolder("none.smc")}, 1, "quillon-cli: cannot open " + InFolder("none.smc") + "\n"},
      {{"describe-patch", InFolder("none.ips"), uneditedPath}, 1, "quillon-cli: Error Opening Patch for Reading\n"},
      {{"describe-patch", uneditedPath, uneditedPath}, 1, "quillon-cli: This file is not an IPS or BPS patch.\n"},
      {{"describe-patch", uneditedPath}, 2, "usage: quillon-cli describe-patch PATCH IMAGE [--csv]\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_EQ(run.err, c.err) << c.args.back();
    EXPECT_EQ(run.out, "") << c.args.back();
  }
}

TEST_F(DiffCommands, DescribePatchListsWhatDiffListsOfTheResultAndWritesNothing) {
  for (const char* format : {"ips", "bps"}) {
    const std::string patch = InFolder(std::string("edit.") + format);
    ASSERT_EQ(RunCli({std::string("make-") + format, editedPath, uneditedPath, patch}).status, 0) << format;
    const std::set<std::string> before = FolderEntries(folder);
    for (const std::vector<std::string>& csv : {std::vector<std::string>{}, std::vector<std::string>{"--csv"}}) {
      std::vector<std::string> describe = {"describe-patch", patch, uneditedPath};
      std::vector<std::string> diff = {"diff", uneditedPath, editedPath};
      describe.insert(describe.end(), csv.begin(), csv.end());
      diff.insert(diff.end(), csv.begin(), csv.end());
      const CliRun described = RunCli(describe);
      EXPECT_EQ(described.status, 0) << format << described.err;
      EXPECT_EQ(described.out, RunCli(diff).out) << format;
    }
    EXPECT_EQ(FolderEntries(folder), before) << format << ": no file is written";
    EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes) << format;
  }
  const CliRun ips = RunCli({"describe-patch", InFolder("edit.ips"), uneditedPath});
  EXPECT_EQ(ips.out, kLines);
  EXPECT_NE(ips.err.find("note: An IPS patch carries no check"), std::string::npos) << ips.err;
}

TEST_F(DiffCommands, DescribePatchMakesTheChecksApplyPatchMakes) {
  const std::string patch = InFolder("edit.bps");
  ASSERT_EQ(RunCli({"make-bps", editedPath, uneditedPath, patch}).status, 0);
  const CliRun run = RunCli({"describe-patch", patch, editedPath});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("quillon-cli: This patch was made for another image.", 0), 0u) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
