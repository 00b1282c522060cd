#include "cli/make_ips_command.h"

#include "cli/make_patch_command.h"
#include "core/ips/ips_messages.h"

int MakeIpsCommand(const std::vector<std::string>& args, std::FILE* err) {
  return RunMakePatchCommand(args, {kMakeIpsUsage, kIpsPatchWouldReplaceRom, MakeIpsPatch}, err);
}
