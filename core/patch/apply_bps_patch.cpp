#include "core/patch/apply_bps_patch.h"

#include <algorithm>
#include <cstring>

#include "core/patch/bps_format.h"
#include "core/patch/bps_number.h"
#include "core/patch/crc32.h"
#include "core/patch/patch_messages.h"

namespace {

std::uint32_t ReadCrc32(const std::uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t{bytes[3]} << 24;
}

AppliedPatch Damaged() { return PatchRefused(PatchFormat::Bps, kBpsPatchDamaged); }

// Carries out the actions between `at` and `end` into target; false when one reaches past
// the patch, the source or the target, or the actions do not fill the target. Takes the
// CRC-32s of the source and the target along the way, over bytes each action has just read
// or written, so neither image is read a second time for them.
class BpsActions {
 public:
  BpsActions(ByteSpan source, std::uint8_t* target, std::uint64_t targetSize)
      : source_(source), target_(target), targetSize_(targetSize) {}

  bool Run(const std::uint8_t* at, const std::uint8_t* end) {
    while (at != end) {
      std::uint64_t action;
      if (!ReadBpsNumber(at, end, action)) return false;
      const std::uint64_t length = (action >> 2) + 1;
      if (length > targetSize_ - output_) return false;
      switch (static_cast<BpsCommand>(action & 3)) {
        case BpsCommand::SourceRead:
          if (output_ + length > source_.size) return false;
          ReadSource(length);
          continue;
        case BpsCommand::TargetRead:
          if (length > static_cast<std::uint64_t>(end - at)) return false;
          std::memcpy(&target_[output_], at, length);
          at += length;
          break;
        case BpsCommand::SourceCopy:
          if (!MoveOffset(at, end, sourceOffset_, source_.size) || length > source_.size - sourceOffset_) return false;
          std::memcpy(&target_[output_], source_.data + sourceOffset_, length);
          sourceOffset_ += length;
          break;
        case BpsCommand::TargetCopy:
          if (!MoveOffset(at, end, targetOffset_, output_)) return false;
          // Byte by byte: a copy from just behind the output repeats what it has just written.
          for (std::uint64_t i = 0; i < length; ++i) target_[output_ + i] = target_[targetOffset_ + i];
          targetOffset_ += length;
          break;
      }
      Advance(length);
    }
    return output_ == targetSize_;
  }

  // The source's CRC-32, taken over the bytes the actions have not reached as well.
  std::uint32_t SourceCrc() {
    CrcThrough(source_.size);
    return sourceCrc_.Value();
  }
  std::uint32_t TargetCrc() {
    CrcThrough(output_);
    return targetCrc_.Value();
  }

 private:
  // Copies a piece at a time, so the CRC-32s follow while each piece is in the cache.
  void ReadSource(std::uint64_t length) {
    while (length > 0) {
      const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(length, kCrcLag));
      std::memcpy(&target_[output_], source_.data + output_, piece);
      Advance(piece);
      length -= piece;
    }
  }

  void Advance(std::uint64_t length) {
    output_ += length;
    if (output_ - crcThrough_ >= kCrcLag) CrcThrough(output_);
  }

  // Adds the bytes of both images from where the CRC-32s stand up to position; the target's
  // bytes there are final, as actions only write at the output.
  void CrcThrough(std::uint64_t position) {
    if (position <= crcThrough_) return;
    if (crcThrough_ < source_.size) {
      const std::uint64_t through = std::min<std::uint64_t>(position, source_.size);
      sourceCrc_.Add(ByteSpan(source_.data + crcThrough_, static_cast<std::size_t>(through - crcThrough_)));
    }
    if (crcThrough_ < output_) {
      const std::uint64_t through = std::min(position, output_);
      targetCrc_.Add(ByteSpan(&target_[crcThrough_], static_cast<std::size_t>(through - crcThrough_)));
    }
    crcThrough_ = position;
  }

  // Moves a relative offset by the signed number at `at`; it must stay below limit.
  static bool MoveOffset(const std::uint8_t*& at, const std::uint8_t* end, std::uint64_t& offset,
                         std::uint64_t limit) {
    std::uint64_t move;
    if (!ReadBpsNumber(at, end, move)) return false;
    const std::uint64_t distance = move >> 1;
    if (move & 1) {
      if (distance > offset) return false;
      offset -= distance;
    } else {
      if (distance >= limit - offset || offset >= limit) return false;
      offset += distance;
    }
    return offset < limit;
  }

  // How far the CRC-32s may trail the output: what it touched last is still in the cache.
  static constexpr std::size_t kCrcLag = 32 * 1024;

  ByteSpan source_;
  std::uint8_t* target_;
  std::uint64_t targetSize_;
  std::uint64_t output_ = 0;
  std::uint64_t sourceOffset_ = 0;
  std::uint64_t targetOffset_ = 0;
  Crc32Stream sourceCrc_;
  Crc32Stream targetCrc_;
  std::uint64_t crcThrough_ = 0;
};

}  // namespace

AppliedPatch ApplyBpsPatch(ByteSpan patch, ByteSpan image, std::size_t copierHeaderSize) {
  const std::size_t header = std::min(copierHeaderSize, image.size);
  const ByteSpan source = image.From(header);
  constexpr std::size_t kSmallest = sizeof kBpsMagic + 3 + kBpsFooterSize;
  if (patch.size < kSmallest || std::memcmp(patch.data, kBpsMagic, sizeof kBpsMagic) != 0) return Damaged();
  const std::uint8_t* footer = patch.data + patch.size - kBpsFooterSize;
  const std::uint32_t patchCrc = Crc32(ByteSpan(patch.data, patch.size - 4));
  if (patchCrc != ReadCrc32(footer + 8)) {
    return PatchRefused(PatchFormat::Bps, BpsPatchCrcMessage(ReadCrc32(footer + 8), patchCrc));
  }

  const std::uint8_t* at = patch.data + sizeof kBpsMagic;
  std::uint64_t sourceSize;
  std::uint64_t targetSize;
  std::uint64_t metadataSize;
  if (!ReadBpsNumber(at, footer, sourceSize) || !ReadBpsNumber(at, footer, targetSize) ||
      !ReadBpsNumber(at, footer, metadataSize) || metadataSize > static_cast<std::uint64_t>(footer - at)) {
    return Damaged();
  }
  at += metadataSize;

  if (sourceSize != source.size || targetSize > kMaxPatchedRomSize) {
    const std::uint32_t sourceCrc = Crc32(source);
    if (sourceSize != source.size || sourceCrc != ReadCrc32(footer)) {
      return PatchRefused(PatchFormat::Bps, BpsWrongImageMessage(ReadCrc32(footer), sourceCrc));
    }
    return PatchRefused(PatchFormat::Bps, kPatchedImageTooLarge);
  }

  AppliedPatch result{true, "", PatchFormat::Bps, std::vector<std::uint8_t>(header + targetSize)};
  if (header > 0) std::memcpy(result.image.data(), image.data, header);
  // Actions read only the patch and stay inside both images, so they run before the source
  // is known to be the right one; the wrong source is still refused first.
  BpsActions actions(source, result.image.data() + header, targetSize);
  const bool complete = actions.Run(at, footer);
  const std::uint32_t sourceCrc = actions.SourceCrc();
  if (sourceCrc != ReadCrc32(footer)) {
    return PatchRefused(PatchFormat::Bps, BpsWrongImageMessage(ReadCrc32(footer), sourceCrc));
  }
  if (!complete) return Damaged();
  if (actions.TargetCrc() != ReadCrc32(footer + 4)) {
    return PatchRefused(PatchFormat::Bps, BpsResultCrcMessage(ReadCrc32(footer + 4), actions.TargetCrc()));
  }
  return result;
}
