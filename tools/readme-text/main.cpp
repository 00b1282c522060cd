// readme-text: writes the user guide of README.md as the plain README.txt of the download.
//   readme-text README.md README.txt
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "core/io/replacing_file.h"
#include "tools/readme-text/user_guide_text.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: readme-text README.md README.txt\n");
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  std::ostringstream markdown;
  markdown << input.rdbuf();
  if (!input) {
    std::fprintf(stderr, "readme-text: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::optional<std::string> text = UserGuideText(markdown.str());
  if (!text) {
    std::fprintf(stderr, "readme-text: %s has no line \"%s\" to end its user guide\n", argv[1], kUserGuideEnd);
    return 1;
  }
  ReplacingFile output(argv[2]);
  if (!output.Write(*text) || !output.Commit()) {
    std::fprintf(stderr, "readme-text: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
