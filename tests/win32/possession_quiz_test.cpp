#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/rom/possession.h"
#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"

namespace {

constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;
const std::vector<std::uint8_t> kBoo = {'B', 'o', 'o', '!'};
const std::vector<std::uint8_t> kFreed = {0x14, 0x14, 0x14, 0x14};
// The fixture's title is padded with spaces over the marker.
const std::vector<std::uint8_t> kFree = {' ', ' ', ' ', ' '};

class PossessionQuiz : public ShellTest {};

TEST_F(PossessionQuiz, GhostButtonAsksAndPossessesOrFreesTheImage) {
  struct Case {
    const char* name;
    RomKind kind;
    bool possessed;
    MessageAnswer answer;
    std::vector<std::string> boxTitles;
    std::vector<SoundId> sounds;
    std::vector<std::uint8_t> markerAfter;
  } cases[] = {
      {"EarthBound, free, no", RomKind::EarthBoundRom, false, kNo, {"Quiz", "Boo!"}, {SoundId::RomPossessed}, kBoo},
      {"EarthBound, free, yes", RomKind::EarthBoundRom, false, kYes, {"Quiz", "Hehehe...."}, {}, kFree},
      {"EarthBound, possessed, yes", RomKind::EarthBoundRom, true, kYes, {"Quiz", "Unpossessing..."},
       {SoundId::RomUnpossessed}, kFreed},
      {"EarthBound, possessed, no", RomKind::EarthBoundRom, true, kNo, {"Quiz", "Boo!"}, {}, kBoo},
      {"Mother 2, free, no", RomKind::Mother2Rom, false, kNo, {"Quiz", "Boo!"}, {SoundId::RomPossessed}, kBoo},
      {"Mother 2, free, yes", RomKind::Mother2Rom, false, kYes, {"Quiz", "Hehehe...."}, {}, kFree},
      {"Mother 2, possessed, yes", RomKind::Mother2Rom, true, kYes, {"Quiz", "Unpossessing..."},
       {SoundId::RomUnpossessed}, kFreed},
      {"Mother 2, possessed, no", RomKind::Mother2Rom, true, kNo, {"Quiz", "Boo!"}, {}, kBoo},
      {"unrecognized, free, no", RomKind::UnrecognizedRom, false, kNo, {}, {}, kFree},
      {"unrecognized, free, yes", RomKind::UnrecognizedRom, false, kYes, {}, {}, kFree},
      {"unrecognized, possessed, no", RomKind::UnrecognizedRom, true, kNo, {}, {}, kBoo},
      {"unrecognized, possessed, yes", RomKind::UnrecognizedRom, true, kYes, {}, {}, kBoo},
  };
  for (const Case& c : cases) {
    const std::string path = WriteFixtureRom("quiz.smc", c.kind, c.possessed);
    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    recentRoms[0] = path;
    SendCommand(kCmdRecentRom0);
    ASSERT_TRUE(romSession.romLoaded) << c.name;
    StatusLineFor(treeItems.items);
    SetWindowTextA(statusBar, "stale");
    recorder.messages.clear();
    recorder.sounds.clear();
    recorder.messageAnswers = {c.answer};

    SendCommand(kCmdQuiz);

    std::vector<std::string> titles;
    for (const auto& message : recorder.messages) titles.push_back(message.title);
    EXPECT_EQ(titles, c.boxTitles) << c.name;
    EXPECT_EQ(recorder.sounds, c.sounds) << c.name;
    const bool possessedAfter = c.markerAfter == kBoo;
    EXPECT_EQ(StatusLine(), std::string("Modify Item Attributes") + (possessedAfter ? " - Possessed!" : ""))
        << c.name;
    EXPECT_EQ(romSession.romKind, c.kind) << c.name << ": the marker never changes the kind";

    CloseRom(romSession);
    std::vector<std::uint8_t> expected = before;
    std::copy(c.markerAfter.begin(), c.markerAfter.end(), expected.begin() + Headered(kInternalHeader + kPossessionMarkerInHeader));
    EXPECT_TRUE(ReadFileBytes(path) == expected) << c.name << ": only the marker may change, to the expected bytes";
  }
}

TEST_F(PossessionQuiz, QuestionAndAnswerTextsAreTheJoke) {
  recentRoms[0] = WriteFixtureRom("texts.smc", RomKind::EarthBoundRom);
  SendCommand(kCmdRecentRom0);
  recorder.messageAnswers = {kNo};
  SendCommand(kCmdQuiz);
  ASSERT_EQ(recorder.messages.size(), 2u);
  EXPECT_EQ(recorder.messages[0].text,
            "OK, Pop Quiz.  \"My favourite old song is called XXXterday.\"\nCan you fill the blanks?");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::YesNoQuestion);
  EXPECT_EQ(recorder.messages[1].text,
            "Buzzzzt. \"My favourite old song is called Noterday.\"  Wrong!  I will now possess your ROM!");
  EXPECT_EQ(recorder.messages[1].kind, MessageKind::Warning);
}

}  // namespace
