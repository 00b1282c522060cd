#include "cli/make_bps_command.h"

#include "cli/make_patch_command.h"
#include "core/patch/make_bps_patch.h"
#include "core/patch/patch_messages.h"
#include "core/rom/rom_session.h"

namespace {

IpsResult MakeBpsPatchOfImages(std::FILE* edited, std::FILE* unedited, const std::string& patchPath,
                               IpsProgress progress) {
  return MakeBpsPatch({edited, DecideRomLayout(edited).headerSize}, {unedited, DecideRomLayout(unedited).headerSize},
                      patchPath, progress);
}

}  // namespace

int MakeBpsCommand(const std::vector<std::string>& args, std::FILE* err) {
  return RunMakePatchCommand(args, {kMakeBpsUsage, kBpsPatchWouldReplaceRom, MakeBpsPatchOfImages}, err);
}
