#include "core/patch/write_bps_patch.h"

#include <algorithm>
#include <memory>

#include "core/patch/bps_format.h"
#include "core/patch/bps_number.h"
#include "core/patch/crc32.h"
#include "core/patch/equal_prefix.h"
#include "core/patch/source_index.h"

namespace {

std::size_t ActionSize(BpsCommand command, std::size_t length) {
  return BpsNumberSize(BpsAction(command, length));
}

// A literal stretch costs its action and its bytes; an empty one is not written at all.
std::size_t LiteralSize(std::size_t length) {
  return length == 0 ? 0 : ActionSize(BpsCommand::TargetRead, length) + length;
}

// A copy the encoder may put in place of literal bytes [at, at + length).
struct Copy {
  BpsCommand command = BpsCommand::TargetRead;
  std::size_t at = 0;
  std::size_t length = 0;
  std::size_t from = 0;
  std::size_t size = 0;
};

class BpsEncoder {
 public:
  BpsEncoder(ByteSpan source, ByteSpan target, std::vector<std::uint8_t>& out)
      : source_(source), target_(target), common_(std::min(source.size, target.size)), out_(out) {}

  // Writes the actions; both CRC-32s are then complete.
  void Encode() {
    EncodeActions();
    CrcThrough(std::max(source_.size, target_.size));
  }

  std::uint32_t SourceCrc() const { return sourceCrc_.Value(); }
  std::uint32_t TargetCrc() const { return targetCrc_.Value(); }

 private:
  void EncodeActions() {
    std::size_t position = 0;
    std::size_t change = NextChange(0);
    for (;;) {
      if (change > position) PutAction(BpsCommand::SourceRead, change - position);
      if (change == target_.size) return;
      std::size_t end = NextEqual(change);
      std::size_t next = target_.size;
      // Short equal gaps join the literal stretches on both sides when that is no larger.
      while (end < target_.size) {
        next = NextChange(end);
        if (next == target_.size) break;
        const std::size_t nextEnd = NextEqual(next);
        const std::size_t joined = LiteralSize(nextEnd - change);
        const std::size_t apart = LiteralSize(end - change) + ActionSize(BpsCommand::SourceRead, next - end) +
                                  LiteralSize(nextEnd - next);
        if (joined > apart) break;
        end = nextEnd;
        next = target_.size;
      }
      EncodeChanged(change, end);
      position = end;
      change = end < target_.size ? next : end;
    }
  }

  // The first position from `from` on whose byte the source does not give; the target's
  // end when there is none. Compares a piece at a time and takes the CRC-32s over what it
  // compared while those bytes are still in the cache.
  std::size_t NextChange(std::size_t from) {
    for (;;) {
      if (from >= common_) return from;
      const std::size_t piece = std::min(kCrcLag, common_ - from);
      const std::size_t equal = EqualPrefix(source_.data + from, target_.data + from, piece);
      from += equal;
      if (from - crcThrough_ >= kCrcLag) CrcThrough(from);
      if (equal < piece) return from;
    }
  }

  // Adds the bytes of both images from where the CRC-32s stand up to position.
  void CrcThrough(std::size_t position) {
    if (position <= crcThrough_) return;
    const auto add = [&](Crc32Stream& crc, ByteSpan bytes) {
      if (crcThrough_ >= bytes.size) return;
      crc.Add(ByteSpan(bytes.data + crcThrough_, std::min(position, bytes.size) - crcThrough_));
    };
    add(sourceCrc_, source_);
    add(targetCrc_, target_);
    crcThrough_ = position;
  }

  std::size_t NextEqual(std::size_t from) const {
    std::size_t i = from;
    while (i < common_ && source_[i] != target_[i]) ++i;
    return i < common_ ? i : target_.size;
  }

  // Writes [start, end) as literal bytes and every copy that makes it smaller. A copy is
  // taken only when it, with the literals before it and all the rest as literal, is smaller
  // than all of it as literal; so the stretch never grows, whatever follows.
  void EncodeChanged(std::size_t start, std::size_t end) {
    // Any copy takes two bytes at least, as many as one literal byte does.
    if (end - start == 1) {
      PutLiteral(start, end);
      return;
    }
    if (end - start >= kIndexedStretch && !index_) index_ = std::make_unique<SourceIndex>(source_);
    std::size_t literal = start;
    std::size_t p = start;
    while (p < end) {
      const Copy run = RunCopy(p, end);
      Copy best = run;
      std::ptrdiff_t bestSaving = Saving(run, literal, end);
      for (const Copy& candidate : {ContinuedSourceCopy(p, literal, end), IndexedSourceCopy(p, literal, end)}) {
        const std::ptrdiff_t saving = Saving(candidate, literal, end);
        if (saving > bestSaving) {
          best = candidate;
          bestSaving = saving;
        }
      }
      if (best.length == 0 || bestSaving <= 0) {
        // A run too short to copy here is shorter still from any later byte.
        p += std::max<std::size_t>(run.length, 1);
        continue;
      }
      PutLiteral(literal, best.at);
      PutCopy(best);
      p = literal = best.at + best.length;
    }
    PutLiteral(literal, end);
  }

  std::ptrdiff_t Saving(const Copy& copy, std::size_t literal, std::size_t end) const {
    if (copy.length == 0) return 0;
    const std::size_t whole = LiteralSize(end - literal);
    const std::size_t split = LiteralSize(copy.at - literal) + copy.size + LiteralSize(end - copy.at - copy.length);
    return static_cast<std::ptrdiff_t>(whole) - static_cast<std::ptrdiff_t>(split);
  }

  // The bytes from p that repeat the byte before them, copied from one byte behind.
  Copy RunCopy(std::size_t p, std::size_t end) const {
    if (p == 0) return {};
    const std::uint8_t byte = target_[p - 1];
    std::size_t length = 0;
    while (p + length < end && target_[p + length] == byte) ++length;
    if (length == 0) return {};
    return MakeCopy(BpsCommand::TargetCopy, p, length, p - 1, targetOffset_);
  }

  // The source where the last source copy would have gone on: a moved block resumes there
  // after a stretch that happened to be equal.
  Copy ContinuedSourceCopy(std::size_t p, std::size_t literal, std::size_t end) const {
    if (!copiedFromSource_) return {};
    const std::int64_t from = static_cast<std::int64_t>(p) + sourceShift_;
    if (from < 0 || static_cast<std::size_t>(from) >= source_.size) return {};
    return SourceCopyAt(p, static_cast<std::size_t>(from), literal, end);
  }

  Copy IndexedSourceCopy(std::size_t p, std::size_t literal, std::size_t end) const {
    if (!index_ || end - p < SourceIndex::kWindow) return {};
    const std::size_t from = index_->Candidate(target_.data + p);
    if (from == SourceIndex::kNone) return {};
    return SourceCopyAt(p, from, literal, end);
  }

  // The longest match of the target at p with the source at from, grown back over bytes
  // still waiting to be written as literals.
  Copy SourceCopyAt(std::size_t p, std::size_t from, std::size_t literal, std::size_t end) const {
    std::size_t length = EqualPrefix(source_.data + from, target_.data + p, std::min(end - p, source_.size - from));
    if (length == 0) return {};
    while (p > literal && from > 0 && source_[from - 1] == target_[p - 1]) {
      --p;
      --from;
      ++length;
    }
    return MakeCopy(BpsCommand::SourceCopy, p, length, from, sourceOffset_);
  }

  static Copy MakeCopy(BpsCommand command, std::size_t at, std::size_t length, std::size_t from,
                       std::size_t relativeOffset) {
    const std::int64_t move = static_cast<std::int64_t>(from) - static_cast<std::int64_t>(relativeOffset);
    return {command, at, length, from, ActionSize(command, length) + BpsNumberSize(BpsOffsetMove(move))};
  }

  void PutAction(BpsCommand command, std::size_t length) { PutBpsNumber(out_, BpsAction(command, length)); }

  void PutLiteral(std::size_t from, std::size_t to) {
    if (to == from) return;
    PutAction(BpsCommand::TargetRead, to - from);
    out_.insert(out_.end(), target_.data + from, target_.data + to);
  }

  void PutCopy(const Copy& copy) {
    PutAction(copy.command, copy.length);
    std::size_t& relativeOffset = copy.command == BpsCommand::SourceCopy ? sourceOffset_ : targetOffset_;
    PutBpsNumber(out_, BpsOffsetMove(static_cast<std::int64_t>(copy.from) - static_cast<std::int64_t>(relativeOffset)));
    relativeOffset = copy.from + copy.length;
    if (copy.command == BpsCommand::SourceCopy) {
      copiedFromSource_ = true;
      sourceShift_ = static_cast<std::int64_t>(copy.from) - static_cast<std::int64_t>(copy.at);
    }
  }

  // Shorter changed stretches rarely hold a moved block worth indexing the source for.
  static constexpr std::size_t kIndexedStretch = SourceIndex::kWindow + SourceIndex::kStride;
  // How far the CRC-32s may trail the compare: what it read last is still in the cache.
  static constexpr std::size_t kCrcLag = 32 * 1024;

  ByteSpan source_;
  ByteSpan target_;
  std::size_t common_;
  std::vector<std::uint8_t>& out_;
  std::unique_ptr<SourceIndex> index_;
  std::size_t sourceOffset_ = 0;
  std::size_t targetOffset_ = 0;
  bool copiedFromSource_ = false;
  std::int64_t sourceShift_ = 0;
  Crc32Stream sourceCrc_;
  Crc32Stream targetCrc_;
  std::size_t crcThrough_ = 0;
};

void PutCrc32(std::vector<std::uint8_t>& out, std::uint32_t crc) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(crc >> shift));
}

}  // namespace

std::vector<std::uint8_t> WriteBpsPatch(ByteSpan edited, ByteSpan unedited) {
  std::vector<std::uint8_t> patch(std::begin(kBpsMagic), std::end(kBpsMagic));
  PutBpsNumber(patch, unedited.size);
  PutBpsNumber(patch, edited.size);
  PutBpsNumber(patch, 0);
  BpsEncoder encoder(unedited, edited, patch);
  encoder.Encode();
  PutCrc32(patch, encoder.SourceCrc());
  PutCrc32(patch, encoder.TargetCrc());
  PutCrc32(patch, Crc32(patch));
  return patch;
}
