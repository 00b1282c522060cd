#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/run_cli.h"
#include "tests/support/fixture_image.h"
#include "tests/support/ips_applier.h"

namespace {

class MakeIpsCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    unedited.SetKind(RomKind::EarthBoundRom).PutByte(0x300000, 0x77);
    edited = unedited;
    edited.PutByte(0x200, 0x5A).PutByte(0x300000, 0x00).PutByte(0x300001, 0x01);
    edited.WriteTo(editedPath);
    unedited.WriteTo(uneditedPath);
  }

  FixtureImage unedited;
  FixtureImage edited;
  const std::string editedPath = TempPath("edited.smc");
  const std::string uneditedPath = TempPath("unedited.smc");
  const std::string patchPath = TempPath("out.ips");
};

TEST_F(MakeIpsCommand, WritesThePatchThatTurnsTheUneditedImageIntoTheEdited) {
  const CliRun run = RunCli({"make-ips", editedPath, uneditedPath, patchPath});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::vector<std::uint8_t> patched = unedited.bytes;
  ASSERT_TRUE(ApplyIpsPatch(ReadFileBytes(patchPath), patched));
  EXPECT_TRUE(patched == edited.bytes);
  EXPECT_EQ(ReadFileBytes(patchPath).size(), 5u + 3 * 6 + 3);
  EXPECT_EQ(ReadFileBytes(editedPath), edited.bytes) << "the images are only read";
  EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes) << "the images are only read";
}

TEST_F(MakeIpsCommand, ErrorsGiveOneLineAndNoPatch) {
  const std::string missing = TempPath("missing.smc");
  const std::string mother2 = TempPath("m2.smc");
  FixtureImage().SetKind(RomKind::Mother2Rom).WriteTo(mother2);
  const std::string shorter = TempPath("short.smc");
  FixtureImage(FixtureImage::kFullSize - 1).SetKind(RomKind::EarthBoundRom).WriteTo(shorter);
  // Its low 32 bits are the size of the edited image.
  const std::string huge = TempPath("huge.smc");
  unedited.WriteTo(huge, (std::uint64_t{1} << 32) + FixtureImage::kFullSize);
  const std::string noFolder = TempPath("no-such-folder") + "/out.ips";
  const std::string headerless = TempPath("headerless.sfc");
  unedited.HeaderlessTwin().WriteTo(headerless);
  const std::string folder = TempPath("folder.smc");
  std::filesystem::create_directory(folder);
  struct Case {
    std::vector<std::string> args;
    std::string patch;
    std::string err;
  } cases[] = {
      {{editedPath, missing}, patchPath, "quillon-cli: Error Opening ROM for Reading: " + missing + "\n"},
      {{missing, uneditedPath}, patchPath, "quillon-cli: Error Opening ROM for Reading: " + missing + "\n"},
      {{editedPath, folder}, patchPath, "quillon-cli: " + folder + " is not a regular file.\n"},
      {{editedPath, mother2}, patchPath, "quillon-cli: The two ROM are not compatible.\n"},
      {{editedPath, shorter}, patchPath, "quillon-cli: The two ROM are of different size\n"},
      {{editedPath, headerless}, patchPath,
       "quillon-cli: One of the two images has a copier header and the other has none, so their bytes do not line "
       "up. Use two images of the same kind.\n"},
      {{editedPath, huge}, patchPath, "quillon-cli: The ROM is larger than 16 MiB, too large for an IPS patch.\n"},
      {{editedPath, uneditedPath}, noFolder, "quillon-cli: Error Writing IPS File\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli({"make-ips", c.args[0], c.args[1], c.patch});
    EXPECT_EQ(run.status, 1) << c.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_FALSE(std::filesystem::exists(c.patch)) << c.err;
  }
}

TEST_F(MakeIpsCommand, RefusesToWriteThePatchOverEitherImage) {
  for (const std::string& target : {editedPath, uneditedPath}) {
    const CliRun run = RunCli({"make-ips", editedPath, uneditedPath, target});
    EXPECT_EQ(run.status, 1) << target;
    EXPECT_EQ(run.err, "quillon-cli: The IPS file cannot be one of the two ROM.\n") << target;
  }
  EXPECT_EQ(ReadFileBytes(editedPath), edited.bytes);
  EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes);
}

TEST_F(MakeIpsCommand, ImageNamedLikeATemporaryFileOfThePatchIsOnlyRead) {
  const std::string namedLikeTemporary = patchPath + ".new";
  unedited.WriteTo(namedLikeTemporary);
  const CliRun run = RunCli({"make-ips", editedPath, namedLikeTemporary, patchPath});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(namedLikeTemporary), unedited.bytes);
  std::vector<std::uint8_t> patched = unedited.bytes;
  ASSERT_TRUE(ApplyIpsPatch(ReadFileBytes(patchPath), patched));
  EXPECT_TRUE(patched == edited.bytes);
}

TEST_F(MakeIpsCommand, ReadOnlyPatchIsRefusedAndKept) {
  FixtureImage(8).WriteTo(patchPath);
  std::filesystem::permissions(patchPath, std::filesystem::perms::owner_read);
  const CliRun run = RunCli({"make-ips", editedPath, uneditedPath, patchPath});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "quillon-cli: Error Writing IPS File\n");
  EXPECT_EQ(ReadFileBytes(patchPath), std::vector<std::uint8_t>(8, 0));
}

TEST_F(MakeIpsCommand, WrongArgumentCountShowsTheUsage) {
  const CliRun run = RunCli({"make-ips", editedPath, uneditedPath});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "usage: quillon-cli make-ips EDITED UNEDITED OUT\n");
}

}  // namespace
