#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "quillon_version.h"
#include "tests/cli/run_cli.h"
#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"
#include "tests/support/plain_checksum.h"

namespace {

std::string Hex(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

TEST(InfoCommand, PrintsEveryKeyForEachKindOfImage) {
  FixtureImage possessed;
  possessed.SetTitle("EARTH BOUND (J)").Put(Headered(0xFFD0), {'B', 'o', 'o', '!'});
  possessed.PutValue(Headered(0xFFDC), 0x1234 ^ 0xFFFF, 2).PutValue(Headered(0xFFDE), 0x1234, 2);
  const std::vector<std::uint8_t> romData(possessed.bytes.begin() + 512, possessed.bytes.end());
  const std::uint16_t sum = PlainChecksum(romData, 0xFFC0);

  FixtureImage fixed = possessed.HeaderlessTwin();
  fixed.SetKind(RomKind::Mother2Rom).Put(0xFFD0, {'B', 'o', 'o', '!'});
  const std::uint16_t fixedSum = PlainChecksum(fixed.bytes, 0xFFC0);
  fixed.PutValue(0xFFDC, fixedSum ^ 0xFFFF, 2).PutValue(0xFFDE, fixedSum, 2);

  FixtureImage odd(3 * 1024 * 1024 + 100);
  odd.Put(Headered(0xFFC0), {'O', 'D', 'D', 0x01});

  struct Case {
    const char* name;
    const FixtureImage& image;
    std::string expected;  // after the "file:" line
  } cases[] = {
      {"headered, possessed, stale checksum", possessed,
       "kind: EarthBound\nheader: 512-byte copier header\nsize: 3146240 bytes\ntitle: EARTH BOUND (J) Boo!\n"
       "checksum: 0x1234 stored, " + Hex(sum) + " computed (wrong)\npossessed: yes\n"},
      {"headerless Mother 2, fixed checksum", fixed,
       "kind: Mother 2\nheader: none\nsize: 3145728 bytes\ntitle: MOTHER-2        Boo!\nchecksum: " + Hex(fixedSum) +
           " stored, " + Hex(fixedSum) + " computed (valid)\npossessed: yes\n"},
      {"unrecognized, size with no checksum", odd,
       "kind: unrecognized\nheader: 512-byte copier header\nsize: 3145828 bytes\ntitle: ODD.\nchecksum: unknown\n"
       "possessed: no\n"},
  };
  for (const Case& c : cases) {
    const std::string path = TempPath("info.sfc");
    c.image.WriteTo(path);
    const CliRun run = RunCli({"info", path});
    EXPECT_EQ(run.status, 0) << c.name;
    EXPECT_EQ(run.out, "file: " + path + "\n" + c.expected) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
  }
}

std::string ImageOfSize(std::uint64_t size) {
  const std::string path = TempPath("huge.smc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path, size);
  return path;
}

std::string TooLargeLine(const std::string& path) {
  return "quillon-cli: " + path + " is larger than 16 MiB, too large to be an EarthBound ROM image\n";
}

TEST(InfoCommand, UnreadableOrHugeFileOrNoFileAtAllGivesOneLine) {
  const std::string folder = TempPath("folder.smc");
  std::filesystem::create_directory(folder);
  const std::string pipe = TempPath("pipe.smc");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
  const std::string missing = TempPath("missing.smc");
  // Its low 32 bits are the size of a real image.
  const std::string huge = ImageOfSize((std::uint64_t{1} << 32) + FixtureImage::kFullSize);
  const std::pair<std::string, std::string> refused[] = {
      {missing, "quillon-cli: cannot open " + missing + "\n"},
      {folder, "quillon-cli: " + folder + " is not a regular file.\n"},
      {pipe, "quillon-cli: " + pipe + " is not a regular file.\n"},
      {"/dev/zero", "quillon-cli: /dev/zero is not a regular file.\n"},
      {huge, TooLargeLine(huge)},
  };
  for (const auto& [path, err] : refused) {
    const CliRun run = RunCli({"info", path});
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.out, "");
  }
}

TEST(FixChecksumCommand, FixesOnceThenFindsItRight) {
  const FixtureImage image = FixtureImage::OfLayout(kHeaderlessLayout);
  const std::string path = TempPath("fix.sfc");
  image.WriteTo(path);
  const std::uint16_t sum = PlainChecksum(image.bytes, 0xFFC0);

  const CliRun first = RunCli({"fix-checksum", path});
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.out, "The checksum is now " + Hex(sum) + ".\n");
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes[0xFFDE] | bytes[0xFFDF] << 8, sum);
  EXPECT_EQ(bytes[0xFFDC] | bytes[0xFFDD] << 8, sum ^ 0xFFFF);
  const FolderContents backups = ReadFolderContents(path + ".backups");
  ASSERT_EQ(backups.size(), 1u) << "the fix is backed up first";
  EXPECT_EQ(backups.begin()->second, std::string(image.bytes.begin(), image.bytes.end()));

  const CliRun second = RunCli({"fix-checksum", path});
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out, "The checksum was already right.\n");
  EXPECT_EQ(ReadFileBytes(path), bytes);
  EXPECT_EQ(ReadFolderContents(path + ".backups"), backups) << "nothing written, nothing backed up";
}

TEST(FixChecksumCommand, FailuresGiveOneLineAndTouchNothing) {
  const std::string odd = TempPath("odd.sfc");
  FixtureImage(3 * 1024 * 1024 + 100).WriteTo(odd);
  const std::string missing = TempPath("missing.sfc");
  const std::string huge = ImageOfSize(16 * 1024 * 1024 + 1);
  const std::string blocked = TempPath("blocked.sfc");
  FixtureImage().WriteTo(blocked);
  WriteTextFile(blocked + ".backups", "a file where the backup folder goes");
  // Root may open it for writing all the same: only the check of its permissions refuses it.
  const std::string readOnly = TempPath("read-only.sfc");
  FixtureImage().WriteTo(readOnly);
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
  struct Case {
    std::string path;
    std::string err;
  } cases[] = {
      {odd, "quillon-cli: The checksum of an image of this size is unknown, so it cannot be fixed.\n"},
      {missing, "quillon-cli: cannot open " + missing + " for writing\n"},
      {huge, TooLargeLine(huge)},
      {readOnly, "quillon-cli: " + readOnly + " is read-only, so nothing was written to it.\n"},
      {blocked, "quillon-cli: A backup copy of the ROM could not be made in\n" + blocked +
                    ".backups\n\nso nothing was written.  Make sure the disk has room and the folder can be "
                    "written to, then apply again.\n"},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> before = ReadFileBytes(c.path);
    const CliRun run = RunCli({"fix-checksum", c.path});
    EXPECT_EQ(run.status, 1) << c.path;
    EXPECT_EQ(run.out, "") << c.path;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(ReadFileBytes(c.path), before) << c.path;
  }
  EXPECT_FALSE(std::filesystem::exists(readOnly + ".backups")) << "a refused write makes no backup";
}

TEST(CliConventions, HelpVersionAndUnknownCommands) {
  const CliRun help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: quillon-cli info IMAGE\n", 0), 0u) << help.out;
  EXPECT_NE(help.out.find("quillon-cli fix-checksum IMAGE"), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(RunCli({"-h"}).out, help.out);

  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "quillon-cli " QUILLON_VERSION "\n");

  for (const std::vector<std::string>& args : {std::vector<std::string>{"frobnicate"}, std::vector<std::string>{},
                                               std::vector<std::string>{"info"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "no command" : args[0]);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, help.out);
  }
}

}  // namespace
