#include "cli/diff_command.h"

#include "cli/changes_output.h"
#include "core/compare/compare_images.h"

int DiffCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  bool csv = false;
  const std::vector<std::string> paths = ArgumentsWithoutCsv(args, csv);
  if (paths.size() != 2) {
    std::fprintf(err, "usage: %s\n", kDiffUsage);
    return 2;
  }
  ImageBytes unedited;
  ImageBytes edited;
  if (!ReadImageToCompare(paths[0], unedited, err) || !ReadImageToCompare(paths[1], edited, err)) return 1;
  return PrintChanges(CompareImages(unedited.RomData(), edited.RomData()), csv, out, err);
}
