#include <gtest/gtest.h>

#include <cstring>

#include "core/text/game_text.h"
#include "tests/support/fixture_image.h"

namespace {

TEST(GameTextCodec, EveryByteAndCharacterMapsByTheOffset) {
  for (int value = 0; value < 256; ++value) {
    const auto byte = static_cast<std::uint8_t>(value);
    const char decoded = DecodeGameChar(byte);
    const char expectedChar = value == 0 ? '\0' : static_cast<char>((value - 0x30) & 0xFF);
    EXPECT_EQ(decoded, expectedChar) << "byte " << value;

    const char shown = static_cast<char>(value);
    const std::uint8_t expectedByte = value == 0 ? 0 : static_cast<std::uint8_t>((value + 0x30) & 0xFF);
    EXPECT_EQ(EncodeGameChar(shown), expectedByte) << "character " << value;

    // Round trips everywhere except the two values that become the terminator.
    if (value != 0x30) {
      EXPECT_EQ(EncodeGameChar(decoded), byte) << "byte " << value;
    }
    if (value != 0xD0) {
      EXPECT_EQ(DecodeGameChar(EncodeGameChar(shown)), shown) << "character " << value;
    }
  }
  EXPECT_EQ(DecodeGameChar(0x30), '\0');
  EXPECT_EQ(EncodeGameChar(static_cast<char>(0xD0)), 0);
  EXPECT_EQ(EncodeGameChar(' '), 0x50);
  EXPECT_EQ(EncodeGameChar('A'), 0x71);
  EXPECT_EQ(EncodeGameChar('~'), 0xAE);
}

TEST(GameTextCodec, TextIsBoundedByTheField) {
  char full[kNameFieldLength];
  std::vector<std::uint8_t> stored(kNameFieldLength, EncodeGameChar('x'));
  DecodeGameText(stored.data(), stored.size(), full);
  EXPECT_EQ(GameText(full, kNameFieldLength), std::string(25, 'x'));

  stored[3] = 0x30;
  DecodeGameText(stored.data(), stored.size(), full);
  EXPECT_EQ(GameText(full, kNameFieldLength), "xxx");
  EXPECT_EQ(full[4], 'x') << "bytes after the terminator are kept in memory";
}

class EncodeGameTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = TempPath("text.smc");
    FixtureImage image(0x100);
    image.bytes.assign(0x100, 0xEE);
    image.WriteTo(path);
    file = std::fopen(path.c_str(), "r+b");
  }
  void TearDown() override { std::fclose(file); }

  std::vector<std::uint8_t> FileBytes(std::uint32_t offset, std::size_t length) {
    std::fflush(file);
    const std::vector<std::uint8_t> all = ReadFileBytes(path);
    return std::vector<std::uint8_t>(all.begin() + offset, all.begin() + offset + length);
  }

  std::string path;
  std::FILE* file = nullptr;
};

TEST_F(EncodeGameTextTest, WritesTheWholeFieldAndKeepsMemoryInStep) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t length;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"short name", "Ab", 5, {0x71, 0x92, 0, 0, 0}},
      {"empty", "", 4, {0, 0, 0, 0}},
      {"cut to the field", "ABCDEFG", 4, {0x71, 0x72, 0x73, 0x74}},
      {"0xD0 stores a terminator", std::string("A\xD0" "B"), 4, {0x71, 0x00, 0x72, 0}},
  };
  std::uint32_t offset = 0x10;
  for (const Case& c : cases) {
    offset += 0x20;
    char memory[32];
    std::memset(memory, 'z', sizeof memory);
    ASSERT_TRUE(EncodeGameText(file, offset, c.length, c.text, memory)) << c.name;
    EXPECT_EQ(FileBytes(offset, c.length), c.bytes) << c.name;
    char decoded[32];
    DecodeGameText(c.bytes.data(), c.length, decoded);
    EXPECT_EQ(std::string(memory, c.length), std::string(decoded, c.length)) << c.name;
    EXPECT_EQ(memory[c.length], 'z') << c.name << ": wrote past the field in memory";
    EXPECT_EQ(FileBytes(offset + c.length, 1)[0], 0xEE) << c.name << ": wrote past the field in the file";
  }
}

}  // namespace
