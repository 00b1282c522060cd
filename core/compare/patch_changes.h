#pragma once

#include <string>

#include "core/compare/image_changes.h"
#include "core/patch/apply_patch_files.h"

// The question the Changes window asks after showing what a patch changes.
extern const char* const kSavePatchedImageQuestion;

struct DescribedPatch {
  PatchedImage patched;  // its message says why nothing is described
  ImageChanges changes;
};

// Applies the patch to the image in memory, with every check applying makes, and lists what
// it changes. Writes nothing.
DescribedPatch DescribePatchFiles(const std::string& patchPath, const std::string& imagePath, IpsProgress progress);
