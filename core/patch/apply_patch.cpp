#include "core/patch/apply_patch.h"

#include <cstring>

#include "core/patch/apply_bps_patch.h"
#include "core/patch/apply_ips_patch.h"
#include "core/patch/bps_format.h"
#include "core/patch/patch_messages.h"

namespace {

bool StartsWith(ByteSpan bytes, const char* magic, std::size_t size) {
  return bytes.size >= size && std::memcmp(bytes.data, magic, size) == 0;
}

}  // namespace

AppliedPatch ApplyPatch(ByteSpan patch, ByteSpan image, std::size_t copierHeaderSize) {
  if (StartsWith(patch, "PATCH", 5)) return ApplyIpsPatch(patch, image);
  if (!StartsAsBpsPatch(patch)) return PatchRefused(PatchFormat::Ips, kPatchNotRecognised);
  return ApplyBpsPatch(patch, image, copierHeaderSize);
}
