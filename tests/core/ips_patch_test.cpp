#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>

#include "core/ips/ips_messages.h"
#include "core/ips/ips_percentage.h"
#include "core/ips/make_ips_patch.h"
#include "core/ips/write_ips_patch.h"
#include "tests/support/byte_text.h"
#include "tests/support/fixture_image.h"
#include "tests/support/ips_applier.h"

namespace {

// The patch as the byte-by-byte definition gives it, for images without a difference at
// the "EOF" offset.
Bytes BytewisePatch(const Bytes& edited, const Bytes& unedited) {
  Bytes patch = Text("PATCH");
  for (std::size_t p = 0; p < edited.size() && p < unedited.size(); ++p) {
    if (edited[p] == unedited[p]) continue;
    patch.insert(patch.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                               static_cast<std::uint8_t>(p), 0x00, 0x01, edited[p]});
  }
  return Concat({patch, Text("EOF")});
}

struct PatchRun {
  IpsResult result;
  std::int32_t bytesDone;
  std::int32_t totalBytes;
};

enum class Entry { WriteIpsPatch, MakeIpsPatch };

PatchRun RunPatch(Entry entry, const FixtureImage& edited, const FixtureImage& unedited, const std::string& patchPath) {
  const std::string editedPath = TempPath("edited.smc");
  const std::string uneditedPath = TempPath("unedited.smc");
  edited.WriteTo(editedPath);
  unedited.WriteTo(uneditedPath);
  std::FILE* editedFile = std::fopen(editedPath.c_str(), "rb");
  std::FILE* uneditedFile = std::fopen(uneditedPath.c_str(), "rb");
  std::atomic<std::int32_t> bytesDone{-1};
  std::atomic<std::int32_t> totalBytes{3000000};
  const IpsResult result = entry == Entry::WriteIpsPatch
                               ? WriteIpsPatch(editedFile, uneditedFile, patchPath, bytesDone)
                               : MakeIpsPatch(editedFile, uneditedFile, patchPath, {bytesDone, totalBytes});
  std::fclose(editedFile);
  std::fclose(uneditedFile);
  return {result, bytesDone.load(), totalBytes.load()};
}

TEST(WriteIpsPatch, WritesOneSixByteRecordPerDifferingByte) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::uint32_t, std::uint8_t>> edits;
    Bytes expected;
  } cases[] = {
      {"identical images", {}, Text("PATCHEOF")},
      {"one difference after the header",
       {{0x200, 0x5A}},
       Concat({Text("PATCH"), {0x00, 0x02, 0x00, 0x00, 0x01, 0x5A}, Text("EOF")})},
      {"adjacent differences stay separate records",
       {{0x200, 0x11}, {0x201, 0x22}},
       Concat({Text("PATCH"), {0x00, 0x02, 0x00, 0x00, 0x01, 0x11}, {0x00, 0x02, 0x01, 0x00, 0x01, 0x22}, Text("EOF")})},
      {"edited byte 0x00 against another value",
       {{0x2FF, 0x00}},
       Concat({Text("PATCH"), {0x00, 0x02, 0xFF, 0x00, 0x01, 0x00}, Text("EOF")})},
      {"first and last byte of the file",
       {{0x000, 0x80}, {0x2FF, 0x81}},
       Concat({Text("PATCH"), {0x00, 0x00, 0x00, 0x00, 0x01, 0x80}, {0x00, 0x02, 0xFF, 0x00, 0x01, 0x81}, Text("EOF")})},
  };
  for (const Case& c : cases) {
    FixtureImage unedited(0x300);
    for (auto& byte : unedited.bytes) byte = 0x33;
    FixtureImage edited = unedited;
    for (const auto& [offset, value] : c.edits) edited.PutByte(offset, value);
    const std::string patchPath = TempPath("case.ips");

    const PatchRun run = RunPatch(Entry::WriteIpsPatch, edited, unedited, patchPath);
    ASSERT_TRUE(run.result.written) << c.name << ": " << run.result.message;
    EXPECT_EQ(ReadFileBytes(patchPath), c.expected) << c.name;
    EXPECT_EQ(run.bytesDone, 0x301) << c.name << ": the count ends at the size plus 1";
  }
}

TEST(WriteIpsPatch, BlockwiseComparisonGivesTheBytewisePatchAndRoundTrips) {
  // An odd size, so the images end inside a word.
  FixtureImage unedited(FixtureImage::kFullSize + 45);
  std::mt19937 random(7);
  for (auto& byte : unedited.bytes) byte = static_cast<std::uint8_t>(random());
  FixtureImage edited = unedited;
  // Block and word edges, the file ends, a dense run, and scattered single bytes.
  std::vector<std::uint32_t> offsets = {0, 1, 7, 8, 0xFFFF, 0x10000, 0x10001, 0x1FFFF, 0x20000,
                                        static_cast<std::uint32_t>(edited.bytes.size() - 1)};
  for (std::uint32_t p = 0x30000; p < 0x30040; ++p) offsets.push_back(p);
  for (int i = 0; i < 5000; ++i) offsets.push_back(random() % edited.bytes.size());
  for (std::uint32_t p : offsets) edited.bytes[p] = static_cast<std::uint8_t>(unedited.bytes[p] ^ (1 + random() % 255));
  const std::string patchPath = TempPath("random.ips");

  const PatchRun run = RunPatch(Entry::WriteIpsPatch, edited, unedited, patchPath);
  ASSERT_TRUE(run.result.written) << run.result.message;
  const Bytes patch = ReadFileBytes(patchPath);
  EXPECT_EQ(patch, BytewisePatch(edited.bytes, unedited.bytes));
  Bytes patched = unedited.bytes;
  ASSERT_TRUE(ApplyIpsPatch(patch, patched));
  EXPECT_TRUE(patched == edited.bytes) << "applying the patch gives the edited image";
  EXPECT_EQ(run.bytesDone, static_cast<std::int32_t>(edited.bytes.size() + 1));
}

TEST(WriteIpsPatch, DifferenceAtTheEofOffsetStartsItsRecordOneByteEarlier) {
  struct Case {
    const char* name;
    std::vector<std::uint32_t> differences;
    Bytes records;
  } cases[] = {
      {"alone", {0x454F46}, {0x45, 0x4F, 0x45, 0x00, 0x02, 0xA5, 0xA6}},
      {"with the byte before it",
       {0x454F45, 0x454F46},
       {0x45, 0x4F, 0x45, 0x00, 0x01, 0xA5, 0x45, 0x4F, 0x45, 0x00, 0x02, 0xA5, 0xA6}},
      {"with the bytes around it",
       {0x454F46, 0x454F47},
       {0x45, 0x4F, 0x45, 0x00, 0x02, 0xA5, 0xA6, 0x45, 0x4F, 0x47, 0x00, 0x01, 0xA7}},
  };
  for (const Case& c : cases) {
    FixtureImage unedited(0x460000);
    FixtureImage edited(0x460000);
    edited.Put(0x454F45, {0xA5, 0xA6, 0xA7});
    unedited.Put(0x454F45, {0xA5, 0xA6, 0xA7});
    for (std::uint32_t p : c.differences) unedited.PutByte(p, 0x00);
    const std::string patchPath = TempPath("eof.ips");

    const PatchRun run = RunPatch(Entry::WriteIpsPatch, edited, unedited, patchPath);
    ASSERT_TRUE(run.result.written) << c.name;
    const Bytes patch = ReadFileBytes(patchPath);
    EXPECT_EQ(patch, Concat({Text("PATCH"), c.records, Text("EOF")})) << c.name;
    Bytes patched = unedited.bytes;
    ASSERT_TRUE(ApplyIpsPatch(patch, patched)) << c.name;
    EXPECT_TRUE(patched == edited.bytes) << c.name;
  }
}

TEST(WriteIpsPatch, SecondRunReplacesTheEarlierPatch) {
  FixtureImage unedited(0x400);
  const std::string patchPath = TempPath("again.ips");
  FixtureImage first = unedited;
  first.PutByte(0x300, 1).PutByte(0x301, 2);
  ASSERT_TRUE(RunPatch(Entry::WriteIpsPatch, first, unedited, patchPath).result.written);
  FixtureImage second = unedited;
  second.PutByte(0x210, 9);
  ASSERT_TRUE(RunPatch(Entry::WriteIpsPatch, second, unedited, patchPath).result.written);
  EXPECT_EQ(ReadFileBytes(patchPath), BytewisePatch(second.bytes, unedited.bytes));
}

TEST(WriteIpsPatch, PatchThatCannotBeCreatedIsReportedAndLeavesNoFile) {
  FixtureImage unedited(0x400);
  FixtureImage edited = unedited;
  edited.PutByte(0x200, 1);
  const std::string patchPath = TempPath("no-such-folder") + "/out.ips";
  const PatchRun run = RunPatch(Entry::WriteIpsPatch, edited, unedited, patchPath);
  EXPECT_FALSE(run.result.written);
  EXPECT_EQ(run.result.message, "Error Writing IPS File");
  EXPECT_FALSE(std::filesystem::exists(patchPath));
}

TEST(WriteIpsPatch, ImagesPastThreeByteOffsetsAreRefused) {
  FixtureImage unedited(kIpsMaxImageSize + 1);
  FixtureImage edited = unedited;
  edited.PutByte(kIpsMaxImageSize, 1);
  const std::string patchPath = TempPath("huge.ips");
  const PatchRun run = RunPatch(Entry::WriteIpsPatch, edited, unedited, patchPath);
  EXPECT_FALSE(run.result.written);
  EXPECT_EQ(run.result.message, kIpsRomTooLarge);
  EXPECT_FALSE(std::filesystem::exists(patchPath));
}

TEST(MakeIpsPatch, RefusesIncompatibleImagesAndKeepsAnEarlierPatch) {
  struct Case {
    const char* name;
    FixtureImage edited;
    FixtureImage unedited;
    const char* message;
  } cases[] = {
      {"EarthBound against Mother 2", FixtureImage().SetKind(RomKind::EarthBoundRom),
       FixtureImage().SetKind(RomKind::Mother2Rom), "The two ROM are not compatible."},
      {"EarthBound against another game", FixtureImage().SetKind(RomKind::EarthBoundRom),
       FixtureImage().SetKind(RomKind::UnrecognizedRom), "The two ROM are not compatible."},
      {"one byte shorter", FixtureImage().SetKind(RomKind::EarthBoundRom),
       FixtureImage(FixtureImage::kFullSize - 1).SetKind(RomKind::EarthBoundRom), "The two ROM are of different size"},
      {"headered against its headerless twin", FixtureImage().SetKind(RomKind::EarthBoundRom),
       FixtureImage().SetKind(RomKind::EarthBoundRom).HeaderlessTwin(),
       "One of the two images has a copier header and the other has none, so their bytes do not line up. Use two "
       "images of the same kind."},
      {"over 16 MiB", FixtureImage(kIpsMaxImageSize + 1).SetKind(RomKind::EarthBoundRom),
       FixtureImage(kIpsMaxImageSize + 1).SetKind(RomKind::EarthBoundRom),
       "The ROM is larger than 16 MiB, too large for an IPS patch."},
  };
  for (const Case& c : cases) {
    const std::string patchPath = TempPath("kept.ips");
    FixtureImage(8).WriteTo(patchPath);
    const PatchRun run = RunPatch(Entry::MakeIpsPatch, c.edited, c.unedited, patchPath);
    EXPECT_FALSE(run.result.written) << c.name;
    EXPECT_EQ(run.result.message, c.message) << c.name;
    EXPECT_EQ(ReadFileBytes(patchPath), Bytes(8, 0)) << c.name;
    EXPECT_EQ(run.totalBytes, 3000000) << c.name << ": the total is set only for a comparison";
  }
}

TEST(MakeIpsPatch, CompatibleImagesGetTheirPatchAndTotal) {
  struct Case {
    const char* name;
    std::size_t size;
    RomKind kind;
  } cases[] = {
      {"two unrecognized images", FixtureImage::kFullSize, RomKind::UnrecognizedRom},
      {"EarthBound", FixtureImage::kFullSize, RomKind::EarthBoundRom},
      {"exactly 16 MiB", kIpsMaxImageSize, RomKind::EarthBoundRom},
  };
  for (const Case& c : cases) {
    FixtureImage unedited(c.size);
    unedited.SetKind(c.kind);
    FixtureImage edited = unedited;
    edited.PutByte(0x200, 0x42).PutByte(static_cast<std::uint32_t>(c.size - 1), 0x43);
    const std::string patchPath = TempPath("made.ips");
    const PatchRun run = RunPatch(Entry::MakeIpsPatch, edited, unedited, patchPath);
    ASSERT_TRUE(run.result.written) << c.name << ": " << run.result.message;
    EXPECT_EQ(ReadFileBytes(patchPath), BytewisePatch(edited.bytes, unedited.bytes)) << c.name;
    EXPECT_EQ(run.totalBytes, static_cast<std::int32_t>(c.size)) << c.name;
    EXPECT_EQ(run.bytesDone, static_cast<std::int32_t>(c.size + 1)) << c.name;
  }
}

TEST(IpsPercentage, FollowsTheBytesDoneInWholePercent) {
  struct Case {
    std::int32_t done;
    std::int32_t total;
    std::int32_t expected;
  } cases[] = {
      {0, 0, 0},
      {5, 0, 0},
      {0, 3146240, 0},
      {1573120, 3146240, 50},
      {3146239, 3146240, 99},
      {3146241, 3146240, 100},
      {101, 100, 101},
      {102, 101, 100},
      {0x1000001, 0x1000000, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IpsPercentage(c.done, c.total), c.expected) << c.done << " of " << c.total;
  }
}

}  // namespace
