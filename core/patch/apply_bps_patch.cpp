#include "core/patch/apply_bps_patch.h"

#include <cstring>
#include <vector>

#include "core/patch/bps_format.h"
#include "core/patch/bps_number.h"
#include "core/patch/crc32.h"
#include "core/patch/patch_messages.h"

namespace {

std::uint32_t ReadCrc32(const std::uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t{bytes[3]} << 24;
}

CheckedBpsPatch Refused(std::string message) {
  CheckedBpsPatch refused;
  refused.message = std::move(message);
  return refused;
}

// Most literals of an edit are a few bytes long: copied here in a few moves, where a call to
// copy them would cost more than the copy.
void CopyLiteral(std::uint8_t* to, const std::uint8_t* from, std::uint64_t length) {
  if (length > 16) {
    std::memcpy(to, from, length);
  } else if (length >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + length - 8, from + length - 8, 8);
  } else if (length >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + length - 4, from + length - 4, 4);
  } else {
    to[0] = from[0];
    to[length / 2] = from[length / 2];
    to[length - 1] = from[length - 1];
  }
}

// Copies length bytes from `from`, which lies before `to`, as if byte by byte: a copy that
// overlaps what it writes repeats the bytes between from and to. Each piece is copied from
// the start of that repeating stretch, which has grown to the piece's size, so no piece
// overlaps itself and a run of one byte takes a few dozen copies, not a loop over its bytes.
void CopyTarget(std::uint8_t* to, const std::uint8_t* from, std::uint64_t length) {
  const std::uint64_t period = static_cast<std::uint64_t>(to - from);
  for (std::uint64_t written = 0; written < length;) {
    const std::uint64_t piece = std::min(length - written, period + written);
    std::memcpy(to + written, from, piece);
    written += piece;
  }
}

// Carries out the actions over the source in place. Each action writes at the output
// position, so from there on the bytes are still the source's and a source read has nothing
// to copy; once the patch copies from the source, the source bytes written over are kept,
// for the copies that read them. Refuses an action that reaches past the patch, the source
// or the target, and actions that do not fill the target. Takes the target's CRC-32 along
// the way, over bytes the actions have just passed, while they are in the cache.
class BpsActions {
 public:
  BpsActions(std::uint8_t* data, std::uint64_t sourceSize, std::uint64_t targetSize, const SourceAgain& sourceAgain)
      : data_(data), sourceSize_(sourceSize), targetSize_(targetSize), sourceAgain_(sourceAgain) {}

  // Returns the message of a refusal, or null.
  const char* Run(const std::uint8_t* at, const std::uint8_t* end) {
    // The reads and literals most actions are stay here, with as few values as fit in
    // registers; each byte they store could be any member, as far as the compiler knows.
    std::uint8_t* const data = data_;
    std::uint64_t output = 0;
    std::uint64_t crcDue = kCrcLag;
    while (at != end) {
      // A literal of one byte, the commonest action of scattered edits, moves `at` by two
      // whatever its byte: told apart by a branch, the next action need not wait for it.
      if (*at == kOneLiteralByte && end - at >= 2 && output < targetSize_) {
        Keep(output, 1);
        data[output] = at[1];
        at += 2;
        output += 1;
        if (output >= crcDue) crcDue = CrcThrough(output);
        continue;
      }
      std::uint64_t action;
      if (!ReadBpsNumber(at, end, action)) return kBpsPatchDamaged;
      const std::uint64_t length = (action >> 2) + 1;
      if (length > targetSize_ - output) return kBpsPatchDamaged;
      const auto command = static_cast<BpsCommand>(action & 3);
      if (command == BpsCommand::SourceRead) {
        if (output + length > sourceSize_) return kBpsPatchDamaged;
      } else if (command == BpsCommand::TargetRead) {
        if (length > static_cast<std::uint64_t>(end - at)) return kBpsPatchDamaged;
        Keep(output, length);
        CopyLiteral(data + output, at, length);
        at += length;
      } else {
        const Copied copied = Copy(command, at, end, output, length);
        if (copied.failure) return copied.failure;
        at = copied.next;
      }
      output += length;
      if (output >= crcDue) crcDue = CrcThrough(output);
    }
    CrcThrough(output);
    return output == targetSize_ ? nullptr : kBpsPatchDamaged;
  }

  std::uint32_t TargetCrc() const { return targetCrc_.Value(); }

 private:
  // Where a copy's offset move ends in the patch, or why the copy is refused.
  struct Copied {
    const std::uint8_t* next;
    const char* failure;
  };

  // Carries out a source or a target copy of length at output, its offset move at `at`.
  Copied Copy(BpsCommand command, const std::uint8_t* at, const std::uint8_t* end, std::uint64_t output,
              std::uint64_t length) {
    std::uint8_t* const to = data_ + output;
    if (command == BpsCommand::SourceCopy) {
      if (!MoveOffset(at, end, sourceOffset_, sourceSize_) || length > sourceSize_ - sourceOffset_) {
        return {at, kBpsPatchDamaged};
      }
      if (!keep_) {
        if (const char* failure = StartKeeping(output)) return {at, failure};
      }
      Keep(output, length);
      CopySource(to, sourceOffset_, length);
      sourceOffset_ += length;
    } else {
      if (!MoveOffset(at, end, targetOffset_, output)) return {at, kBpsPatchDamaged};
      Keep(output, length);
      CopyTarget(to, data_ + targetOffset_, length);
      targetOffset_ += length;
    }
    return {at, nullptr};
  }

  // The source bytes behind the output, which earlier actions may have written over, as
  // they were, to the end of the page the output is in: kept from here on like the pages
  // later actions write into.
  const char* StartKeeping(std::uint64_t output) {
    keep_ = true;
    keptPages_.assign(static_cast<std::size_t>((sourceSize_ + kKeptPage - 1) / kKeptPage), kNotKept);
    kept_.reserve(static_cast<std::size_t>(sourceSize_));
    const std::uint64_t end = std::min((output + kKeptPage - 1) / kKeptPage * kKeptPage, sourceSize_);
    kept_.resize(static_cast<std::size_t>(end));
    for (std::uint64_t page = 0; page * kKeptPage < end; ++page) keptPages_[page] = page * kKeptPage;
    return end == 0 ? nullptr : sourceAgain_(kept_.data(), kept_.size());
  }

  // Keeps each page of source bytes an action of length at output is about to write into
  // first: the output moves on only, so the pages are kept in order.
  void Keep(std::uint64_t output, std::uint64_t length) {
    if (keep_ && output < sourceSize_) KeepPages(output, std::min(output + length, sourceSize_));
  }

  void KeepPages(std::uint64_t output, std::uint64_t end) {
    for (std::uint64_t page = output / kKeptPage; page * kKeptPage < end; ++page) {
      if (keptPages_[page] != kNotKept) continue;
      keptPages_[page] = kept_.size();
      const std::uint64_t start = page * kKeptPage;
      kept_.insert(kept_.end(), data_ + start, data_ + std::min(start + kKeptPage, sourceSize_));
    }
  }

  // Copies source bytes [from, from + length) to `to`, each from where it is now: a kept
  // page for those in pages written into, the data for the rest, which the output never
  // overlaps as its pages have been kept already. Pages kept one after another lie one after
  // another, so a stretch of them is one copy.
  void CopySource(std::uint8_t* to, std::uint64_t from, std::uint64_t length) {
    const std::uint64_t end = from + length;
    while (from < end) {
      const std::uint64_t page = from / kKeptPage;
      const bool kept = keptPages_[page] != kNotKept;
      std::uint64_t until = std::min(end, (page + 1) * kKeptPage);
      while (until < end && (keptPages_[until / kKeptPage] != kNotKept) == kept) {
        until = std::min(end, until + kKeptPage);
      }
      const std::uint8_t* bytes = kept ? kept_.data() + keptPages_[page] + (from - page * kKeptPage) : data_ + from;
      std::memcpy(to, bytes, static_cast<std::size_t>(until - from));
      to += until - from;
      from = until;
    }
  }

  // Returns the output position at which to take it further.
  std::uint64_t CrcThrough(std::uint64_t position) {
    targetCrc_.Add(ByteSpan(data_ + crcThrough_, static_cast<std::size_t>(position - crcThrough_)));
    crcThrough_ = position;
    return position + kCrcLag;
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

  static constexpr std::uint8_t kOneLiteralByte = 0x80 | static_cast<std::uint8_t>(BpsCommand::TargetRead);

  // Source bytes are kept a page at a time: one byte written costs one page's copy, but a
  // source copy finds each byte by its page alone.
  static constexpr std::uint64_t kKeptPage = 256;
  static constexpr std::size_t kNotKept = SIZE_MAX;

  // How far the CRC-32 may trail the output: what it passed last is still in the cache.
  static constexpr std::size_t kCrcLag = 32 * 1024;

  std::uint8_t* data_;
  std::uint64_t sourceSize_;
  std::uint64_t targetSize_;
  const SourceAgain& sourceAgain_;
  std::uint64_t sourceOffset_ = 0;
  std::uint64_t targetOffset_ = 0;
  bool keep_ = false;
  // Where each page of the source starts in kept_, or kNotKept.
  std::vector<std::size_t> keptPages_;
  std::vector<std::uint8_t> kept_;
  Crc32Stream targetCrc_;
  std::uint64_t crcThrough_ = 0;
};

}  // namespace

CheckedBpsPatch CheckBpsPatch(ByteSpan patch, ByteSpan source) {
  constexpr std::size_t kSmallest = sizeof kBpsMagic + 3 + kBpsFooterSize;
  if (patch.size < kSmallest || std::memcmp(patch.data, kBpsMagic, sizeof kBpsMagic) != 0) {
    return Refused(kBpsPatchDamaged);
  }
  const std::uint8_t* footer = patch.data + patch.size - kBpsFooterSize;
  const std::uint32_t patchCrc = Crc32(ByteSpan(patch.data, patch.size - 4));
  if (patchCrc != ReadCrc32(footer + 8)) return Refused(BpsPatchCrcMessage(ReadCrc32(footer + 8), patchCrc));

  CheckedBpsPatch checked;
  const std::uint8_t* at = patch.data + sizeof kBpsMagic;
  std::uint64_t metadataSize;
  if (!ReadBpsNumber(at, footer, checked.sourceSize) || !ReadBpsNumber(at, footer, checked.targetSize) ||
      !ReadBpsNumber(at, footer, metadataSize) || metadataSize > static_cast<std::uint64_t>(footer - at)) {
    return Refused(kBpsPatchDamaged);
  }
  at += metadataSize;

  const std::uint32_t sourceCrc = Crc32(source);
  if (checked.sourceSize != source.size || sourceCrc != ReadCrc32(footer)) {
    CheckedBpsPatch refused = Refused(BpsWrongImageMessage(ReadCrc32(footer), sourceCrc));
    refused.otherSource = true;
    return refused;
  }
  if (checked.targetSize > kMaxPatchedRomSize) return Refused(kPatchedImageTooLarge);
  checked.actions = ByteSpan(at, static_cast<std::size_t>(footer - at));
  checked.targetCrc = ReadCrc32(footer + 4);
  return checked;
}

std::size_t BpsResultRoom(ByteSpan patch) {
  if (!StartsAsBpsPatch(patch)) return 0;
  const std::uint8_t* at = patch.data + sizeof kBpsMagic;
  const std::uint8_t* end = patch.data + patch.size;
  std::uint64_t sourceSize;
  std::uint64_t targetSize;
  if (!ReadBpsNumber(at, end, sourceSize) || !ReadBpsNumber(at, end, targetSize)) return 0;
  return static_cast<std::size_t>(std::min<std::uint64_t>(std::max(sourceSize, targetSize), kMaxPatchedRomSize));
}

std::string RunBpsActions(const CheckedBpsPatch& patch, std::uint8_t* data, const SourceAgain& sourceAgain) {
  BpsActions actions(data, patch.sourceSize, patch.targetSize, sourceAgain);
  if (const char* failure = actions.Run(patch.actions.data, patch.actions.data + patch.actions.size)) return failure;
  const std::uint32_t targetCrc = actions.TargetCrc();
  if (targetCrc != patch.targetCrc) return BpsResultCrcMessage(patch.targetCrc, targetCrc);
  return "";
}

AppliedPatch ApplyBpsPatch(ByteSpan patch, ByteSpan image, std::size_t copierHeaderSize) {
  std::vector<std::uint8_t> result(image.data, image.data + image.size);
  BpsApplied applied = ApplyBpsPatchInPlace(
      patch, result, copierHeaderSize, [image](std::size_t offset, std::uint8_t* into, std::size_t count) {
        std::memcpy(into, image.data + offset, count);
        return static_cast<const char*>(nullptr);
      });
  if (!applied.message.empty()) return PatchRefused(PatchFormat::Bps, std::move(applied.message));
  return {true, "", PatchFormat::Bps, std::move(result), applied.wholeFile};
}
