#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/rom/rom_checksum.h"
#include "tests/support/fixture_image.h"
#include "tests/support/plain_checksum.h"

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

std::vector<std::uint8_t> Noise(std::size_t size, unsigned seed) {
  std::vector<std::uint8_t> bytes(size);
  std::mt19937 random(seed);
  for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
  return bytes;
}

TEST(ComputeRomChecksum, MatchesTheMirroredSumForEveryMappableSize) {
  struct Case {
    const char* name;
    std::size_t size;
    std::uint32_t internalHeader;
  } cases[] = {
      {"3 MiB", 3 * kMiB, 0xFFC0},
      {"4 MiB", 4 * kMiB, 0xFFC0},
      {"6 MiB, expanded header", 6 * kMiB, 0x40FFC0},
      {"6 MiB, header at 0xFFC0", 6 * kMiB, 0xFFC0},
      {"5 MiB: the last 1 MiB four times", 5 * kMiB, 0xFFC0},
      {"one bank", 0x10000, 0xFFC0},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> data = Noise(c.size, static_cast<unsigned>(c.size));
    std::uint16_t checksum = 0;
    ASSERT_TRUE(ComputeRomChecksum(data, c.internalHeader, checksum)) << c.name;
    EXPECT_EQ(checksum, PlainChecksum(data, c.internalHeader)) << c.name;
  }
}

TEST(ComputeRomChecksum, IsUnknownWhereTheSizeCannotBeMirroredOrHoldsNoFields) {
  struct Case {
    const char* name;
    std::size_t size;
    std::uint32_t internalHeader;
  } cases[] = {
      {"3.5 MiB", 3 * kMiB + kMiB / 2, 0xFFC0},
      {"3 MiB and one byte", 3 * kMiB + 1, 0xFFC0},
      {"ends inside the checksum", 0xFFDF, 0xFFC0},
      {"empty", 0, 0xFFC0},
      {"4 MiB, expanded header beyond it", 4 * kMiB, 0x40FFC0},
  };
  for (const Case& c : cases) {
    std::uint16_t checksum = 0;
    EXPECT_FALSE(ComputeRomChecksum(std::vector<std::uint8_t>(c.size, 1), c.internalHeader, checksum)) << c.name;
  }
}

// An image file of either layout with noise for ROM data and a stale checksum.
struct ChecksumImage {
  explicit ChecksumImage(const RomLayout& imageLayout, std::size_t romSize = 3 * kMiB)
      : layout(imageLayout), path(TempPath("checksum.sfc")) {
    FixtureImage image(0, layout);
    image.bytes = std::vector<std::uint8_t>(layout.headerSize, 0x55);
    romData = Noise(romSize, 7);
    image.bytes.insert(image.bytes.end(), romData.begin(), romData.end());
    image.WriteTo(path);
    file = std::fopen(path.c_str(), "r+b");
  }
  ~ChecksumImage() {
    if (file) std::fclose(file);
  }
  std::vector<std::uint8_t> Bytes() {
    std::fflush(file);
    return ReadFileBytes(path);
  }
  RomLayout layout;
  std::string path;
  std::vector<std::uint8_t> romData;
  std::FILE* file = nullptr;
};

TEST(FixRomChecksum, WritesTheSumAndItsComplementThenFindsThemRight) {
  for (const RomLayout& layout : {kHeaderedLayout, kHeaderlessLayout, RomLayout{0, 0x40FFC0}}) {
    const std::size_t size = layout.internalHeader == 0x40FFC0 ? 6 * kMiB : 3 * kMiB;
    ChecksumImage image(layout, size);
    const std::string name = std::to_string(layout.headerSize) + " header bytes, internal header at " +
                             std::to_string(layout.internalHeader);
    const std::uint16_t expected = PlainChecksum(image.romData, layout.internalHeader);
    const std::vector<std::uint8_t> before = image.Bytes();

    ASSERT_FALSE(ReadRomChecksum(image.file, layout).Valid()) << name;
    const ChecksumFixResult fixed = FixRomChecksum(image.file, layout);
    EXPECT_EQ(fixed.outcome, ChecksumFix::Fixed) << name;
    EXPECT_EQ(fixed.checksum, expected) << name;
    char sentence[40];
    std::snprintf(sentence, sizeof sentence, "The checksum is now 0x%04X.", expected);
    EXPECT_EQ(ChecksumFixMessage(fixed, image.path), sentence) << name;

    std::vector<std::uint8_t> want = before;
    const std::size_t at = layout.headerSize + layout.internalHeader + 0x1C;
    const std::uint16_t complement = expected ^ 0xFFFF;
    want[at] = complement & 0xFF;
    want[at + 1] = complement >> 8;
    want[at + 2] = expected & 0xFF;
    want[at + 3] = expected >> 8;
    const std::vector<std::uint8_t> after = image.Bytes();
    EXPECT_TRUE(after == want) << name << ": only the four checksum bytes change";

    const RomChecksum read = ReadRomChecksum(image.file, layout);
    EXPECT_TRUE(read.Valid()) << name;
    EXPECT_EQ(read.stored, expected) << name;
    const ChecksumFixResult again = FixRomChecksum(image.file, layout);
    EXPECT_EQ(again.outcome, ChecksumFix::AlreadyRight) << name;
    EXPECT_EQ(ChecksumFixMessage(again, image.path), "The checksum was already right.") << name;
    EXPECT_TRUE(image.Bytes() == after) << name;
  }
}

TEST(FixRomChecksum, UnknownSizesAndFailedWritesChangeNothing) {
  ChecksumImage odd(kHeaderlessLayout, 3 * kMiB + kMiB / 2);
  const std::vector<std::uint8_t> oddBefore = odd.Bytes();
  EXPECT_FALSE(ReadRomChecksum(odd.file, kHeaderlessLayout).known);
  const ChecksumFixResult unknown = FixRomChecksum(odd.file, kHeaderlessLayout);
  EXPECT_EQ(unknown.outcome, ChecksumFix::Unknown);
  EXPECT_EQ(ChecksumFixMessage(unknown, odd.path), "The checksum of an image of this size is unknown, so it cannot be fixed.");
  EXPECT_TRUE(odd.Bytes() == oddBefore);

  ChecksumImage locked(kHeaderedLayout);
  const std::vector<std::uint8_t> lockedBefore = locked.Bytes();
  std::fclose(locked.file);
  locked.file = std::fopen(locked.path.c_str(), "rb");
  const ChecksumFixResult failed = FixRomChecksum(locked.file, kHeaderedLayout);
  EXPECT_EQ(failed.outcome, ChecksumFix::NotWritten);
  EXPECT_EQ(ChecksumFixMessage(failed, locked.path).rfind("The changes could not be written", 0), 0u);
  EXPECT_TRUE(locked.Bytes() == lockedBefore);
}

}  // namespace
