#include "core/rom/write_journal.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/rom/first_difference.h"

namespace {

std::uint64_t EndOf(const JournalSpan& span) {
  return span.offset + static_cast<std::uint64_t>(span.before.size());
}

// Calls add(offset, count) for each run of a span whose bytes really changed.
template <typename AddRun>
void ForEachChangedRun(const JournalSpan& span, AddRun add) {
  const std::uint8_t* before = span.before.data();
  const std::uint8_t* after = span.after.data();
  const std::size_t size = span.before.size();
  for (std::size_t i = FirstDifference(before, after, size); i < size;) {
    std::size_t end = i + 1;
    while (end < size && before[end] != after[end]) ++end;
    add(i, end - i);
    i = end + FirstDifference(before + end, after + end, size - end);
  }
}

// Splits each span into the runs whose bytes really changed. They are counted first: a bulk
// edit leaves hundreds, each of which growing the list would move again.
std::vector<JournalSpan> ChangedRuns(const std::vector<JournalSpan>& spans) {
  std::size_t count = 0;
  for (const JournalSpan& span : spans) ForEachChangedRun(span, [&](std::size_t, std::size_t) { ++count; });
  std::vector<JournalSpan> runs;
  runs.reserve(count);
  for (const JournalSpan& span : spans) {
    ForEachChangedRun(span, [&](std::size_t at, std::size_t length) {
      const auto before = span.before.begin() + static_cast<std::ptrdiff_t>(at);
      const auto after = span.after.begin() + static_cast<std::ptrdiff_t>(at);
      const auto run = static_cast<std::ptrdiff_t>(length);
      runs.push_back({span.offset + static_cast<std::uint32_t>(at), {before, before + run}, {after, after + run}});
    });
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
  if (first == last) {
    spans.insert(first, JournalSpan{offset, {before, before + count}, {after, after + count}});
    return;
  }

  // Grown in place, since an Apply writes its fields one after another. Bytes no span
  // covers take the write's old bytes; covered ones keep theirs from before it.
  JournalSpan& merged = *first;
  const auto appendFromWrite = [&](std::uint64_t from, std::uint64_t to) {
    merged.before.insert(merged.before.end(), before + (from - start), before + (to - start));
    merged.after.insert(merged.after.end(), after + (from - start), after + (to - start));
  };
  if (start < merged.offset) {
    const std::size_t lead = merged.offset - start;
    merged.before.insert(merged.before.begin(), before, before + lead);
    merged.after.insert(merged.after.begin(), after, after + lead);
    merged.offset = offset;
  }
  for (auto span = std::next(first); span != last; ++span) {
    appendFromWrite(EndOf(merged), span->offset);
    merged.before.insert(merged.before.end(), span->before.begin(), span->before.end());
    merged.after.insert(merged.after.end(), span->after.begin(), span->after.end());
  }
  if (end > EndOf(merged)) appendFromWrite(EndOf(merged), end);
  std::copy(after, after + count, merged.after.begin() + static_cast<std::ptrdiff_t>(start - merged.offset));
  spans.erase(std::next(first), last);
}

void RecordAction(WriteJournal& journal, JournalEntry entry) {
  entry.spans = ChangedRuns(entry.spans);
  if (entry.spans.empty()) return;
  journal.redo.clear();
  journal.undo.push_back(std::move(entry));
}
