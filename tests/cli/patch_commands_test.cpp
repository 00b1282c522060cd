#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "core/patch/bps_format.h"
#include "core/patch/bps_number.h"
#include "core/patch/write_bps_patch.h"
#include "tests/cli/run_cli.h"
#include "tests/support/bps_reference.h"
#include "tests/support/byte_text.h"
#include "tests/support/fixture_image.h"
#include "tests/support/folder_contents.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::set<std::string> FolderEntries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// An unedited image, an edited copy with a grown tail, and both patches, each in a folder
// of its own so a test can tell that nothing else was written there.
class PatchCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 random(21);
    unedited.SetKind(RomKind::EarthBoundRom);
    for (std::size_t p = 0x20000; p < 0x30000; ++p) unedited.bytes[p] = static_cast<std::uint8_t>(random());
    edited = unedited;
    edited.PutByte(0x20100, 0x5A).Put(0x200000, Bytes(3000, 0xFF));
    edited.bytes.resize(edited.bytes.size() + 0x8000, 0xEE);
    fs::create_directories(folder);
    edited.WriteTo(editedPath);
    unedited.WriteTo(uneditedPath);
  }

  std::string InFolder(const std::string& name) const { return folder + "/" + name; }

  FixtureImage unedited;
  FixtureImage edited;
  const std::string folder = TempPath("patches");
  const std::string editedPath = InFolder("edited.smc");
  const std::string uneditedPath = InFolder("unedited.smc");
};

TEST_F(PatchCommands, MakeBpsThenApplyPatchGivesTheEditedImage) {
  const std::string patch = InFolder("edit.bps");
  const CliRun made = RunCli({"make-bps", editedPath, uneditedPath, patch});
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.err, "");
  EXPECT_LT(fs::file_size(patch), 200u) << "a run, a byte and a grown fill take a few bytes each";
  EXPECT_EQ(ReadFileBytes(editedPath), edited.bytes) << "the images are only read";
  EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes) << "the images are only read";

  const std::string result = InFolder("result.smc");
  const CliRun applied = RunCli({"apply-patch", patch, uneditedPath, result});
  ASSERT_EQ(applied.status, 0) << applied.err;
  EXPECT_EQ(applied.err, "");
  EXPECT_TRUE(ReadFileBytes(result) == edited.bytes);

  const CliRun inPlace = RunCli({"apply-patch", patch, uneditedPath, uneditedPath});
  ASSERT_EQ(inPlace.status, 0) << inPlace.err;
  EXPECT_TRUE(ReadFileBytes(uneditedPath) == edited.bytes) << "the image is replaced by the result";
  EXPECT_EQ(FolderEntries(folder), (std::set<std::string>{"edited.smc", "unedited.smc", "unedited.smc.backups",
                                                          "edit.bps", "result.smc"}));
  const std::set<std::string> backups = FolderEntries(folder + "/unedited.smc.backups");
  ASSERT_EQ(backups.size(), 1u) << "the image as it was, before it was replaced";
  EXPECT_TRUE(ReadFileBytes(folder + "/unedited.smc.backups/" + *backups.begin()) == unedited.bytes);
}

TEST_F(PatchCommands, ApplyPatchOntoItsImageWithoutABackupWritesNothing) {
  const std::string patch = InFolder("edit.bps");
  ASSERT_EQ(RunCli({"make-bps", editedPath, uneditedPath, patch}).status, 0);
  // A file where the backup folder would go: the folder cannot be made.
  std::ofstream(InFolder("unedited.smc.backups")) << "not a folder";
  const CliRun inPlace = RunCli({"apply-patch", patch, uneditedPath, uneditedPath});
  EXPECT_EQ(inPlace.status, 1);
  EXPECT_NE(inPlace.err.find("A backup copy of the ROM could not be made"), std::string::npos) << inPlace.err;
  EXPECT_TRUE(ReadFileBytes(uneditedPath) == unedited.bytes) << "the image stays as it was";
  EXPECT_EQ(FolderEntries(folder),
            (std::set<std::string>{"edited.smc", "unedited.smc", "unedited.smc.backups", "edit.bps"}));
}

TEST_F(PatchCommands, ApplyPatchOntoAReadOnlyImageRefusesBeforeItsBackupSixTimesOver) {
  const std::string patch = InFolder("edit.bps");
  ASSERT_EQ(RunCli({"make-bps", editedPath, uneditedPath, patch}).status, 0);
  const std::string backups = InFolder("unedited.smc.backups");
  fs::create_directory(backups);
  for (int day = 1; day <= 5; ++day) WriteTextFile(backups + "/unedited-2027010" + std::to_string(day) + "-120000.smc", "older");
  const FolderContents before = ReadFolderContents(backups);
  fs::permissions(uneditedPath, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  for (int attempt = 0; attempt < 6; ++attempt) {
    const CliRun run = RunCli({"apply-patch", patch, uneditedPath, uneditedPath});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quillon-cli: " + uneditedPath + " is read-only, so nothing was written to it.\n");
  }
  EXPECT_EQ(ReadFolderContents(backups), before) << "no backup made, none pruned";
  EXPECT_TRUE(ReadFileBytes(uneditedPath) == unedited.bytes);
}

TEST_F(PatchCommands, ApplyPatchOntoItsImageKeepsItsPermissionsGroupAndNames) {
  const std::string patch = InFolder("edit.bps");
  ASSERT_EQ(RunCli({"make-bps", editedPath, uneditedPath, patch}).status, 0);
  fs::create_directory(InFolder("real"));
  const std::string real = InFolder("real/target.smc");
  unedited.WriteTo(real);
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  // Giving the file a group the process is not in needs root; as anyone else it keeps its own.
  const gid_t group = geteuid() == 0 ? 1 : getegid();
  ASSERT_EQ(chown(real.c_str(), static_cast<uid_t>(-1), group), 0);
  const std::string link = InFolder("link.smc");
  fs::create_symlink("real/target.smc", link);
  const std::string secondName = InFolder("real/second-name.smc");
  fs::create_hard_link(real, secondName);

  for (const std::string& image : {link, secondName}) {
    unedited.WriteTo(secondName);
    const CliRun run = RunCli({"apply-patch", patch, image, image});
    ASSERT_EQ(run.status, 0) << image << ": " << run.err;
    EXPECT_TRUE(fs::is_symlink(link)) << image;
    EXPECT_TRUE(ReadFileBytes(real) == edited.bytes) << image;
    EXPECT_TRUE(ReadFileBytes(secondName) == edited.bytes) << image;
    struct stat status {};
    ASSERT_EQ(stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u) << image;
    EXPECT_EQ(status.st_gid, group) << image;
    EXPECT_EQ(status.st_nlink, 2u) << image;
  }
}

TEST_F(PatchCommands, ABpsPatchMadeOverTheWholeHeaderedFileIsAppliedToItWithANote) {
  const Bytes wholeFilePatch = WriteBpsPatch(edited.bytes, unedited.bytes);
  const std::string patch = InFolder("whole-file.bps");
  WriteFileBytes(patch, wholeFilePatch);
  const std::string result = InFolder("result.smc");
  const CliRun run = RunCli({"apply-patch", patch, uneditedPath, result});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err,
            "quillon-cli: note: The patch was made for the whole file, copier header included, so it was applied to "
            "the whole file.\n");
  EXPECT_TRUE(ReadFileBytes(result) == edited.bytes);
}

TEST_F(PatchCommands, BpsPatchesCarryRomDataOnlySoTheyServeBothLayouts) {
  const std::string fromHeadered = InFolder("headered.bps");
  ASSERT_EQ(RunCli({"make-bps", editedPath, uneditedPath, fromHeadered}).status, 0);
  const std::string editedTwin = InFolder("edited.sfc");
  const std::string uneditedTwin = InFolder("unedited.sfc");
  edited.HeaderlessTwin().WriteTo(editedTwin);
  unedited.HeaderlessTwin().WriteTo(uneditedTwin);
  const std::string fromHeaderless = InFolder("headerless.bps");
  ASSERT_EQ(RunCli({"make-bps", editedTwin, uneditedTwin, fromHeaderless}).status, 0);
  EXPECT_EQ(ReadFileBytes(fromHeaderless), ReadFileBytes(fromHeadered));

  const std::string result = InFolder("result.sfc");
  const CliRun applied = RunCli({"apply-patch", fromHeadered, uneditedTwin, result});
  ASSERT_EQ(applied.status, 0) << applied.err;
  EXPECT_TRUE(ReadFileBytes(result) == edited.HeaderlessTwin().bytes);
}

TEST_F(PatchCommands, ASourceCopyOfBytesAlreadyWrittenOverGetsThemFromTheImage) {
  // Sixteen random bytes behind the header are written over, then copied to the end.
  const Bytes rom(unedited.bytes.begin() + kCopierHeaderSize, unedited.bytes.end());
  const std::uint32_t at = 0x20000 - kCopierHeaderSize;
  const Bytes literals(16, 0xA5);
  Bytes target = rom;
  std::copy(literals.begin(), literals.end(), target.begin() + at);
  std::copy_n(rom.begin() + at, 16, target.end() - 16);
  Bytes body;
  for (const std::uint64_t number : {rom.size(), rom.size(), std::size_t{0}}) PutBpsNumber(body, number);
  PutBpsNumber(body, BpsAction(BpsCommand::SourceRead, at));
  PutBpsNumber(body, BpsAction(BpsCommand::TargetRead, 16));
  body.insert(body.end(), literals.begin(), literals.end());
  PutBpsNumber(body, BpsAction(BpsCommand::SourceRead, rom.size() - at - 32));
  PutBpsNumber(body, BpsAction(BpsCommand::SourceCopy, 16));
  PutBpsNumber(body, BpsOffsetMove(at));
  const std::string patch = InFolder("copy.bps");
  const Bytes patchBytes = SealedBpsPatch(rom, target, body);
  std::ofstream(patch, std::ios::binary).write(reinterpret_cast<const char*>(patchBytes.data()), patchBytes.size());

  Bytes expected(unedited.bytes.begin(), unedited.bytes.begin() + kCopierHeaderSize);
  expected.insert(expected.end(), target.begin(), target.end());
  for (const std::string& result : {InFolder("result.smc"), uneditedPath}) {
    const CliRun applied = RunCli({"apply-patch", patch, uneditedPath, result});
    ASSERT_EQ(applied.status, 0) << result << ": " << applied.err;
    EXPECT_TRUE(ReadFileBytes(result) == expected) << result;
  }
}

TEST_F(PatchCommands, ApplyingAnIpsPatchSaysItCarriesNoCheck) {
  const std::string patch = InFolder("edit.ips");
  FixtureImage sameSize = edited;
  sameSize.bytes.resize(unedited.bytes.size());
  sameSize.WriteTo(editedPath);
  ASSERT_EQ(RunCli({"make-ips", editedPath, uneditedPath, patch}).status, 0);

  const std::string result = InFolder("result.smc");
  const CliRun applied = RunCli({"apply-patch", patch, uneditedPath, result});
  EXPECT_EQ(applied.status, 0);
  EXPECT_EQ(applied.err,
            "quillon-cli: note: An IPS patch carries no check of its ROM: make sure it was made for this one (and "
            "with or without its header).\n");
  EXPECT_TRUE(ReadFileBytes(result) == sameSize.bytes);
}

TEST_F(PatchCommands, RefusalsGiveOneLineAndWriteNothing) {
  const std::string bps = InFolder("edit.bps");
  ASSERT_EQ(RunCli({"make-bps", editedPath, uneditedPath, bps}).status, 0);
  const std::string text = InFolder("notes.txt");
  std::FILE* notes = std::fopen(text.c_str(), "wb");
  std::fputs("not a patch", notes);
  std::fclose(notes);
  const std::string missing = InFolder("missing.smc");
  const std::string out = InFolder("out.smc");
  const std::string noFolder = InFolder("no-such-folder/out.smc");
  const std::string huge = InFolder("huge.smc");
  std::fclose(std::fopen(huge.c_str(), "wb"));
  fs::resize_file(huge, 16 * 1024 * 1024 + 512 + 1);
  const std::string tooLarge = "quillon-cli: The ROM is larger than 16 MiB, larger than any ROM a patch is made for.\n";
  const std::string bigIps = InFolder("big.ips");
  WriteFileBytes(bigIps, Concat({Text("PATCH"), {0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x41}, Text("EOF")}));
  const std::string pipe = InFolder("pipe.smc");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
  const std::string readOnly = InFolder("read-only.smc");
  WriteTextFile(readOnly, "someone's");
  fs::permissions(readOnly, fs::perms::owner_read);
  const auto notAFile = [](const std::string& path) { return "quillon-cli: " + path + " is not a regular file.\n"; };
  const std::string crcs = "Expected CRC32 ";
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"apply-patch", bps, editedPath, out}, "quillon-cli: This patch was made for another image. " + crcs},
      {{"apply-patch", text, uneditedPath, out}, "quillon-cli: This file is not an IPS or BPS patch.\n"},
      {{"apply-patch", missing, uneditedPath, out}, "quillon-cli: Error Opening Patch for Reading\n"},
      {{"apply-patch", bps, missing, out}, "quillon-cli: Error Opening ROM for Reading\n"},
      {{"apply-patch", bps, huge, out}, tooLarge},
      {{"apply-patch", bps, uneditedPath, bps}, "quillon-cli: The patched ROM cannot be saved over the patch.\n"},
      {{"apply-patch", bps, uneditedPath, noFolder}, "quillon-cli: Error Writing Patched ROM\n"},
      {{"apply-patch", bps, uneditedPath, readOnly}, "quillon-cli: " + readOnly + " is read-only, so nothing was written to it.\n"},
      {{"apply-patch", bigIps, uneditedPath, out}, "quillon-cli: The patched ROM would be larger than 16 MiB.\n"},
      {{"apply-patch", pipe, uneditedPath, out}, notAFile(pipe)},
      {{"apply-patch", bps, pipe, out}, notAFile(pipe)},
      {{"apply-patch", "/dev/zero", uneditedPath, out}, notAFile("/dev/zero")},
      {{"make-bps", pipe, uneditedPath, out}, notAFile(pipe)},
      {{"make-bps", editedPath, missing, out}, "quillon-cli: Error Opening ROM for Reading: " + missing + "\n"},
      {{"make-bps", editedPath, uneditedPath, uneditedPath}, "quillon-cli: The BPS file cannot be one of the two ROM.\n"},
      {{"make-bps", editedPath, uneditedPath, noFolder}, "quillon-cli: Error Writing BPS File\n"},
      {{"make-bps", huge, uneditedPath, out}, tooLarge},
  };
  const std::set<std::string> before = FolderEntries(folder);
  const Bytes uneditedBytes = ReadFileBytes(uneditedPath);
  const Bytes bpsBytes = ReadFileBytes(bps);
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 1) << c.err;
    EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(FolderEntries(folder), before) << c.err;
  }
  EXPECT_EQ(ReadFileBytes(uneditedPath), uneditedBytes);
  EXPECT_EQ(ReadFileBytes(bps), bpsBytes);
  EXPECT_EQ(ReadFileText(readOnly), "someone's");
}

TEST_F(PatchCommands, WrongArgumentCountShowsTheUsage) {
  const struct {
    std::vector<std::string> args;
    std::string usage;
  } cases[] = {
      {{"make-bps", editedPath, uneditedPath}, "usage: quillon-cli make-bps EDITED UNEDITED OUT\n"},
      {{"apply-patch", editedPath}, "usage: quillon-cli apply-patch PATCH IMAGE OUT\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, c.usage);
  }
}

}  // namespace
