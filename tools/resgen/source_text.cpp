#include "tools/resgen/source_text.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<SourceLine> ReadSourceLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SourceError(path + ": cannot open the file");
  std::vector<SourceLine> lines;
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    const std::string text = Trim(raw);
    if (text.empty() || text[0] == '#') continue;
    SourceLine line{path, number, text, {}};
    std::istringstream words(text);
    for (std::string word; words >> word;) line.words.push_back(word);
    lines.push_back(line);
  }
  if (in.bad()) throw SourceError(path + ": read error");
  return lines;
}

void Fail(const SourceLine& line, const std::string& message) {
  throw SourceError(line.path + ":" + std::to_string(line.number) + ": " + message);
}

void ExpectWordCount(const SourceLine& line, std::size_t count) {
  if (line.words.size() != count) {
    Fail(line, "'" + line.words[0] + "' takes " + std::to_string(count - 1) + " values");
  }
}

int ParseInt(const SourceLine& line, const std::string& word, int low, int high) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || errno != 0 || value < low || value > high) {
    Fail(line, "'" + word + "' is not a whole number from " + std::to_string(low) + " to " +
                   std::to_string(high));
  }
  return static_cast<int>(value);
}

double ParseReal(const SourceLine& line, const std::string& word, double low, double high) {
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !(value >= low && value <= high)) {
    std::ostringstream range;
    range << low << " to " << high;
    Fail(line, "'" + word + "' is not a number from " + range.str());
  }
  return value;
}

Rgb ParseColour(const SourceLine& line, const std::string& word) {
  char* end = nullptr;
  const unsigned long value = std::strtoul(word.c_str(), &end, 16);
  if (word.size() != 6 || *end != '\0') Fail(line, "'" + word + "' is not a colour RRGGBB");
  return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value)};
}

std::string SiblingPath(const std::string& sourcePath, const std::string& name) {
  const std::size_t slash = sourcePath.find_last_of("/\\");
  return slash == std::string::npos ? name : sourcePath.substr(0, slash + 1) + name;
}
