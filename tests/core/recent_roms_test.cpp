#include <gtest/gtest.h>

#include <vector>

#include "core/settings/recent_roms.h"

namespace {

TEST(MoveRomToFront, KeepsTheFiveNewestDistinctPathsNewestFirst) {
  struct Case {
    const char* name;
    RecentRoms start;
    std::vector<std::string> loads;
    RecentRoms expected;
  } cases[] = {
      {"A B A", {}, {"A", "B", "A"}, {"A", "B", "", "", ""}},
      {"six paths", {}, {"1", "2", "3", "4", "5", "6"}, {"6", "5", "4", "3", "2"}},
      {"entry 3 moves up, entry 4 stays", {"a", "b", "c", "d", "e"}, {"d"}, {"d", "a", "b", "c", "e"}},
      {"entry 0 again", {"a", "b", "c", "d", "e"}, {"a"}, {"a", "b", "c", "d", "e"}},
      {"new path drops entry 4", {"a", "b", "c", "d", "e"}, {"f"}, {"f", "a", "b", "c", "d"}},
      {"letter case differs", {}, {"C:\\ROMS\\EB.SMC", "C:\\roms\\eb.smc"}, {"C:\\roms\\eb.smc", "C:\\ROMS\\EB.SMC", "", "", ""}},
      {"into a partly empty list", {"a", "", "", "", ""}, {"b"}, {"b", "a", "", "", ""}},
  };
  for (const Case& c : cases) {
    RecentRoms roms = c.start;
    for (const std::string& path : c.loads) MoveRomToFront(roms, path);
    EXPECT_EQ(roms, c.expected) << c.name;
  }
}

TEST(MoveRomToFront, PathTooLongForALineIsNotRemembered) {
  RecentRoms roms = {"a", "b", "", "", ""};
  MoveRomToFront(roms, std::string(kMaxRomPathLength + 1, 'x'));
  EXPECT_EQ(roms, (RecentRoms{"a", "b", "", "", ""}));
  MoveRomToFront(roms, std::string(kMaxRomPathLength, 'x'));
  EXPECT_EQ(roms[0], std::string(kMaxRomPathLength, 'x'));
}

TEST(RecentMenuItemText, NumbersFromOneAndKeepsEmptyEntries) {
  EXPECT_EQ(RecentMenuItemText(0, "C:\\roms\\eb.smc"), "&1 - C:\\roms\\eb.smc");
  EXPECT_EQ(RecentMenuItemText(4, ""), "&5 - ");
}

}  // namespace
