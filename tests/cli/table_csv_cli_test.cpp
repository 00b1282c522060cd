#include <gtest/gtest.h>

#include "core/enemy/enemy_record.h"
#include "tests/cli/run_cli.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/folder_contents.h"
#include "tests/support/table_fixture.h"

namespace {

// Enemy 12 "Starman" with 21 HP, carrying item 5 "Cracked Bat", exported once.
class TableCsvCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    PutEnemyName(image, 12, "Starman");
    PutEnemyField(image, 12, EnemyFieldOffset::kHp, 21, 2);
    PutItem(image, 5, {"Cracked Bat", 4, 18, kItemNess, 0, 0, 0, 0, 0, 0xC50000});
    PutEnemyField(image, 12, EnemyFieldOffset::kItem, 5, 1);
    image.WriteTo(imagePath);
    ASSERT_EQ(RunCli({"export", "enemies", imagePath, csvPath}).status, 0);
    csv = ReadFileText(csvPath);
  }

  // The export with Starman's HP made 40.
  std::string EditedCsv() const {
    std::string edited = csv;
    const std::string row = "\r\n12,Starman,21,";
    edited.replace(edited.find(row), row.size(), "\r\n12,Starman,40,");
    return edited;
  }

  const std::string folder = FreshFolder("table_csv");
  const std::string imagePath = folder + "/game.smc";
  const std::string csvPath = folder + "/enemies.csv";
  FixtureImage image;
  std::string csv;
};

TEST_F(TableCsvCommands, ExportWritesTheTableToAFileOrStandardOutput) {
  EXPECT_EQ(csv.rfind("record,Name,HP,PP,Exp,Money,", 0), 0u) << csv.substr(0, 80);
  EXPECT_NE(csv.find("\r\n12,Starman,21,0,0,0,"), std::string::npos);
  EXPECT_NE(csv.find(",Cracked Bat - [5],"), std::string::npos) << "the item an enemy carries, from the item table";
  const CliRun toOut = RunCli({"export", "enemies", imagePath, "-"});
  EXPECT_EQ(toOut.status, 0);
  EXPECT_EQ(toOut.out, csv);
}

TEST_F(TableCsvCommands, ImportWritesTheChangedFieldsAfterABackupAndPrintsThem) {
  WriteTextFile(csvPath, EditedCsv());
  const CliRun run = RunCli({"import", "enemies", imagePath, csvPath});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "enemy 12 \"Starman\": HP 21 -> 40\n");
  FixtureImage expected = image;
  PutEnemyField(expected, 12, EnemyFieldOffset::kHp, 40, 2);
  EXPECT_TRUE(ReadFileBytes(imagePath) == expected.bytes);
  const FolderContents backups = ReadFolderContents(imagePath + ".backups");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(backups.begin()->second, std::string(image.bytes.begin(), image.bytes.end()));
}

// Both bytes of a field, the field beside it, one further on and a record far away: the
// write groups what is close and must miss no byte of any group.
TEST_F(TableCsvCommands, ImportWritesEveryChangedByteWhereverItStands) {
  std::string edited = csv;
  const auto replace = [&](const std::string& from, const std::string& to) {
    ASSERT_NE(edited.find(from), std::string::npos) << from;
    edited.replace(edited.find(from), from.size(), to);
  };
  replace("\r\n12,Starman,21,0,0,0,", "\r\n12,Starman,300,7,0,9,");
  replace("\r\n200,,0,0,0,0,", "\r\n200,,65535,0,0,0,");
  WriteTextFile(csvPath, edited);
  const CliRun run = RunCli({"import", "enemies", imagePath, csvPath});
  EXPECT_EQ(run.status, 0) << run.err;
  FixtureImage expected = image;
  PutEnemyField(expected, 12, EnemyFieldOffset::kHp, 300, 2);
  PutEnemyField(expected, 12, EnemyFieldOffset::kPp, 7, 2);
  PutEnemyField(expected, 12, EnemyFieldOffset::kMoney, 9, 2);
  PutEnemyField(expected, 200, EnemyFieldOffset::kHp, 65535, 2);
  EXPECT_TRUE(ReadFileBytes(imagePath) == expected.bytes);
}

TEST_F(TableCsvCommands, ADryRunAnUntouchedImportAndARefusedOneWriteNothing) {
  WriteTextFile(csvPath, EditedCsv());
  const CliRun dry = RunCli({"import", "enemies", imagePath, csvPath, "--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_EQ(dry.out, "enemy 12 \"Starman\": HP 21 -> 40\n");

  WriteTextFile(csvPath, csv);
  const CliRun untouched = RunCli({"import", "enemies", imagePath, csvPath});
  EXPECT_EQ(untouched.status, 0) << untouched.err;
  EXPECT_EQ(untouched.out, "");

  std::string bad = EditedCsv();
  bad.replace(bad.find("\r\n13,"), 5, "\r\n13x,");
  WriteTextFile(csvPath, bad);
  const CliRun refused = RunCli({"import", "enemies", imagePath, csvPath});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "row 15, column record: \"13x\" is not a number\n");
  EXPECT_EQ(refused.out, "");

  EXPECT_TRUE(ReadFileBytes(imagePath) == image.bytes);
  EXPECT_EQ(ReadFolderContents(folder), (FolderContents{{"enemies.csv", bad}, {"game.smc", ReadFileText(imagePath)}}))
      << "no backup either";
}

TEST_F(TableCsvCommands, RefusesWhatItCannotDoInOneLine) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"export", "enemies", imagePath}, 2, "usage: quillon-cli export TABLE IMAGE OUT.csv\n"},
      {{"import", "enemies", imagePath, csvPath, "--dry"}, 2,
       "usage: quillon-cli import TABLE IMAGE IN.csv [--dry-run]\n"},
      {{"export", "monsters", imagePath, csvPath}, 1,
       "quillon-cli: there is no table monsters; the tables are "
       "enemies|items|psi-names|teleports|phone|ailments|battle-menu\n"},
      {{"export", "enemies", imagePath, imagePath}, 1,
       "quillon-cli: " + imagePath + " is the image itself; choose another output file\n"},
      {{"import", "enemies", imagePath, folder + "/none.csv"}, 1,
       "quillon-cli: Cannot open " + folder + "/none.csv.\n"},
      {{"import", "items", folder + "/none.smc", csvPath}, 1, "quillon-cli: cannot open " + folder + "/none.smc\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_TRUE(ReadFileBytes(imagePath) == image.bytes);
}

}  // namespace
