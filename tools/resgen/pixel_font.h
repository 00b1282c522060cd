#pragma once

#include <map>
#include <string>
#include <vector>

// Glyphs of one height and their own widths; 'X' marks ink.
struct PixelFont {
  int height = 0;
  std::map<char, std::vector<std::string>> glyphs;
};

// Reads "height N", then "glyph C" (or "glyph space") blocks of N rows each.
PixelFont ReadPixelFont(const std::string& path);
