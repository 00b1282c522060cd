#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/item/item_dump.h"
#include "core/item/item_order.h"
#include "tests/cli/run_cli.h"
#include "tests/support/table_fixture.h"

namespace {

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class DumpItemsCli : public ::testing::Test {
 protected:
  void SetUp() override {
    FixtureImage image;
    image.SetKind(RomKind::EarthBoundRom);
    PutItem(image, 0, {"egg", 0, 10});
    PutItem(image, 1, {"EGG", 0, 20});
    PutItem(image, 2, {"ant", 0, 30, 0x85, 4, 0xFF, 1, 2, 3, 0xC50000});
    for (int n = 3; n < 256; ++n) PutItem(image, static_cast<std::uint8_t>(n), {"Thing", 1});
    imagePath = TempPath("cli.smc");
    image.WriteTo(imagePath);
    imageBytes = image.bytes;
  }

  // The dump the editor writes for this order after a load.
  std::string ExpectedDump(ListOrder order) {
    std::FILE* file = std::fopen(imagePath.c_str(), "rb");
    ItemTable items;
    LoadItemTable(file, kHeaderedLayout, items);
    std::fclose(file);
    SortItems(items, order);
    return ItemDumpText(items);
  }

  std::string imagePath;
  std::vector<std::uint8_t> imageBytes;
};

TEST_F(DumpItemsCli, WritesTheEditorsDumpForEachOrderAndLeavesTheImageAlone) {
  struct Case {
    std::vector<std::string> orderArgs;
    ListOrder order;
    const char* firstItemLine;
  } cases[] = {
      {{}, ListOrder::ByName, "Item #:        2"},
      {{"--order", "name"}, ListOrder::ByName, "Item #:        2"},
      {{"--order", "type"}, ListOrder::ByType, "Item #:        2"},
      {{"--order", "original"}, ListOrder::Original, "Item #:        0"},
  };
  for (const Case& c : cases) {
    const std::string out = TempPath("items.txt");
    std::vector<std::string> args = {"dump-items", imagePath, out};
    args.insert(args.end(), c.orderArgs.begin(), c.orderArgs.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string dump = ReadFileText(out);
    EXPECT_EQ(dump, ExpectedDump(c.order)) << static_cast<int>(c.order);
    EXPECT_EQ(dump.find("Item #:"), dump.find(std::string(c.firstItemLine) + "\r\n")) << c.firstItemLine;
  }
  EXPECT_EQ(ReadFileBytes(imagePath), imageBytes);
}

TEST_F(DumpItemsCli, DashAsOutWritesTheDumpToStandardOutput) {
  const CliRun run = RunCli({"dump-items", imagePath, "-", "--order", "original"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ExpectedDump(ListOrder::Original));
  EXPECT_FALSE(std::filesystem::exists("-"));
}

TEST_F(DumpItemsCli, ByTypeSortsOnceFromRomOrder) {
  // Sorted once from ROM order, "ant" is exchanged with "egg", which then follows "EGG";
  // sorting by name first would leave "egg" (item 0) ahead of "EGG" (item 1).
  const std::string out = TempPath("items.txt");
  ASSERT_EQ(RunCli({"dump-items", imagePath, out, "--order", "type"}).status, 0);
  const std::string dump = ReadFileText(out);
  EXPECT_LT(dump.find("Item #:        1\r\n"), dump.find("Item #:        0\r\n"));
}

TEST_F(DumpItemsCli, ErrorsSayOneLineExitNonZeroAndLeaveNoFile) {
  const std::string tinyImage = TempPath("tiny.smc");
  FixtureImage(0x15EC5A).WriteTo(tinyImage);
  const std::string hugeImage = TempPath("huge.smc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(hugeImage, (std::uint64_t{1} << 32) + FixtureImage::kFullSize);
  const std::string out = TempPath("never.txt");
  const std::string emptyFolder = TempPath("empty-folder");
  std::filesystem::create_directory(emptyFolder);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {"no output", {"dump-items", imagePath}, 2, ""},
      {"unknown order", {"dump-items", imagePath, out, "--order", "game"}, 2, ""},
      {"order without value", {"dump-items", imagePath, out, "--order"}, 2, ""},
      {"extra argument", {"dump-items", imagePath, out, "--order", "name", "x"}, 2, ""},
      {"missing image", {"dump-items", TempPath("missing.smc"), out}, 1, "cannot open"},
      {"image too small", {"dump-items", tinyImage, out}, 1, "too small"},
      {"image too large", {"dump-items", hugeImage, out}, 1, "is larger than 16 MiB"},
      {"image is a folder", {"dump-items", emptyFolder, out}, 1, "is not a regular file."},
      {"unwritable output", {"dump-items", imagePath, TempPath("no-folder") + "/x.txt"}, 1, "could not be written"},
      {"output is the image", {"dump-items", imagePath, imagePath}, 1, "is the image itself"},
      {"output is a folder", {"dump-items", imagePath, emptyFolder}, 1, "could not be written"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.name;
    EXPECT_EQ(LineCount(run.err), 1u) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.name << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(emptyFolder));
  EXPECT_EQ(ReadFileBytes(imagePath), imageBytes);
}

TEST_F(DumpItemsCli, ImageNamedLikeATemporaryFileOfTheOutputIsOnlyRead) {
  const std::string out = TempPath("eb.smc");
  const std::string image = out + ".new";
  std::filesystem::copy_file(imagePath, image);
  const CliRun run = RunCli({"dump-items", image, out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(image), imageBytes);
  EXPECT_EQ(ReadFileText(out), ExpectedDump(ListOrder::ByName));
}

TEST_F(DumpItemsCli, ReadOnlyOutputIsRefusedAndKept) {
  const std::string out = TempPath("read-only.txt");
  {
    std::FILE* file = std::fopen(out.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("kept", file);
    std::fclose(file);
  }
  std::filesystem::permissions(out, std::filesystem::perms::owner_read);
  const CliRun run = RunCli({"dump-items", imagePath, out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "quillon-cli: The dump could not be written to " + out + ".\n");
  EXPECT_EQ(ReadFileText(out), "kept");
}

}  // namespace
