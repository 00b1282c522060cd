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
  BpsEncoder(ArrivingImage& source, ArrivingImage& target, std::vector<std::uint8_t>& out)
      : source_(source),
        target_(target),
        targetSize_(target.Size()),
        common_(std::min(source.Size(), targetSize_)),
        out_(out) {}

  // Writes the actions; both images have then arrived whole.
  void Encode() {
    std::size_t position = 0;
    for (;;) {
      const std::size_t change = SkipEqual(position);
      if (change > position) PutAction(BpsCommand::SourceRead, change - position);
      if (change == targetSize_) break;
      std::size_t end = NextEqual(change);
      // Short equal gaps join the literal stretches on both sides when that is no larger.
      while (end < targetSize_) {
        const std::size_t next = ChangeWithin(end, kJoinReach);
        if (next == kNone) break;
        const std::size_t nextEnd = NextEqual(next);
        const std::size_t joined = LiteralSize(nextEnd - change);
        const std::size_t apart = LiteralSize(end - change) + ActionSize(BpsCommand::SourceRead, next - end) +
                                  LiteralSize(nextEnd - next);
        if (joined > apart) break;
        end = nextEnd;
      }
      EncodeChanged(change, end);
      position = end;
    }
    // The rest of a longer image arrives only for its CRC-32: none of it is held.
    keep_ = std::max(source_.Size(), targetSize_);
    Arrive(keep_);
  }

 private:
  const std::uint8_t* SourceAt(std::size_t position) const { return source_.At(position); }
  const std::uint8_t* TargetAt(std::size_t position) const { return target_.At(position); }
  std::uint8_t TargetByte(std::size_t position) const { return *target_.At(position); }

  // Reads both images on to end or further, letting go of what lies before keep_.
  void Arrive(std::size_t end) {
    if (end <= arrived_) return;
    source_.Arrive(end, keep_);
    target_.Arrive(end, keep_);
    arrived_ = std::min(source_.ArrivedOrAll(), target_.ArrivedOrAll());
  }

  // The first change from `from` on: a position whose byte the source does not give, or the
  // target's end. Compares what has arrived before asking for more, so that what is let go
  // to make room is all but the byte before the change.
  std::size_t SkipEqual(std::size_t from) {
    for (;;) {
      keep_ = from == 0 ? 0 : from - 1;
      if (from >= common_) return from;
      Arrive(from + 1);
      const std::size_t piece = std::min(arrived_, common_) - from;
      const std::size_t equal = EqualBytes(from, piece);
      from += equal;
      if (equal < piece) return from;
    }
  }

  // The first change within reach of `from`, a differing byte or the start of what the
  // target has beyond the source; kNone when there is none.
  std::size_t ChangeWithin(std::size_t from, std::size_t reach) {
    if (from >= common_) return from < targetSize_ ? from : kNone;
    const std::size_t piece = std::min(reach, common_ - from);
    const std::size_t equal = EqualBytes(from, piece);
    if (equal < piece) return from + equal;
    return from + piece == common_ && common_ < targetSize_ ? common_ : kNone;
  }

  std::size_t EqualBytes(std::size_t from, std::size_t count) {
    Arrive(from + count);
    return EqualPrefix(SourceAt(from), TargetAt(from), count);
  }

  // The first position from `from` on where the images agree again; the target's end, whole
  // by then, when they do not.
  std::size_t NextEqual(std::size_t from) {
    for (std::size_t i = from; i < common_; ++i) {
      Arrive(i + 1);
      if (*SourceAt(i) == TargetByte(i)) return i;
    }
    Arrive(targetSize_);
    return targetSize_;
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
    if (end - start >= kIndexedStretch && !index_) {
      // Copies from the source look anywhere in it; each comes from the index or follows one.
      whole_ = source_.Whole();
      index_ = std::make_unique<SourceIndex>(whole_);
    }
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
    const std::uint8_t byte = TargetByte(p - 1);
    const std::uint8_t* bytes = TargetAt(p);
    std::size_t length = 0;
    while (p + length < end && bytes[length] == byte) ++length;
    if (length == 0) return {};
    return MakeCopy(BpsCommand::TargetCopy, p, length, p - 1, targetOffset_);
  }

  // The source where the last source copy would have gone on: a moved block resumes there
  // after a stretch that happened to be equal.
  Copy ContinuedSourceCopy(std::size_t p, std::size_t literal, std::size_t end) const {
    if (!copiedFromSource_) return {};
    const std::int64_t from = static_cast<std::int64_t>(p) + sourceShift_;
    if (from < 0 || static_cast<std::size_t>(from) >= whole_.size) return {};
    return SourceCopyAt(p, static_cast<std::size_t>(from), literal, end);
  }

  Copy IndexedSourceCopy(std::size_t p, std::size_t literal, std::size_t end) const {
    if (!index_ || end - p < SourceIndex::kWindow) return {};
    const std::size_t from = index_->Candidate(TargetAt(p));
    if (from == SourceIndex::kNone) return {};
    return SourceCopyAt(p, from, literal, end);
  }

  // The longest match of the target at p with the source at from, grown back over bytes
  // still waiting to be written as literals.
  Copy SourceCopyAt(std::size_t p, std::size_t from, std::size_t literal, std::size_t end) const {
    std::size_t length = EqualPrefix(whole_.data + from, TargetAt(p), std::min(end - p, whole_.size - from));
    if (length == 0) return {};
    while (p > literal && from > 0 && whole_[from - 1] == TargetByte(p - 1)) {
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
    out_.insert(out_.end(), TargetAt(from), TargetAt(from) + (to - from));
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
  // A literal action takes four bytes at most for any image up to 16 MiB, so no equal gap
  // longer than this is cheaper carried as literals than read from the source.
  static constexpr std::size_t kJoinReach = 16;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  ArrivingImage& source_;
  ArrivingImage& target_;
  std::size_t targetSize_;
  std::size_t common_;
  std::vector<std::uint8_t>& out_;
  std::unique_ptr<SourceIndex> index_;
  std::size_t sourceOffset_ = 0;
  std::size_t targetOffset_ = 0;
  bool copiedFromSource_ = false;
  std::int64_t sourceShift_ = 0;
  // The whole source, once a copy from it may be worth looking for.
  ByteSpan whole_;
  std::size_t arrived_ = 0;
  std::size_t keep_ = 0;
};

void PutCrc32(std::vector<std::uint8_t>& out, std::uint32_t crc) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(crc >> shift));
}

}  // namespace

std::vector<std::uint8_t> WriteBpsPatch(ArrivingImage& edited, ArrivingImage& unedited) {
  std::vector<std::uint8_t> patch(std::begin(kBpsMagic), std::end(kBpsMagic));
  PutBpsNumber(patch, unedited.Size());
  PutBpsNumber(patch, edited.Size());
  PutBpsNumber(patch, 0);
  BpsEncoder(unedited, edited, patch).Encode();
  PutCrc32(patch, unedited.Crc());
  PutCrc32(patch, edited.Crc());
  PutCrc32(patch, Crc32(patch));
  return patch;
}

std::vector<std::uint8_t> WriteBpsPatch(ByteSpan edited, ByteSpan unedited) {
  ArrivingImage arrivedEdited(edited);
  ArrivingImage arrivedUnedited(unedited);
  return WriteBpsPatch(arrivedEdited, arrivedUnedited);
}
