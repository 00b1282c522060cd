#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/rom/rom_session.h"
#include "core/rom/write_journal.h"

enum class ActionOutcome {
  Written,        // every write reached the file and was flushed
  NotWritten,     // a write or the flush failed
  NoBackup,       // the backup could not be made, so nothing was written
  ReadOnly,       // the image file is read-only, so nothing was written
  ChangedBehind,  // another program changed or replaced the image since it was loaded
};

// The count bytes at offset as the program last read or wrote them; null where it knows none.
const std::uint8_t* KnownBytes(const RomSession& session, std::uint32_t offset, std::size_t count);

// Whether the loaded image may be written now: its path must still name the file that was
// loaded, and that file must not be read-only (checked, as root could write it regardless).
ActionOutcome MayWriteImage(const RomSession& session);

// One side of a journal entry's spans.
using SpanSide = std::vector<std::uint8_t> JournalSpan::*;

struct SpansWritten {
  ActionOutcome outcome;
  std::size_t count;  // spans that reached the file whole; the next one may have in part
};

// Writes one side of spans into the loaded image, flushing each, but only when the file
// still holds at every one of them what the program last read or wrote there; otherwise
// nothing (ChangedBehind). Keeps the session's known bytes as the file now holds them, a
// span whose write failed included.
SpansWritten WriteSpans(RomSession& session, const std::vector<JournalSpan>& spans, SpanSide side);
