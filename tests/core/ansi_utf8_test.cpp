#include <gtest/gtest.h>

#include <string>

#include "core/text/ansi_utf8.h"

namespace {

// IsUtf8Of compares without converting; it must agree with the conversion, also for texts
// longer than the pieces it converts at a time and for the bytes 1252 maps past U+07FF.
TEST(IsUtf8Of, AgreesWithTheConversion) {
  const std::string longName = "\xC0\xE9 " + std::string(30, '\xFC') + "\x80 - [12]";
  std::string otherLongName = longName;
  otherLongName[34] = '\xFD';
  const struct {
    std::string name;
    std::string utf8;
    std::string ansi;
    bool same;
  } cases[] = {
      {"ASCII, the same", "Starman", "Starman", true},
      {"ASCII, one letter differs", "Starmen", "Starman", false},
      {"empty", "", "", true},
      {"a character past ASCII as its own byte", "\xE9", "\xE9", false},
      {"a character past ASCII", "caf\xC3\xA9", "caf\xE9", true},
      {"the euro sign, three bytes", "\xE2\x82\xAC" "5", "\x80" "5", true},
      {"a long text, the same", AnsiToUtf8(longName), longName, true},
      {"a long text differing past its first piece", AnsiToUtf8(otherLongName), longName, false},
      {"one character too many", AnsiToUtf8(longName) + "x", longName, false},
      {"one character too few", AnsiToUtf8(longName.substr(1)), longName, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsUtf8Of(c.utf8, c.ansi), c.same) << c.name;
    EXPECT_EQ(AnsiToUtf8(c.ansi) == c.utf8, c.same) << c.name << " (the conversion)";
  }
}

}  // namespace
