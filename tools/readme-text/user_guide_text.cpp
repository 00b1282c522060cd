#include "tools/readme-text/user_guide_text.h"

#include <sstream>
#include <vector>

const char* const kUserGuideEnd = "<!-- The user guide ends here; the download carries it as README.txt. -->";

namespace {

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

std::string WithoutTrailingBlanks(std::string line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.pop_back();
  return line;
}

// "[words](#anchor)" becomes "words"; a link out of the page keeps its address in brackets.
std::string PlainLinks(const std::string& line) {
  std::string out;
  std::size_t at = 0;
  for (;;) {
    const std::size_t middle = line.find("](", at);
    const std::size_t open = middle == std::string::npos ? middle : line.rfind('[', middle);
    const std::size_t close = middle == std::string::npos ? middle : line.find(')', middle);
    if (close == std::string::npos || open == std::string::npos || open < at) break;
    const std::string words = line.substr(open + 1, middle - open - 1);
    const std::string target = line.substr(middle + 2, close - middle - 2);
    out += line.substr(at, open - at) + words;
    if (!StartsWith(target, "#")) out += " (" + target + ")";
    at = close + 1;
  }
  return out + line.substr(at);
}

std::string WithoutMarks(const std::string& line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '`') continue;
    if (line.compare(i, 2, "**") == 0) {
      ++i;
      continue;
    }
    out += line[i];
  }
  return out;
}

std::string Underlined(const std::string& heading, char mark) {
  return heading + "\n" + std::string(heading.size(), mark);
}

std::string PlainLine(const std::string& line) {
  if (StartsWith(line, "    ")) return line;
  if (StartsWith(line, "# ")) return Underlined(WithoutMarks(line.substr(2)), '=');
  if (StartsWith(line, "## ")) return Underlined(WithoutMarks(line.substr(3)), '-');
  return WithoutMarks(PlainLinks(line));
}

bool IsPicture(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first != std::string::npos && line.compare(first, 2, "![") == 0;
}

}  // namespace

std::optional<std::string> UserGuideText(const std::string& markdown) {
  std::istringstream lines(markdown);
  std::vector<std::string> kept;
  std::string line;
  bool ended = false;
  while (std::getline(lines, line)) {
    line = WithoutTrailingBlanks(line);
    if (line == kUserGuideEnd) {
      ended = true;
      break;
    }
    if (IsPicture(line)) continue;
    const bool blank = line.empty();
    if (blank && (kept.empty() || kept.back().empty())) continue;
    kept.push_back(blank ? line : PlainLine(line));
  }
  if (!ended) return std::nullopt;
  while (!kept.empty() && kept.back().empty()) kept.pop_back();

  std::string text;
  for (const std::string& plain : kept) {
    for (char c : plain) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    text += "\r\n";
  }
  return text;
}
