#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/ips/ips_result.h"

// Three-byte record offsets reach no further.
constexpr std::uint32_t kIpsMaxImageSize = 0x1000000;
// A record offset that reads as the "EOF" trailer.
constexpr std::uint32_t kIpsEofOffset = 0x454F46;

// Compares both images from their start and writes "PATCH", one record per differing byte
// in increasing order, and "EOF". A difference at kIpsEofOffset is written as one record of
// two bytes starting one byte earlier. counter follows the positions compared, so another
// thread can show progress; it ends at the image size plus 1. The patch replaces patchPath
// only when complete.
IpsResult WriteIpsPatch(std::FILE* edited, std::FILE* unedited, const std::string& patchPath,
                        std::atomic<std::int32_t>& counter);
