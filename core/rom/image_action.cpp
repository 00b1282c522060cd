#include "core/rom/image_action.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/rom/image_backup.h"

namespace {

// Bytes read at once around a write: an Apply writes a record field by field, and one read
// between them costs far less than one per field.
constexpr std::size_t kReadWindow = 256;

struct Recording {
  std::FILE* image = nullptr;
  const RomSession* session = nullptr;
  JournalEntry entry;
  // The file's bytes from windowStart as they were read. The action's writes are held in
  // the entry and reach the file only when it ends.
  std::uint32_t windowStart = 0;
  std::vector<std::uint8_t> window;
};

bool WindowHolds(const Recording& action, std::uint32_t offset, std::size_t count) {
  return offset >= action.windowStart && offset - action.windowStart <= action.window.size() &&
         count <= action.window.size() - (offset - action.windowStart);
}

// The count bytes at offset as the file holds them; null when they cannot be read. Where the
// program knows the bytes they are not read again: the action's writes reach the file only once
// it is seen to hold them still. Others are read through the window.
const std::uint8_t* BytesBefore(Recording& action, std::uint32_t offset, std::size_t count) {
  if (const std::uint8_t* known = KnownBytes(*action.session, offset, count)) return known;
  if (!WindowHolds(action, offset, count)) {
    action.windowStart = offset;
    action.window.resize(std::max(kReadWindow, count));
    // Near the end of the file only the bytes asked for are there to read.
    if (!ReadRomBytes(action.image, offset, action.window.data(), action.window.size())) {
      action.window.resize(count);
      if (!ReadRomBytes(action.image, offset, action.window.data(), count)) {
        action.window.clear();
        return nullptr;
      }
    }
  }
  return action.window.data() + (offset - action.windowStart);
}

// The action in progress; set only while RunImageAction runs its writes.
Recording* recording = nullptr;

class RecordingScope {
 public:
  explicit RecordingScope(Recording& active) { recording = &active; }
  ~RecordingScope() { recording = nullptr; }
  RecordingScope(const RecordingScope&) = delete;
  RecordingScope& operator=(const RecordingScope&) = delete;
};

// Keeps, of an action whose write failed, the spans that reached the file and the one that
// failed as the file now holds it.
void KeepWhatReachedTheFile(const RomSession& session, JournalEntry& entry, std::size_t whole) {
  if (whole < entry.spans.size()) {
    JournalSpan& partial = entry.spans[whole];
    const auto known = session.knownBytes.begin() + partial.offset;
    std::copy(known, known + static_cast<std::ptrdiff_t>(partial.after.size()), partial.after.begin());
    entry.spans.resize(whole + 1);
  }
}

}  // namespace

ActionOutcome RunImageAction(RomSession& session, const std::function<bool()>& writes) {
  return RunImageAction(session, ActionLabel{}, writes);
}

ActionOutcome RunImageAction(RomSession& session, const ActionLabel& label, const std::function<bool()>& writes) {
  const ActionOutcome allowed = MayWriteImage(session);
  if (allowed != ActionOutcome::Written) return allowed;
  if (!session.backedUp) {
    if (!MakeImageBackup(session.romPath, LocalTimeNow(), &session.backupPath)) return ActionOutcome::NoBackup;
    session.backedUp = true;
  }
  // The bytes the action replaces are read as the file holds them now, not as the stream
  // last read them.
  std::fflush(session.romFile);
  Recording action;
  action.image = session.romFile;
  action.session = &session;
  action.entry.label = label;
  bool allHeld;
  {
    RecordingScope scope(action);
    allHeld = writes();
  }
  const SpansWritten written = WriteSpans(session, action.entry.spans, &JournalSpan::after);
  if (written.outcome == ActionOutcome::ChangedBehind) return written.outcome;
  KeepWhatReachedTheFile(session, action.entry, written.count);
  RecordAction(session.journal, std::move(action.entry));
  return allHeld ? written.outcome : ActionOutcome::NotWritten;
}

HeldWrite HoldWrite(std::FILE* image, std::uint32_t offset, const std::uint8_t* bytes, std::size_t count) {
  if (!recording || recording->image != image) return HeldWrite::OutsideAnAction;
  if (count == 0) return HeldWrite::Held;
  const std::uint8_t* before = BytesBefore(*recording, offset, count);
  if (!before) return HeldWrite::Unreadable;
  AddOverwrite(recording->entry, offset, before, bytes, count);
  return HeldWrite::Held;
}
