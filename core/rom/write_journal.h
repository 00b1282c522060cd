#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the user's actions changed in the loaded image, so each can be taken back and done again.

// A run of file bytes that one action changed: what they held before it and after it.
struct JournalSpan {
  std::uint32_t offset = 0;
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;
};

// What a user action was, as Undo and Redo name it, and the editor that made it.
struct ActionLabel {
  std::string name;    // "Apply to Enemy 12 \"Angry Yarn\"", "Fix Checksum"
  std::string editor;  // the editor's title; empty for the main window's actions
};

// One user action (an Apply, a quiz answer): its spans in file order, never touching each other.
struct JournalEntry {
  std::vector<JournalSpan> spans;
  ActionLabel label;
};

struct WriteJournal {
  std::vector<JournalEntry> undo;  // newest last
  std::vector<JournalEntry> redo;  // the next to redo last
};

// Notes that count bytes at offset held before and now hold after. A byte the entry already
// covers keeps its first before value, so the entry always leads back to the file as it was.
void AddOverwrite(JournalEntry& entry, std::uint32_t offset, const std::uint8_t* before, const std::uint8_t* after,
                  std::size_t count);

// Keeps the entry as the newest action, without the bytes it wrote unchanged, and drops the
// redo side. An entry that changed nothing is not kept and leaves the redo side alone.
void RecordAction(WriteJournal& journal, JournalEntry entry);
