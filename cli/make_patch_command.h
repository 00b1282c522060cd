#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/ips/make_ips_patch.h"

// Makes the patch of two open images into patchPath, as the editor does.
using PatchMaker = IpsResult (*)(std::FILE* edited, std::FILE* unedited, const std::string& patchPath,
                                 IpsProgress progress);

struct MakePatchCommand {
  const char* usage;
  // The refusal when the patch would replace one of the images.
  const char* patchWouldReplaceRom;
  PatchMaker make;
};

// Runs COMMAND EDITED UNEDITED OUT: opens both images read-only and never lets the patch
// replace either. Every failure is one line on err. Returns the exit status.
int RunMakePatchCommand(const std::vector<std::string>& args, const MakePatchCommand& command, std::FILE* err);
