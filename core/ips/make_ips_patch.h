#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/ips/ips_result.h"

// The counters a progress window polls while another thread makes the patch.
struct IpsProgress {
  std::atomic<std::int32_t>& bytesDone;
  std::atomic<std::int32_t>& totalBytes;
};

// Refuses images of different layouts, kinds or sizes, or too large for IPS offsets, before
// any file is created; otherwise sets the total to the image size and writes the patch.
IpsResult MakeIpsPatch(std::FILE* edited, std::FILE* unedited, const std::string& patchPath, IpsProgress progress);
