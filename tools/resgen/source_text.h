#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A fault in a source file; the message already names the file and line.
struct SourceError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// One meaningful line of a source: blank lines and lines starting with '#' are dropped.
struct SourceLine {
  std::string path;
  int number = 0;
  std::string text;                // without the line end and surrounding blanks
  std::vector<std::string> words;  // text split at blanks
};

std::vector<SourceLine> ReadSourceLines(const std::string& path);

// Throws a SourceError that points at the line.
[[noreturn]] void Fail(const SourceLine& line, const std::string& message);

void ExpectWordCount(const SourceLine& line, std::size_t count);
int ParseInt(const SourceLine& line, const std::string& word, int low, int high);
double ParseReal(const SourceLine& line, const std::string& word, double low, double high);
// "RRGGBB" in hexadecimal.
Rgb ParseColour(const SourceLine& line, const std::string& word);

// A file named in a source is found beside that source.
std::string SiblingPath(const std::string& sourcePath, const std::string& name);
