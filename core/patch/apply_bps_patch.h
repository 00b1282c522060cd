#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/patch/applied_patch.h"
#include "core/patch/byte_span.h"

// The largest ROM a patch may make: as large as any cartridge the console addresses.
constexpr std::size_t kMaxPatchedRomSize = 16 * 1024 * 1024;

// Applies a BPS patch to the ROM data after the image's copier header; the result keeps
// the header as it was. Refuses, with nothing made, a patch whose own CRC-32 is wrong, one
// made for other ROM data, one whose actions reach outside the data, and one whose result
// has the wrong CRC-32.
AppliedPatch ApplyBpsPatch(ByteSpan patch, ByteSpan image, std::size_t copierHeaderSize);

// A BPS patch whose own CRC-32, sizes and source are right: its result's size, its actions
// and the result's CRC-32 it records. A message says why the patch is refused otherwise.
struct CheckedBpsPatch {
  std::string message;
  bool otherSource = false;  // refused as made for other ROM data
  std::uint64_t sourceSize = 0;
  std::uint64_t targetSize = 0;
  ByteSpan actions;
  std::uint32_t targetCrc = 0;
};

CheckedBpsPatch CheckBpsPatch(ByteSpan patch, ByteSpan source);

// The room a patch's result takes as its start says, the larger of its source and its
// target but no more than the largest result, so an image can be read into room enough
// for it at once; none when the start is not readable.
std::size_t BpsResultRoom(ByteSpan patch);

// Puts the source's first count bytes, as they were before any action ran, at `into`.
// Returns the message of a failure, or null.
using SourceAgain = std::function<const char*(std::uint8_t* into, std::size_t count)>;
// The same for the image: its count bytes from offset as they were before.
using ImageAgain = std::function<const char*(std::size_t offset, std::uint8_t* into, std::size_t count)>;

// Carries out a checked patch over its source, which data holds, followed by room for a
// larger target. Only a patch that copies from the source needs the source bytes its
// actions write over: the first such copy asks sourceAgain for those written so far, and
// from then on they are kept as they are written over. Returns the message of a refusal,
// or an empty one.
std::string RunBpsActions(const CheckedBpsPatch& patch, std::uint8_t* data, const SourceAgain& sourceAgain);

// How applying a BPS patch ended: the message of a refusal, or an empty one; and whether
// the patch was made over the whole file, copier header included, and applied to it so.
struct BpsApplied {
  std::string message;
  bool wholeFile = false;
};

// As ApplyBpsPatch, in the image's own bytes, which are the result when the returned
// message is empty and spoiled otherwise; any vector of bytes will do, so a file read
// whole needs no second buffer for its result. imageAgain gives the image as it was before.
// A patch whose source is not the ROM data after the header but the whole file, as some
// were made, is applied to the whole file.
template <class Bytes>
BpsApplied ApplyBpsPatchInPlace(ByteSpan patch, Bytes& image, std::size_t copierHeaderSize,
                                const ImageAgain& imageAgain) {
  const ByteSpan whole(image.data(), image.size());
  std::size_t start = std::min(copierHeaderSize, image.size());
  CheckedBpsPatch checked = CheckBpsPatch(patch, whole.From(start));
  if (checked.otherSource && start > 0) {
    CheckedBpsPatch overWholeFile = CheckBpsPatch(patch, whole);
    if (overWholeFile.message.empty()) {
      checked = overWholeFile;
      start = 0;
    }
  }
  if (!checked.message.empty()) return {checked.message};
  image.resize(start + static_cast<std::size_t>(std::max(checked.sourceSize, checked.targetSize)));
  const SourceAgain sourceAgain = [&imageAgain, start](std::uint8_t* into, std::size_t count) {
    return imageAgain(start, into, count);
  };
  BpsApplied applied{RunBpsActions(checked, image.data() + start, sourceAgain), start == 0 && copierHeaderSize > 0};
  if (applied.message.empty()) image.resize(start + static_cast<std::size_t>(checked.targetSize));
  return applied;
}
