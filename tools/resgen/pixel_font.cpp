#include "tools/resgen/pixel_font.h"

#include "tools/resgen/source_text.h"

PixelFont ReadPixelFont(const std::string& path) {
  const std::vector<SourceLine> lines = ReadSourceLines(path);
  PixelFont font;
  for (std::size_t next = 0; next < lines.size();) {
    const SourceLine& line = lines[next++];
    if (line.words[0] == "height") {
      ExpectWordCount(line, 2);
      font.height = ParseInt(line, line.words[1], 1, 64);
      continue;
    }
    if (line.words[0] != "glyph") Fail(line, "unknown line '" + line.words[0] + "'");
    ExpectWordCount(line, 2);
    if (font.height == 0) Fail(line, "the 'height' line comes first");
    const std::string& name = line.words[1];
    if (name.size() != 1 && name != "space") Fail(line, "a glyph is one character or 'space'");
    const char key = name == "space" ? ' ' : name[0];
    std::vector<std::string> rows;
    for (int y = 0; y < font.height; ++y, ++next) {
      if (next >= lines.size()) Fail(line, "the glyph has fewer than " + std::to_string(font.height) + " rows");
      const SourceLine& row = lines[next];
      if (!rows.empty() && row.text.size() != rows[0].size()) Fail(row, "the glyph's rows differ in width");
      if (row.text.find_first_not_of(".X") != std::string::npos) Fail(row, "glyph rows hold only '.' and 'X'");
      rows.push_back(row.text);
    }
    font.glyphs[key] = rows;
  }
  return font;
}
