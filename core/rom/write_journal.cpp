#include "core/rom/write_journal.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

std::uint64_t EndOf(const JournalSpan& span) {
  return span.offset + static_cast<std::uint64_t>(span.before.size());
}

// Splits each span into the runs whose bytes really changed.
std::vector<JournalSpan> ChangedRuns(const std::vector<JournalSpan>& spans) {
  std::vector<JournalSpan> runs;
  for (const JournalSpan& span : spans) {
    const std::size_t size = span.before.size();
    for (std::size_t i = 0; i < size;) {
      if (span.before[i] == span.after[i]) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < size && span.before[end] != span.after[end]) ++end;
      runs.push_back({span.offset + static_cast<std::uint32_t>(i),
                      std::vector<std::uint8_t>(span.before.begin() + i, span.before.begin() + end),
                      std::vector<std::uint8_t>(span.after.begin() + i, span.after.begin() + end)});
      i = end;
    }
  }
  return runs;
}

}  // namespace

void AddOverwrite(JournalEntry& entry, std::uint32_t offset, const std::uint8_t* before, const std::uint8_t* after,
                  std::size_t count) {
  if (count == 0) return;
  std::vector<JournalSpan>& spans = entry.spans;
  const std::uint64_t start = offset;
  const std::uint64_t end = start + count;
  // The spans this write overlaps or touches; they and the write become one span.
  const auto first =
      std::find_if(spans.begin(), spans.end(), [start](const JournalSpan& span) { return EndOf(span) >= start; });
  auto last = first;
  while (last != spans.end() && last->offset <= end) ++last;

  const std::uint64_t mergedStart = first == last ? start : std::min<std::uint64_t>(start, first->offset);
  const std::uint64_t mergedEnd = first == last ? end : std::max(end, EndOf(*std::prev(last)));
  JournalSpan merged{static_cast<std::uint32_t>(mergedStart), std::vector<std::uint8_t>(mergedEnd - mergedStart),
                     std::vector<std::uint8_t>(mergedEnd - mergedStart)};
  const std::size_t at = start - mergedStart;
  std::copy(before, before + count, merged.before.begin() + at);
  std::copy(after, after + count, merged.after.begin() + at);
  for (auto span = first; span != last; ++span) {
    for (std::size_t i = 0; i < span->before.size(); ++i) {
      const std::uint64_t position = span->offset + i;
      merged.before[position - mergedStart] = span->before[i];
      if (position < start || position >= end) merged.after[position - mergedStart] = span->after[i];
    }
  }
  spans.insert(spans.erase(first, last), std::move(merged));
}

void RecordAction(WriteJournal& journal, JournalEntry entry) {
  entry.spans = ChangedRuns(entry.spans);
  if (entry.spans.empty()) return;
  journal.redo.clear();
  journal.undo.push_back(std::move(entry));
}
