#include "core/rom/image_action.h"

#include <utility>
#include <vector>

#include "core/rom/image_backup.h"

namespace {

struct Recording {
  std::FILE* image;
  JournalEntry entry;
};

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
  if (!session.backedUp) {
    if (!MakeImageBackup(session.romPath, LocalTimeNow())) return ActionOutcome::NoBackup;
    session.backedUp = true;
  }
  Recording action{session.romFile, {}};
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
  if (!recording || recording->image != image) return true;
  std::vector<std::uint8_t> before(count);
  if (!ReadRomBytes(image, offset, before.data(), count)) return false;
  AddOverwrite(recording->entry, offset, before.data(), bytes, count);
  return true;
}
