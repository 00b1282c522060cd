#include "tools/resgen/scene.h"

#include <cstdint>

#include "tools/resgen/pixel_art.h"
#include "tools/resgen/pixel_font.h"
#include "tools/resgen/source_text.h"

namespace {

class Canvas {
 public:
  explicit Canvas(RgbImage& image) : image_(image) {}

  void Plot(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
    image_.pixels[static_cast<std::size_t>(y) * image_.width + x] = colour;
  }
  void Fill(int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) Plot(x, y, colour);
    }
  }
  int width() const { return image_.width; }

 private:
  RgbImage& image_;
};

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, int step, int steps) {
  return static_cast<std::uint8_t>(from + (to - from) * step / steps);
}

void DrawGradient(Canvas& canvas, const SourceLine& line) {
  ExpectWordCount(line, 7);
  const int left = ParseInt(line, line.words[1], -4096, 4096);
  const int top = ParseInt(line, line.words[2], -4096, 4096);
  const int width = ParseInt(line, line.words[3], 1, 4096);
  const int height = ParseInt(line, line.words[4], 1, 4096);
  const Rgb from = ParseColour(line, line.words[5]);
  const Rgb to = ParseColour(line, line.words[6]);
  for (int y = 0; y < height; ++y) {
    const Rgb colour{Blend(from.r, to.r, y, height), Blend(from.g, to.g, y, height), Blend(from.b, to.b, y, height)};
    canvas.Fill(left, top + y, width, 1, colour);
  }
}

void DrawRect(Canvas& canvas, const SourceLine& line) {
  ExpectWordCount(line, 6);
  canvas.Fill(ParseInt(line, line.words[1], -4096, 4096), ParseInt(line, line.words[2], -4096, 4096),
              ParseInt(line, line.words[3], 1, 4096), ParseInt(line, line.words[4], 1, 4096),
              ParseColour(line, line.words[5]));
}

void DrawCircle(Canvas& canvas, const SourceLine& line) {
  ExpectWordCount(line, 5);
  const int cx = ParseInt(line, line.words[1], -4096, 4096);
  const int cy = ParseInt(line, line.words[2], -4096, 4096);
  const int r = ParseInt(line, line.words[3], 1, 4096);
  const Rgb colour = ParseColour(line, line.words[4]);
  for (int y = -r; y <= r; ++y) {
    for (int x = -r; x <= r; ++x) {
      if (x * x + y * y <= r * r) canvas.Plot(cx + x, cy + y, colour);
    }
  }
}

// Scattered one- and two-pixel stars from a fixed seed, so every build paints the same sky.
void DrawStars(Canvas& canvas, const SourceLine& line) {
  ExpectWordCount(line, 8);
  const int left = ParseInt(line, line.words[1], 0, 4096);
  const int top = ParseInt(line, line.words[2], 0, 4096);
  const int width = ParseInt(line, line.words[3], 1, 4096);
  const int height = ParseInt(line, line.words[4], 1, 4096);
  const int count = ParseInt(line, line.words[5], 1, 10000);
  std::uint32_t state = static_cast<std::uint32_t>(ParseInt(line, line.words[6], 0, 1 << 30));
  const Rgb colour = ParseColour(line, line.words[7]);
  auto next = [&state](int range) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(range));
  };
  for (int i = 0; i < count; ++i) {
    const int x = left + next(width);
    const int y = top + next(height);
    canvas.Plot(x, y, colour);
    if (next(4) == 0) {
      canvas.Plot(x + 1, y, colour);
      canvas.Plot(x - 1, y, colour);
      canvas.Plot(x, y + 1, colour);
      canvas.Plot(x, y - 1, colour);
    }
  }
}

void DrawSprite(Canvas& canvas, const SourceLine& line) {
  ExpectWordCount(line, 5);
  const int left = ParseInt(line, line.words[1], -4096, 4096);
  const int top = ParseInt(line, line.words[2], -4096, 4096);
  const int scale = ParseInt(line, line.words[3], 1, 64);
  const IndexedImage sprite = ReadPixelArt(SiblingPath(line.path, line.words[4]), TransparentPixels::Allowed)[0];
  for (int y = 0; y < sprite.height; ++y) {
    for (int x = 0; x < sprite.width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * sprite.width + x;
      if (sprite.opaque[at]) canvas.Fill(left + x * scale, top + y * scale, scale, scale, sprite.palette[sprite.pixels[at]]);
    }
  }
}

int TextWidth(const PixelFont& font, const std::string& text, int scale) {
  int width = 0;
  for (char c : text) width += (static_cast<int>(font.glyphs.at(c)[0].size()) + 1) * scale;
  return width > 0 ? width - scale : 0;
}

// "text X Y SCALE RRGGBB words...": X may be "centre".
void DrawText(Canvas& canvas, const SourceLine& line, const PixelFont& font) {
  if (line.words.size() < 6) Fail(line, "expected text X Y SCALE RRGGBB words");
  if (font.height == 0) Fail(line, "text needs a 'font' line first");
  std::string text = line.words[5];
  for (std::size_t i = 6; i < line.words.size(); ++i) text += " " + line.words[i];
  for (char c : text) {
    if (font.glyphs.count(c) == 0) Fail(line, std::string("the font has no glyph '") + c + "'");
  }
  const int scale = ParseInt(line, line.words[3], 1, 64);
  int x = line.words[1] == "centre" ? (canvas.width() - TextWidth(font, text, scale)) / 2
                                    : ParseInt(line, line.words[1], -4096, 4096);
  const int top = ParseInt(line, line.words[2], -4096, 4096);
  const Rgb colour = ParseColour(line, line.words[4]);
  for (char c : text) {
    const std::vector<std::string>& rows = font.glyphs.at(c);
    for (int gy = 0; gy < font.height; ++gy) {
      for (int gx = 0; gx < static_cast<int>(rows[gy].size()); ++gx) {
        if (rows[gy][gx] == 'X') canvas.Fill(x + gx * scale, top + gy * scale, scale, scale, colour);
      }
    }
    x += (static_cast<int>(rows[0].size()) + 1) * scale;
  }
}

}  // namespace

RgbImage RenderScene(const std::string& path) {
  RgbImage image;
  Canvas canvas(image);
  PixelFont font;
  for (const SourceLine& line : ReadSourceLines(path)) {
    const std::string& keyword = line.words[0];
    if (keyword == "size") {
      ExpectWordCount(line, 3);
      if (image.width != 0) Fail(line, "the size is given once");
      image.width = ParseInt(line, line.words[1], 1, 4096);
      image.height = ParseInt(line, line.words[2], 1, 4096);
      image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, Rgb{});
      continue;
    }
    if (image.width == 0) Fail(line, "the 'size' line comes first");
    if (keyword == "font") {
      ExpectWordCount(line, 2);
      font = ReadPixelFont(SiblingPath(path, line.words[1]));
    } else if (keyword == "gradient") DrawGradient(canvas, line);
    else if (keyword == "rect") DrawRect(canvas, line);
    else if (keyword == "circle") DrawCircle(canvas, line);
    else if (keyword == "stars") DrawStars(canvas, line);
    else if (keyword == "sprite") DrawSprite(canvas, line);
    else if (keyword == "text") DrawText(canvas, line, font);
    else Fail(line, "unknown line '" + keyword + "'");
  }
  if (image.width == 0) throw SourceError(path + ": no 'size' line");
  return image;
}
