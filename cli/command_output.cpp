#include "cli/command_output.h"

#include "core/io/same_file.h"
#include "core/io/text_dump.h"

bool IsImageAsOutput(const std::string& imagePath, const std::string& outPath, std::FILE* err) {
  if (outPath == "-" || !IsSameFile(imagePath, outPath)) return false;
  std::fprintf(err, "quillon-cli: %s is the image itself; choose another output file\n", outPath.c_str());
  return true;
}

int WriteCommandOutput(const std::string& outPath, const std::string& text, const char* what, std::FILE* out,
                       std::FILE* err) {
  if (outPath == "-") {
    if (std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0) return 0;
    std::fprintf(err, "quillon-cli: the %s could not be written to standard output\n", what);
    return 1;
  }
  if (!WriteDumpFile(outPath, text)) {
    std::fprintf(err, "quillon-cli: The %s could not be written to %s.\n", what, outPath.c_str());
    return 1;
  }
  return 0;
}
