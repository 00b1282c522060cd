#include "cli/changes_output.h"

#include "cli/image_file.h"
#include "core/compare/change_texts.h"

std::vector<std::string> ArgumentsWithoutCsv(const std::vector<std::string>& args, bool& csv) {
  csv = false;
  std::vector<std::string> rest;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--csv") {
      csv = true;
    } else {
      rest.push_back(args[i]);
    }
  }
  return rest;
}

bool ReadImageToCompare(const std::string& path, ImageBytes& image, std::FILE* err) {
  RomLayout layout;
  std::FILE* file = OpenImageForDump(path, layout, err);
  if (!file) return false;
  const char* failure = ReadImageBytes(file, layout, image);
  std::fclose(file);
  if (failure) std::fprintf(err, "quillon-cli: %s: %s\n", failure, path.c_str());
  return failure == nullptr;
}

int PrintChanges(const ImageChanges& changes, bool csv, std::FILE* out, std::FILE* err) {
  const std::string text = csv ? ChangesCsv(changes) : ChangeLines(changes);
  if (std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0) return 0;
  std::fputs("quillon-cli: the changes could not be written to standard output\n", err);
  return 1;
}
