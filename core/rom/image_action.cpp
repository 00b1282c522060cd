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
  JournalEntry entry;
  // The file's bytes from windowStart as they were read. A byte the action has written
  // since is stale here, but the entry already holds its value from before the action.
  std::uint32_t windowStart = 0;
  std::vector<std::uint8_t> window;
};

bool WindowHolds(const Recording& action, std::uint32_t offset, std::size_t count) {
  return offset >= action.windowStart && offset - action.windowStart <= action.window.size() &&
         count <= action.window.size() - (offset - action.windowStart);
}

// The count bytes at offset as the window read them; null when they cannot be read.
const std::uint8_t* BytesBefore(Recording& action, std::uint32_t offset, std::size_t count) {
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

}  // namespace

ActionOutcome RunImageAction(RomSession& session, const std::function<bool()>& writes) {
  return RunImageAction(session, ActionLabel{}, writes);
}

ActionOutcome RunImageAction(RomSession& session, const ActionLabel& label, const std::function<bool()>& writes) {
  if (!session.backedUp) {
    if (!MakeImageBackup(session.romPath, LocalTimeNow(), &session.backupPath)) return ActionOutcome::NoBackup;
    session.backedUp = true;
  }
  Recording action;
  action.image = session.romFile;
  action.entry.label = label;
  bool written;
  {
    RecordingScope scope(action);
    written = writes();
  }
  // Kept even after a failed write: undoing it puts back whatever did reach the file.
  RecordAction(session.journal, std::move(action.entry));
  return written ? ActionOutcome::Written : ActionOutcome::NotWritten;
}

bool NoteOverwrite(std::FILE* image, std::uint32_t offset, const std::uint8_t* bytes, std::size_t count) {
  if (!recording || recording->image != image || count == 0) return true;
  const std::uint8_t* before = BytesBefore(*recording, offset, count);
  if (!before) return false;
  AddOverwrite(recording->entry, offset, before, bytes, count);
  return true;
}
