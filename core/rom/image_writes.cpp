#include "core/rom/image_writes.h"

#include <algorithm>
#include <cstring>

#include "core/io/file_steps.h"

namespace {

// True when the file holds at the span what the program last read or wrote there.
bool FileHoldsKnownBytes(const RomSession& session, const JournalSpan& span, std::vector<std::uint8_t>& scratch) {
  const std::size_t count = span.before.size();
  const std::uint8_t* known = KnownBytes(session, span.offset, count);
  if (!known) return false;
  scratch.resize(count);
  return ReadRomBytes(session.romFile, span.offset, scratch.data(), count) &&
         std::equal(scratch.begin(), scratch.end(), known);
}

bool WriteSpanBytes(std::FILE* image, std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
  return std::fseek(image, static_cast<long>(offset), SEEK_SET) == 0 &&
         std::fwrite(bytes.data(), 1, bytes.size(), image) == bytes.size() && std::fflush(image) == 0;
}

// After a failed write the file may hold some of the new bytes; what it holds is what the
// program knows of it from then on.
void ReadBackAfterFailure(RomSession& session, std::uint32_t offset, const std::vector<std::uint8_t>& attempted) {
  std::clearerr(session.romFile);
  std::vector<std::uint8_t> held(attempted.size());
  const bool read = ReadRomBytes(session.romFile, offset, held.data(), held.size());
  std::copy(read ? held.begin() : attempted.begin(), read ? held.end() : attempted.end(),
            session.knownBytes.begin() + offset);
}

}  // namespace

const std::uint8_t* KnownBytes(const RomSession& session, std::uint32_t offset, std::size_t count) {
  const std::vector<std::uint8_t>& known = session.knownBytes;
  return offset <= known.size() && count <= known.size() - offset ? known.data() + offset : nullptr;
}

ActionOutcome MayWriteImage(const RomSession& session) {
  if (!SameIdentity(IdentityOf(session.romPath), session.identity)) return ActionOutcome::ChangedBehind;
  if (KindOfPath(session.romPath) == PathKind::ReadOnlyFile) return ActionOutcome::ReadOnly;
  return ActionOutcome::Written;
}

SpansWritten WriteSpans(RomSession& session, const std::vector<JournalSpan>& spans, SpanSide side) {
  // The stream may still hold bytes it read before another program wrote over them; they go,
  // so the check reads the file as it is.
  if (std::fflush(session.romFile) != 0) return {ActionOutcome::NotWritten, 0};
  std::vector<std::uint8_t> scratch;
  for (const JournalSpan& span : spans) {
    if (!FileHoldsKnownBytes(session, span, scratch)) return {ActionOutcome::ChangedBehind, 0};
  }
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const JournalSpan& span = spans[i];
    const std::vector<std::uint8_t>& bytes = span.*side;
    if (!WriteSpanBytes(session.romFile, span.offset, bytes)) {
      ReadBackAfterFailure(session, span.offset, bytes);
      return {ActionOutcome::NotWritten, i};
    }
    std::copy(bytes.begin(), bytes.end(), session.knownBytes.begin() + span.offset);
  }
  return {ActionOutcome::Written, spans.size()};
}
