#include "cli/describe_patch_command.h"

#include <atomic>

#include "cli/changes_output.h"
#include "core/compare/compare_images.h"
#include "core/patch/apply_patch_files.h"
#include "core/patch/patch_messages.h"

int DescribePatchCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  bool csv = false;
  const std::vector<std::string> paths = ArgumentsWithoutCsv(args, csv);
  if (paths.size() != 2) {
    std::fprintf(err, "usage: %s\n", kDescribePatchUsage);
    return 2;
  }
  ImageBytes unedited;
  if (!ReadImageToCompare(paths[1], unedited, err)) return 1;
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  const PatchedImage patched = PatchImageInMemory(paths[0], paths[1], {bytesDone, totalBytes});
  if (!patched.Applied()) {
    std::fprintf(err, "quillon-cli: %s\n", patched.message.c_str());
    return 1;
  }
  if (patched.format == PatchFormat::Ips) std::fprintf(err, "quillon-cli: note: %s\n", kIpsCarriesNoCheck);
  return PrintChanges(CompareImages(unedited.RomData(), patched.Result().From(patched.headerSize)), csv, out, err);
}
