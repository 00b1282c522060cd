#include "cli/apply_patch_command.h"

#include <atomic>

#include "core/patch/apply_patch_files.h"
#include "core/patch/patch_messages.h"

int ApplyPatchCommand(const std::vector<std::string>& args, std::FILE* err) {
  if (args.size() != 4) {
    std::fprintf(err, "usage: %s\n", kApplyPatchUsage);
    return 2;
  }
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  const PatchFilesApplied applied = ApplyPatchFiles({args[1], args[2], args[3]}, {bytesDone, totalBytes});
  if (!applied.written) {
    std::fprintf(err, "quillon-cli: %s\n", applied.message.c_str());
    return 1;
  }
  if (applied.format == PatchFormat::Ips) std::fprintf(err, "quillon-cli: note: %s\n", kIpsCarriesNoCheck);
  if (applied.wholeFile) std::fprintf(err, "quillon-cli: note: %s\n", kBpsAppliedToWholeFile);
  return 0;
}
