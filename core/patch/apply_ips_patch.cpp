#include "core/patch/apply_ips_patch.h"

#include <algorithm>
#include <cstring>

#include "core/patch/apply_bps_patch.h"
#include "core/patch/patch_messages.h"

namespace {

constexpr std::size_t kHeaderSize = 5;
constexpr std::size_t kOffsetSize = 3;
constexpr std::size_t kTruncationSize = 3;
constexpr std::uint32_t kEofOffset = 0x454F46;

std::uint32_t ReadBigEndian(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

// Room for bytes [offset, offset + count), zeros filling any gap past the old end; null
// when that would make the image larger than any ROM, as a BPS result may not be either.
std::uint8_t* Reach(std::vector<std::uint8_t>& image, std::size_t offset, std::size_t count) {
  if (offset + count > kMaxPatchedRomSize) return nullptr;
  if (image.size() < offset + count) image.resize(offset + count);
  return image.data() + offset;
}

}  // namespace

AppliedPatch ApplyIpsPatch(ByteSpan patch, ByteSpan image) {
  const auto damaged = [] { return PatchRefused(PatchFormat::Ips, kIpsPatchDamaged); };
  const auto tooLarge = [] { return PatchRefused(PatchFormat::Ips, kPatchedImageTooLarge); };
  AppliedPatch result{true, "", PatchFormat::Ips, std::vector<std::uint8_t>(image.data, image.data + image.size)};
  std::vector<std::uint8_t>& out = result.image;
  if (patch.size < kHeaderSize || std::memcmp(patch.data, "PATCH", kHeaderSize) != 0) return damaged();
  std::size_t at = kHeaderSize;
  for (;;) {
    if (patch.size - at < kOffsetSize) return damaged();
    const std::uint32_t offset = ReadBigEndian(patch.data + at, kOffsetSize);
    at += kOffsetSize;
    const std::size_t left = patch.size - at;
    // "EOF" ends the patch when nothing or only the size follows; a record would need more.
    if (offset == kEofOffset && (left == 0 || left == kTruncationSize)) {
      if (left == kTruncationSize) out.resize(std::min<std::size_t>(out.size(), ReadBigEndian(patch.data + at, 3)));
      return result;
    }
    if (left < 2) return damaged();
    const std::size_t size = ReadBigEndian(patch.data + at, 2);
    at += 2;
    if (size > 0) {
      if (patch.size - at < size) return damaged();
      std::uint8_t* into = Reach(out, offset, size);
      if (!into) return tooLarge();
      std::memcpy(into, patch.data + at, size);
      at += size;
    } else {
      if (patch.size - at < 3) return damaged();
      const std::size_t count = ReadBigEndian(patch.data + at, 2);
      if (count > 0) {
        std::uint8_t* into = Reach(out, offset, count);
        if (!into) return tooLarge();
        std::memset(into, patch.data[at + 2], count);
      }
      at += 3;
    }
  }
}
