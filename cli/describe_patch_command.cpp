#include "cli/describe_patch_command.h"

#include <atomic>

#include "cli/changes_output.h"
#include "core/compare/patch_changes.h"
#include "core/patch/patch_messages.h"

int DescribePatchCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  bool csv = false;
  const std::vector<std::string> paths = ArgumentsWithoutCsv(args, csv);
  if (paths.size() != 2) {
    std::fprintf(err, "usage: %s\n", kDescribePatchUsage);
    return 2;
  }
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  const DescribedPatch described = DescribePatchFiles(paths[0], paths[1], {bytesDone, totalBytes});
  if (!described.patched.Applied()) {
    std::fprintf(err, "quillon-cli: %s\n", described.patched.message.c_str());
    return 1;
  }
  if (described.patched.format == PatchFormat::Ips) std::fprintf(err, "quillon-cli: note: %s\n", kIpsCarriesNoCheck);
  return PrintChanges(described.changes, csv, out, err);
}
