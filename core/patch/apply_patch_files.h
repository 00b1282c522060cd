#pragma once

#include <string>

#include "core/ips/make_ips_patch.h"
#include "core/patch/applied_patch.h"

struct PatchFiles {
  std::string patch;
  std::string image;
  // May be the image itself: it is backed up first, then replaced only by a complete result.
  std::string result;
};

// How applying ended: the result written, or the exact text of why nothing was.
struct PatchFilesApplied {
  bool written = false;
  std::string message;
  PatchFormat format = PatchFormat::Ips;
};

// Reads the patch and the image whole, counting the bytes read against a total of both
// sizes, applies the patch and writes the result. Refuses, writing nothing, a result that
// would replace the patch, an image whose backup cannot be made before it is replaced, and
// every refusal of ApplyPatch.
PatchFilesApplied ApplyPatchFiles(const PatchFiles& files, IpsProgress progress);
