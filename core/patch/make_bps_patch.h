#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/ips/ips_result.h"
#include "core/ips/make_ips_patch.h"

// An image open for reading, and the size of the copier header before its ROM data.
struct PatchImage {
  std::FILE* file;
  std::uint32_t headerSize;
};

// Reads both images through, counting the bytes read against a total of both sizes, and
// writes the BPS patch of their ROM data to patchPath, which it replaces only with a
// complete patch. Images of any sizes and kinds may be compared.
IpsResult MakeBpsPatch(PatchImage edited, PatchImage unedited, const std::string& patchPath, IpsProgress progress);
