#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "core/patch/apply_patch.h"
#include "core/patch/crc32.h"
#include "core/patch/patch_messages.h"
#include "core/patch/write_bps_patch.h"
#include "tests/support/bps_reference.h"
#include "tests/support/byte_text.h"

namespace {

Bytes Ips(std::initializer_list<Bytes> records) {
  return Concat({Text("PATCH"), Concat(records), Text("EOF")});
}

TEST(ApplyPatch, AppliesIpsRecordsAtFileOffsets) {
  const Bytes image = {0, 1, 2, 3, 4, 5, 6, 7};
  const struct {
    const char* name;
    Bytes patch;
    Bytes result;
  } cases[] = {
      {"no records", Ips({}), image},
      {"records in order, a later one overwriting an earlier",
       Ips({{0, 0, 1, 0, 2, 0xA1, 0xA2}, {0, 0, 2, 0, 1, 0xB2}}),
       {0, 0xA1, 0xB2, 3, 4, 5, 6, 7}},
      {"a run-length record", Ips({{0, 0, 2, 0, 0, 0, 4, 0xEE}}), {0, 1, 0xEE, 0xEE, 0xEE, 0xEE, 6, 7}},
      {"a run-length record of none", Ips({{0, 0, 9, 0, 0, 0, 0, 0xEE}}), image},
      {"a record past the end grows the image with zeros", Ips({{0, 0, 10, 0, 1, 0xCC}}), Concat({image, {0, 0, 0xCC}})},
      {"a run past the end grows it too", Ips({{0, 0, 7, 0, 0, 0, 3, 0xDD}}), Concat({Bytes(image.begin(), image.end() - 1), {0xDD, 0xDD, 0xDD}})},
      {"the size after EOF cuts the image short", Concat({Ips({{0, 0, 0, 0, 1, 0x99}}), {0, 0, 5}}), {0x99, 1, 2, 3, 4}},
      {"a size after EOF beyond the end leaves it whole", Concat({Ips({}), {0, 0, 20}}), image},
      {"the size applies after a record that grew the image", Concat({Ips({{0, 0, 12, 0, 1, 0x55}}), {0, 0, 10}}),
       Concat({image, {0, 0}})},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyPatch(c.patch, image, 0);
    ASSERT_TRUE(applied.applied) << c.name << ": " << applied.message;
    EXPECT_EQ(applied.format, PatchFormat::Ips) << c.name;
    EXPECT_EQ(applied.image, c.result) << c.name;
  }
}

TEST(ApplyPatch, TellsARecordAtTheEofOffsetFromTheEnd) {
  const Bytes image(0x454F50, 0x00);
  const struct {
    const char* name;
    Bytes patch;
    std::size_t size;
    std::uint8_t byteThere;
  } cases[] = {
      {"a one-byte record there", Ips({{0x45, 0x4F, 0x46, 0, 1, 0x77}}), image.size(), 0x77},
      {"a run there", Ips({{0x45, 0x4F, 0x46, 0, 0, 0, 2, 0x78}}), image.size(), 0x78},
      {"EOF with a size ends the patch", Concat({Text("PATCH"), Text("EOF"), {0x45, 0x4F, 0x47}}), 0x454F47, 0x00},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyPatch(c.patch, image, 0);
    ASSERT_TRUE(applied.applied) << c.name << ": " << applied.message;
    ASSERT_EQ(applied.image.size(), c.size) << c.name;
    EXPECT_EQ(applied.image[0x454F46], c.byteThere) << c.name;
  }
}

TEST(ApplyPatch, RefusesAPatchItCannotReadWhole) {
  const Bytes image(16, 0x10);
  const struct {
    const char* name;
    Bytes patch;
    const char* message;
  } cases[] = {
      {"empty", {}, kPatchNotRecognised},
      {"a text file", Text("hello, world"), kPatchNotRecognised},
      {"IPS without EOF", Concat({Text("PATCH"), {0, 0, 1, 0, 1, 0xAA}}), kIpsPatchDamaged},
      {"IPS cut inside a record", Concat({Text("PATCH"), {0, 0, 1, 0, 4, 0xAA}, Text("EOF")}), kIpsPatchDamaged},
      {"IPS cut inside a run", Concat({Text("PATCH"), {0, 0, 1, 0, 0, 0}, Text("EOF")}), kIpsPatchDamaged},
      {"IPS with only its name", Text("PATCH"), kIpsPatchDamaged},
      {"IPS with a cut size after EOF", Concat({Ips({}), {0, 5}}), kIpsPatchDamaged},
      {"BPS with only its name", Text("BPS1"), kBpsPatchDamaged},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyPatch(c.patch, image, 0);
    EXPECT_FALSE(applied.applied) << c.name;
    EXPECT_EQ(applied.message, c.message) << c.name;
    EXPECT_TRUE(applied.image.empty()) << c.name;
  }
}

std::string Hex(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  return text;
}

TEST(ApplyPatch, RefusesABpsPatchForAnotherImageOrThatFailsItsChecks) {
  std::mt19937 random(3);
  Bytes unedited(4096);
  for (auto& byte : unedited) byte = static_cast<std::uint8_t>(random());
  Bytes edited = unedited;
  edited[100] ^= 0xFF;
  const Bytes patch = WriteBpsPatch(edited, unedited);
  Bytes otherImage = unedited;
  otherImage[4000] ^= 1;
  const Bytes shrunkPatch = WriteBpsPatch(Bytes(unedited.begin(), unedited.begin() + 3000), unedited);
  // Sizes 4096, then source reads of 3500 and 1000 bytes: the second fails before the
  // other image's change at 4000.
  const Bytes damagedActionsPatch =
      SealedBpsPatch(unedited, edited, {0x00, 0x9F, 0x00, 0x9F, 0x80, 0x2C, 0xEC, 0x1C, 0x9E});
  const Bytes shorterImage(unedited.begin(), unedited.end() - 1);
  Bytes damagedPatch = patch;
  damagedPatch[patch.size() - 20] ^= 0x10;
  // The lowest byte of the result's CRC-32, resealed so only that check fails.
  Bytes wrongResultPatch = patch;
  wrongResultPatch[patch.size() - 8] ^= 0x01;
  ResealBpsPatch(wrongResultPatch);
  const auto body = [](const Bytes& bytes) { return ByteSpan(bytes.data(), bytes.size() - 4); };
  const auto madeForAnother = [&](const Bytes& found) {
    return "This patch was made for another image. Expected CRC32 " + Hex(Crc32(unedited)) + ", found " +
           Hex(Crc32(found)) + ".";
  };
  const struct {
    const char* name;
    Bytes patch;
    Bytes image;
    std::string message;
  } cases[] = {
      {"another image", patch, otherImage, madeForAnother(otherImage)},
      {"an image of another size", patch, shorterImage, madeForAnother(shorterImage)},
      {"another image, changed past the end of the result", shrunkPatch, otherImage, madeForAnother(otherImage)},
      {"another image, with actions that reach outside it", damagedActionsPatch, otherImage,
       madeForAnother(otherImage)},
      {"the right image, with actions that reach outside it", damagedActionsPatch, unedited, kBpsPatchDamaged},
      {"a damaged patch", damagedPatch, unedited,
       "The BPS patch is damaged. Expected CRC32 " + Hex(Crc32(body(patch))) + ", found " +
           Hex(Crc32(body(damagedPatch))) + "."},
      {"a result other than the recorded one", wrongResultPatch, unedited,
       "The patched ROM does not match the patch. Expected CRC32 " + Hex(Crc32(edited) ^ 0x01) + ", found " +
           Hex(Crc32(edited)) + "."},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyPatch(c.patch, c.image, 0);
    EXPECT_FALSE(applied.applied) << c.name;
    EXPECT_EQ(applied.format, PatchFormat::Bps) << c.name;
    EXPECT_EQ(applied.message, c.message) << c.name;
    EXPECT_TRUE(applied.image.empty()) << c.name;
  }
}

TEST(ApplyPatch, RefusesBpsActionsThatReachOutsideTheImages) {
  const Bytes source = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
  const Bytes target = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
  const struct {
    const char* name;
    Bytes body;
  } cases[] = {
      {"a source read past the source", {0x88, 0x8C, 0x80, 0xAC}},
      {"a copy of output not yet written", {0x88, 0x88, 0x80, 0x83, 0x80, 0x98}},
      {"a source copy moving before the source", {0x88, 0x88, 0x80, 0x82, 0x83, 0x98}},
      {"a source copy moving past the source", {0x88, 0x88, 0x80, 0x82, 0x90, 0x98}},
      {"actions that leave the target short", {0x88, 0x88, 0x80, 0x8C}},
      {"actions beyond the target", {0x88, 0x88, 0x80, 0x9C, 0x81, 'x'}},
      {"literal bytes past the actions", {0x88, 0x88, 0x80, 0x8D, 'x', 'y'}},
      {"metadata larger than the patch", {0x88, 0x88, 0xE4, 0x9C}},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyPatch(SealedBpsPatch(source, target, c.body), source, 0);
    EXPECT_FALSE(applied.applied) << c.name;
    EXPECT_EQ(applied.message, kBpsPatchDamaged) << c.name;
  }
  EXPECT_TRUE(ApplyPatch(SealedBpsPatch(source, target, {0x88, 0x88, 0x80, 0x9C}), source, 0).applied)
      << "the same patch with one source read of all is good";
}

TEST(ApplyPatch, RefusesABpsPatchThatWouldMakeAnImageBeyond16MiB) {
  const Bytes huge(16 * 1024 * 1024 + 1, 0x00);
  const Bytes patch = WriteBpsPatch(huge, {});
  const AppliedPatch applied = ApplyPatch(patch, {}, 0);
  EXPECT_FALSE(applied.applied);
  EXPECT_EQ(applied.message, kPatchedImageTooLarge);
}

TEST(ApplyPatch, RefusesAnIpsPatchThatWouldMakeAnImageBeyond16MiB) {
  const Bytes image(16, 0x10);
  const struct {
    const char* name;
    Bytes patch;
    bool applied;
  } cases[] = {
      {"a 64 KiB run at the last offset", Ips({{0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x41}}), false},
      {"a record ending one byte past 16 MiB", Ips({{0xFF, 0xFF, 0xFF, 0, 2, 0x41, 0x42}}), false},
      {"a run ending one byte past 16 MiB", Ips({{0xFF, 0xFF, 0xFF, 0, 0, 0, 2, 0x41}}), false},
      {"a record ending at 16 MiB exactly", Ips({{0xFF, 0xFF, 0xFF, 0, 1, 0x41}}), true},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyPatch(c.patch, image, 0);
    EXPECT_EQ(applied.applied, c.applied) << c.name;
    EXPECT_EQ(applied.message, c.applied ? "" : kPatchedImageTooLarge) << c.name;
    if (c.applied) {
      EXPECT_EQ(applied.image.size(), 16u * 1024 * 1024) << c.name;
    }
  }
}

TEST(ApplyPatch, AppliesABpsPatchMadeOverTheWholeHeaderedFileToTheWholeFile) {
  std::mt19937 random(5);
  Bytes file(512 + 0x4000);
  for (auto& byte : file) byte = static_cast<std::uint8_t>(random());
  Bytes edited = file;
  edited[3] ^= 0x11;
  edited[0x1234] ^= 0x5A;
  const Bytes wholeFilePatch = WriteBpsPatch(edited, file);

  const AppliedPatch applied = ApplyPatch(wholeFilePatch, file, 512);
  ASSERT_TRUE(applied.applied) << applied.message;
  EXPECT_TRUE(applied.wholeFile);
  EXPECT_TRUE(applied.image == edited) << "the header's bytes are the patch's to change too";

  const Bytes romDataPatch = WriteBpsPatch(Bytes(edited.begin() + 512, edited.end()), Bytes(file.begin() + 512, file.end()));
  EXPECT_FALSE(ApplyPatch(romDataPatch, file, 512).wholeFile) << "a patch of the ROM data is applied to it";
  Bytes other = file;
  other[0x2000] ^= 1;
  const AppliedPatch refused = ApplyPatch(wholeFilePatch, other, 512);
  EXPECT_FALSE(refused.applied);
  EXPECT_EQ(refused.message, BpsWrongImageMessage(Crc32(file), Crc32(ByteSpan(other.data(), other.size()).From(512))))
      << "a patch for neither names the CRC-32 of the ROM data";
}

TEST(ApplyPatch, KeepsTheCopierHeaderOutOfABpsPatch) {
  std::mt19937 random(4);
  Bytes rom(0x10000);
  for (auto& byte : rom) byte = static_cast<std::uint8_t>(random());
  Bytes edited = rom;
  edited[0x1234] ^= 0x5A;
  // A copy of source bytes the changed one has been written over, so the patch needs the
  // source after the header again.
  std::copy_n(rom.begin() + 0x1000, 0x2000, edited.begin() + 0x8000);
  const Bytes patch = WriteBpsPatch(edited, rom);
  const Bytes header(512, 0x42);

  const AppliedPatch headered = ApplyPatch(patch, Concat({header, rom}), 512);
  ASSERT_TRUE(headered.applied) << headered.message;
  EXPECT_TRUE(headered.image == Concat({header, edited}));
  const AppliedPatch headerless = ApplyPatch(patch, rom, 0);
  ASSERT_TRUE(headerless.applied) << headerless.message;
  EXPECT_TRUE(headerless.image == edited);
}

}  // namespace
