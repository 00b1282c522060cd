#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/fixture_image.h"

// resgen is a separate program; these tests run it as the build does and read what it wrote.
namespace {

namespace fs = std::filesystem;

// The host tools are built beside the command-line program.
std::string ResgenPath() { return (fs::path(QUILLON_CLI).parent_path() / "resgen").string(); }

struct ToolRun {
  int status;
  std::string errors;
};

class ResgenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = TempPath("resgen");
    fs::create_directories(folder_);
    Write("palette.txt", "r FF0000 red\nb 0000FF blue\n");
  }

  std::string PathOf(const std::string& name) const { return (fs::path(folder_) / name).string(); }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
  }

  ToolRun Generate(const std::string& source, const std::string& output) const {
    const std::string errors = PathOf("errors.txt");
    const std::string command = "\"" + ResgenPath() + "\" \"" + PathOf(source) + "\" \"" + PathOf(output) +
                                "\" 2> \"" + errors + "\"";
    const int status = std::system(command.c_str());
    return ToolRun{status, ReadFileText(errors)};
  }

  std::vector<std::uint8_t> Output(const std::string& name) const { return ReadFileBytes(PathOf(name)); }

  std::string folder_;
};

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b.at(at) | (b.at(at + 1) << 8) | (b.at(at + 2) << 16) | (static_cast<std::uint32_t>(b.at(at + 3)) << 24);
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}
std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size) {
  return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + size));
}

TEST_F(ResgenTest, BitmapIsAnEightBitPaletteBmpStoredBottomUp) {
  Write("tile.bitmap", "palette palette.txt\nbackground C0C0C0\nimage 3 2\nr..\nbbr\n");
  ASSERT_EQ(Generate("tile.bitmap", "tile.bmp").status, 0);
  const std::vector<std::uint8_t> bmp = Output("tile.bmp");
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(Tag(bmp, 0, 2), "BM");
  EXPECT_EQ(Le32(bmp, 2), bmp.size());
  EXPECT_EQ(Le32(bmp, 18), 3u) << "width";
  EXPECT_EQ(Le32(bmp, 22), 2u) << "height, positive: bottom-up";
  EXPECT_EQ(Le16(bmp, 28), 8) << "bits per pixel";
  const std::uint32_t colours = Le32(bmp, 46);
  ASSERT_EQ(colours, 3u) << "clear, red, blue";
  EXPECT_EQ(Le32(bmp, 54), 0xC0C0C0u) << "'.' takes the background colour";
  EXPECT_EQ(Le32(bmp, 58), 0xFF0000u);
  EXPECT_EQ(Le32(bmp, 62), 0x0000FFu);
  const std::uint32_t pixels = Le32(bmp, 10);
  ASSERT_EQ(pixels, 54 + 4 * colours);
  ASSERT_EQ(bmp.size(), pixels + 2 * 4) << "rows padded to four bytes";
  const std::vector<std::uint8_t> bottom(bmp.begin() + pixels, bmp.begin() + pixels + 3);
  const std::vector<std::uint8_t> top(bmp.begin() + pixels + 4, bmp.begin() + pixels + 7);
  EXPECT_EQ(bottom, (std::vector<std::uint8_t>{2, 2, 1}));
  EXPECT_EQ(top, (std::vector<std::uint8_t>{1, 0, 0}));
}

TEST_F(ResgenTest, IconHoldsEveryImageWithItsMask) {
  std::string source = "palette palette.txt\nimage 32 32\n";
  for (int y = 0; y < 32; ++y) source += std::string(32, y == 0 ? '.' : 'b') + "\n";
  source += "image 16 16\n";
  for (int y = 0; y < 16; ++y) source += "r" + std::string(15, '.') + "\n";
  Write("program.icon", source);
  ASSERT_EQ(Generate("program.icon", "program.ico").status, 0);
  const std::vector<std::uint8_t> ico = Output("program.ico");
  ASSERT_GE(ico.size(), 6u + 2 * 16);
  EXPECT_EQ(Le16(ico, 2), 1) << "an icon, not a cursor";
  ASSERT_EQ(Le16(ico, 4), 2);
  struct Expected {
    int side;
    std::uint8_t firstMaskByte;  // top row, stored last
  } expected[] = {{32, 0xFF}, {16, 0x7F}};
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    const int side = expected[i].side;
    EXPECT_EQ(ico.at(entry), side);
    EXPECT_EQ(ico.at(entry + 1), side);
    EXPECT_EQ(Le16(ico, entry + 6), 8) << "bits per pixel";
    const std::uint32_t size = Le32(ico, entry + 8);
    const std::uint32_t offset = Le32(ico, entry + 12);
    ASSERT_LE(offset + size, ico.size());
    EXPECT_EQ(Le32(ico, offset + 4), static_cast<std::uint32_t>(side));
    EXPECT_EQ(Le32(ico, offset + 8), static_cast<std::uint32_t>(2 * side)) << "colour and mask rows";
    const std::size_t maskStride = 4;  // 32 or 16 pixels both fit one 32-bit row
    const std::size_t topMaskRow = offset + size - maskStride;
    EXPECT_EQ(ico.at(topMaskRow), expected[i].firstMaskByte) << side << "x" << side;
  }
}

TEST_F(ResgenTest, SoundIsMonoPcmOfTheGivenFormatAndLength) {
  struct Case {
    int rate;
    int bits;
    const char* length;
    std::uint32_t samples;
  } cases[] = {{22050, 16, "1.3", 28665}, {11025, 8, "3.5", 38588}, {16000, 16, "0.25", 4000}};
  for (const Case& c : cases) {
    Write("beep.sound", "format " + std::to_string(c.rate) + " " + std::to_string(c.bits) + "\nlength " + c.length +
                            "\nnote at=0 len=0.2 pitch=A4 wave=bell\n");
    ASSERT_EQ(Generate("beep.sound", "beep.wav").status, 0) << c.rate;
    const std::vector<std::uint8_t> wav = Output("beep.wav");
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(Tag(wav, 0, 4), "RIFF");
    EXPECT_EQ(Tag(wav, 8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(Le16(wav, 20), 1) << "PCM";
    EXPECT_EQ(Le16(wav, 22), 1) << "mono";
    EXPECT_EQ(Le32(wav, 24), static_cast<std::uint32_t>(c.rate));
    EXPECT_EQ(Le16(wav, 34), c.bits);
    EXPECT_EQ(Tag(wav, 36, 4), "data");
    EXPECT_EQ(Le32(wav, 40), c.samples * static_cast<std::uint32_t>(c.bits / 8)) << c.rate << " Hz";
    // Sounds are scaled to one loudness: the loudest sample sits near 85 percent.
    int peak = 0;
    for (std::uint32_t i = 0; i < c.samples; ++i) {
      const int sample = c.bits == 8 ? (wav.at(44 + i) - 128) * 256 : static_cast<std::int16_t>(Le16(wav, 44 + 2 * i));
      peak = std::max(peak, std::abs(sample));
    }
    EXPECT_NEAR(peak, 0.85 * 32767, 0.02 * 32767) << c.rate << " Hz";
  }
}

TEST_F(ResgenTest, SceneIsDrawnStepByStepIntoATrueColourBmp) {
  Write("font.txt", "height 2\nglyph A\nX.\n.X\n");
  Write("splash.scene", "size 10 4\nfont font.txt\nrect 0 0 10 4 102030\ncircle 8 2 1 FFFFFF\ntext 0 0 1 FF0000 A\n");
  ASSERT_EQ(Generate("splash.scene", "splash.bmp").status, 0);
  const std::vector<std::uint8_t> bmp = Output("splash.bmp");
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(Le32(bmp, 18), 10u);
  EXPECT_EQ(Le32(bmp, 22), 4u);
  EXPECT_EQ(Le16(bmp, 28), 24);
  const std::uint32_t pixels = Le32(bmp, 10);
  const std::size_t stride = 32;  // 30 bytes padded to four
  ASSERT_EQ(bmp.size(), pixels + 4 * stride);
  auto colourAt = [&](int x, int y) {
    const std::size_t at = pixels + static_cast<std::size_t>(3 - y) * stride + 3 * static_cast<std::size_t>(x);
    return (bmp.at(at + 2) << 16) | (bmp.at(at + 1) << 8) | bmp.at(at);
  };
  EXPECT_EQ(colourAt(0, 0), 0xFF0000) << "glyph ink";
  EXPECT_EQ(colourAt(1, 0), 0x102030) << "glyph gap keeps the ground";
  EXPECT_EQ(colourAt(1, 1), 0xFF0000);
  EXPECT_EQ(colourAt(8, 2), 0xFFFFFF) << "circle centre";
  EXPECT_EQ(colourAt(5, 3), 0x102030);
}

TEST_F(ResgenTest, FaultySourceIsNamedWithItsLineAndLeavesTheOutputAlone) {
  struct Case {
    const char* name;
    const char* text;
    const char* message;
  } cases[] = {
      {"short.bitmap", "palette palette.txt\nimage 3 2\nrrr\nrr\n", "short.bitmap:4: a row holds 2 pixels, not 3"},
      {"key.icon", "palette palette.txt\nimage 2 1\nrz\n", "key.icon:3: no palette colour for 'z'"},
      {"clear.bitmap", "palette palette.txt\nimage 2 1\nr.\n", "clear.bitmap:2: a bitmap with '.' pixels needs a 'background' colour"},
      {"rows.icon", "palette palette.txt\nimage 2 3\nrr\n", "rows.icon:2: the image has fewer than 3 rows"},
      {"late.sound", "format 22050 8\nlength 0.5\nnote at=0.4 len=0.2\n", "late.sound:3: the note runs past the sound's length"},
      {"pitch.sound", "format 22050 8\nlength 0.5\nnote pitch=H4\n", "pitch.sound:3: 'H4' is not a note like C5 or F#4"},
      {"rate.sound", "format 44100 12\nlength 0.5\n", "rate.sound:1: samples are 8 or 16 bits"},
      {"glyph.scene", "size 4 4\ntext 0 0 1 FFFFFF A\n", "glyph.scene:2: text needs a 'font' line first"},
      {"missing.icon", "palette nowhere.txt\n", "nowhere.txt: cannot open the file"},
      {"kind.txt", "", "unknown kind of source"},
  };
  for (const Case& c : cases) {
    Write(c.name, c.text);
    Write("kept.out", "earlier");
    const ToolRun run = Generate(c.name, "kept.out");
    EXPECT_NE(run.status, 0) << c.name;
    EXPECT_NE(run.errors.find(c.message), std::string::npos) << c.name << ": " << run.errors;
    EXPECT_EQ(ReadFileText(PathOf("kept.out")), "earlier") << c.name;
  }
  const ToolRun fresh = Generate("short.bitmap", "fresh.bmp");
  EXPECT_NE(fresh.status, 0);
  EXPECT_FALSE(fs::exists(PathOf("fresh.bmp"))) << "no partial file";
}

}  // namespace
