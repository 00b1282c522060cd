#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class PatchFormat { Ips, Bps };

// What applying a patch gave: the whole new image, or the exact text of why there is none.
struct AppliedPatch {
  bool applied = false;
  std::string message;
  PatchFormat format = PatchFormat::Ips;
  std::vector<std::uint8_t> image;
  // A BPS patch made over the whole file, copier header included, applied to it so.
  bool wholeFile = false;
};

inline AppliedPatch PatchRefused(PatchFormat format, std::string message) {
  return {false, std::move(message), format, {}, false};
}
