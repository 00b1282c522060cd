#include "tools/resgen/pixel_art.h"

#include <algorithm>

namespace {

constexpr char kTransparentKey = '.';

struct Palette {
  std::string keys;
  std::vector<Rgb> colours;
};

// Lines "KEY RRGGBB name"; the key '.' is the transparent pixel and takes no colour.
Palette ReadPalette(const SourceLine& at, const std::string& path) {
  Palette palette;
  palette.keys.push_back(kTransparentKey);
  palette.colours.push_back(Rgb{});
  for (const SourceLine& line : ReadSourceLines(path)) {
    if (line.words.size() < 2 || line.words[0].size() != 1) Fail(line, "expected KEY RRGGBB name");
    const char key = line.words[0][0];
    if (key == kTransparentKey) Fail(line, "'.' is kept for transparent pixels");
    if (palette.keys.find(key) != std::string::npos) Fail(line, std::string("key '") + key + "' used twice");
    palette.keys.push_back(key);
    palette.colours.push_back(ParseColour(line, line.words[1]));
  }
  if (palette.keys.size() > 256) Fail(at, "a palette holds at most 255 colours");
  return palette;
}

IndexedImage ReadImageRows(const std::vector<SourceLine>& lines, std::size_t& next, const Palette& palette) {
  const SourceLine& header = lines[next++];
  ExpectWordCount(header, 3);
  IndexedImage image;
  image.width = ParseInt(header, header.words[1], 1, 256);
  image.height = ParseInt(header, header.words[2], 1, 256);
  image.palette = palette.colours;
  for (int y = 0; y < image.height; ++y, ++next) {
    if (next >= lines.size()) Fail(header, "the image has fewer than " + std::to_string(image.height) + " rows");
    const SourceLine& row = lines[next];
    if (row.text.size() != static_cast<std::size_t>(image.width)) {
      Fail(row, "a row holds " + std::to_string(row.text.size()) + " pixels, not " + std::to_string(image.width));
    }
    for (char key : row.text) {
      const std::size_t index = palette.keys.find(key);
      if (index == std::string::npos) Fail(row, std::string("no palette colour for '") + key + "'");
      image.pixels.push_back(static_cast<std::uint8_t>(index));
      image.opaque.push_back(key != kTransparentKey);
    }
  }
  return image;
}

}  // namespace

std::vector<IndexedImage> ReadPixelArt(const std::string& path, TransparentPixels transparent) {
  const std::vector<SourceLine> lines = ReadSourceLines(path);
  Palette palette;
  bool haveBackground = false;
  std::vector<IndexedImage> images;
  for (std::size_t next = 0; next < lines.size();) {
    const SourceLine& line = lines[next];
    const std::string& keyword = line.words[0];
    if (keyword == "palette") {
      ExpectWordCount(line, 2);
      palette = ReadPalette(line, SiblingPath(path, line.words[1]));
      ++next;
    } else if (keyword == "background") {
      ExpectWordCount(line, 2);
      if (palette.keys.empty()) Fail(line, "'background' follows the palette");
      palette.colours[0] = ParseColour(line, line.words[1]);
      haveBackground = true;
      ++next;
    } else if (keyword == "image") {
      if (palette.keys.empty()) Fail(line, "an image needs a palette first");
      const std::size_t first = next;
      images.push_back(ReadImageRows(lines, next, palette));
      const IndexedImage& image = images.back();
      const bool hasClear = std::find(image.opaque.begin(), image.opaque.end(), false) != image.opaque.end();
      if (transparent == TransparentPixels::Forbidden && hasClear && !haveBackground) {
        Fail(lines[first], "a bitmap with '.' pixels needs a 'background' colour");
      }
    } else {
      Fail(line, "unknown line '" + keyword + "'");
    }
  }
  if (images.empty()) throw SourceError(path + ": no image in the file");
  return images;
}
