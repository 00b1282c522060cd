#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/rom/write_journal.h"

namespace {

struct Write {
  std::uint32_t offset;
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;
};

std::string Describe(const std::vector<JournalSpan>& spans) {
  std::string text;
  for (const JournalSpan& span : spans) {
    text += std::to_string(span.offset) + ":";
    for (std::uint8_t b : span.before) text += " " + std::to_string(b);
    text += " ->";
    for (std::uint8_t a : span.after) text += " " + std::to_string(a);
    text += "; ";
  }
  return text;
}

TEST(AddOverwrite, KeepsTheFirstBeforeAndTheLastAfterOfEveryByte) {
  struct Case {
    const char* name;
    std::vector<Write> writes;
    std::string spans;
  } cases[] = {
      {"one write", {{10, {1, 2}, {3, 4}}}, "10: 1 2 -> 3 4; "},
      {"apart, given out of order",
       {{20, {1}, {2}}, {10, {3}, {4}}},
       "10: 3 -> 4; 20: 1 -> 2; "},
      {"touching after", {{10, {1}, {2}}, {11, {3}, {4}}}, "10: 1 3 -> 2 4; "},
      {"touching before", {{11, {3}, {4}}, {10, {1}, {2}}}, "10: 1 3 -> 2 4; "},
      {"the same byte twice", {{10, {1}, {2}}, {10, {2}, {9}}}, "10: 1 -> 9; "},
      {"overlapping the end", {{10, {1, 2}, {3, 4}}, {11, {4, 5}, {6, 7}}}, "10: 1 2 5 -> 3 6 7; "},
      {"one write bridging two spans",
       {{10, {1}, {2}}, {14, {5}, {6}}, {11, {7, 8, 9}, {0, 0, 0}}},
       "10: 1 7 8 9 5 -> 2 0 0 0 6; "},
      {"one write covering a span inside it",
       {{12, {1}, {2}}, {10, {5, 5, 2, 5, 5}, {6, 6, 6, 6, 6}}},
       "10: 5 5 1 5 5 -> 6 6 6 6 6; "},
  };
  for (const Case& c : cases) {
    JournalEntry entry;
    for (const Write& w : c.writes) AddOverwrite(entry, w.offset, w.before.data(), w.after.data(), w.before.size());
    EXPECT_EQ(Describe(entry.spans), c.spans) << c.name;
  }
}

TEST(RecordAction, KeepsOnlyChangedBytesAndANewActionDropsRedo) {
  WriteJournal journal;
  journal.redo.push_back({{{5, {1}, {2}}}, {}});

  JournalEntry unchanged;
  AddOverwrite(unchanged, 10, std::vector<std::uint8_t>{1, 2}.data(), std::vector<std::uint8_t>{1, 2}.data(), 2);
  RecordAction(journal, unchanged);
  EXPECT_TRUE(journal.undo.empty()) << "an action that changed nothing is no action";
  EXPECT_EQ(journal.redo.size(), 1u) << "and it leaves redo alone";

  JournalEntry changed;
  const std::vector<std::uint8_t> before = {1, 2, 3, 4, 5}, after = {1, 9, 3, 9, 9};
  AddOverwrite(changed, 10, before.data(), after.data(), before.size());
  RecordAction(journal, changed);
  ASSERT_EQ(journal.undo.size(), 1u);
  EXPECT_EQ(Describe(journal.undo[0].spans), "11: 2 -> 9; 13: 4 5 -> 9 9; ");
  EXPECT_TRUE(journal.redo.empty());
}

// Long spans are compared eight bytes at a time: changed runs at either edge of a word, across
// one, filling one, and in the bytes after the last whole word are each kept as they are.
TEST(RecordAction, FindsEveryChangedRunOfALongSpan) {
  struct Run {
    std::uint32_t at;
    std::size_t length;
  };
  const std::vector<Run> runs = {{0, 1}, {7, 2}, {15, 9}, {31, 1}, {33, 1}, {39, 1}};
  std::vector<std::uint8_t> before(40, 0), after(40, 0);
  std::string expected;
  for (const Run& run : runs) {
    std::fill(after.begin() + run.at, after.begin() + run.at + run.length, 1);
    expected += std::to_string(100 + run.at) + ":";
    for (std::size_t i = 0; i < run.length; ++i) expected += " 0";
    expected += " ->";
    for (std::size_t i = 0; i < run.length; ++i) expected += " 1";
    expected += "; ";
  }
  JournalEntry entry;
  AddOverwrite(entry, 100, before.data(), after.data(), before.size());
  WriteJournal journal;
  RecordAction(journal, entry);
  ASSERT_EQ(journal.undo.size(), 1u);
  EXPECT_EQ(Describe(journal.undo[0].spans), expected);
}

}  // namespace
