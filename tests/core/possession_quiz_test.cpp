#include <gtest/gtest.h>

#include "core/quiz/possession_quiz.h"
#include "core/rom/apply_messages.h"
#include "core/rom/possession.h"
#include "tests/support/fixture_image.h"
#include "tests/support/recording_platform.h"

namespace {

const std::vector<std::uint8_t> kBoo = {'B', 'o', 'o', '!'};
const std::vector<std::uint8_t> kFreed = {0x14, 0x14, 0x14, 0x14};
const std::vector<std::uint8_t> kUntouched = {' ', ' ', ' ', ' '};

const char* const kWrongText = "Buzzzzt. \"My favourite old song is called Noterday.\"  Wrong!";

TEST(DecideQuizOutcome, YesIsRightAndFreesAPossessedImage) {
  struct Case {
    bool answeredYes;
    bool possessed;
    const char* title;
    std::string text;
    MarkerChange change;
  } cases[] = {
      {true, false, "Hehehe....", "That's correct.  I'm impressed!", MarkerChange::None},
      {false, false, "Boo!", std::string(kWrongText) + "  I will now possess your ROM!", MarkerChange::Possess},
      {true, true, "Unpossessing...", "Uaahg.  You got me!", MarkerChange::Unpossess},
      {false, true, "Boo!", kWrongText, MarkerChange::None},
  };
  for (const Case& c : cases) {
    const QuizOutcome outcome = DecideQuizOutcome(c.answeredYes, c.possessed);
    const std::string name = std::string(c.answeredYes ? "yes" : "no") + (c.possessed ? ", possessed" : ", free");
    EXPECT_EQ(outcome.title, c.title) << name;
    EXPECT_EQ(outcome.text, c.text) << name;
    EXPECT_EQ(outcome.markerChange, c.change) << name;
  }
}

struct QuizRun {
  RecordingPlatform platform;
  std::vector<std::uint8_t> bytesAfter;
};

// mode "rb" gives a stream that refuses writes, as a full disk would.
QuizRun RunQuizOn(const FixtureImage& image, const char* mode, MessageAnswer answer) {
  QuizRun run;
  const std::string path = TempPath("quiz.smc");
  image.WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), mode);
  EXPECT_NE(file, nullptr) << path;
  if (!file) return run;
  run.platform.messageAnswers = {answer};
  RomSession session;
  session.romFile = file;
  session.romLoaded = 1;
  session.romLayout = kHeaderedLayout;
  session.romPath = path;
  EXPECT_TRUE(RememberLoadedImage(session));
  PlayPossessionQuiz(session, run.platform);
  CloseRom(session);
  run.bytesAfter = ReadFileBytes(path);
  return run;
}

TEST(PlayPossessionQuiz, AnswersWriteTheMarkerAndPlayItsSound) {
  struct Case {
    const char* name;
    RomKind kind;
    std::vector<std::uint8_t> markerBefore;
    MessageAnswer answer;
    std::vector<std::uint8_t> markerAfter;
    std::vector<SoundId> sounds;
  } cases[] = {
      {"EarthBound, no", RomKind::EarthBoundRom, kUntouched, MessageAnswer::No, kBoo, {SoundId::RomPossessed}},
      {"EarthBound, yes", RomKind::EarthBoundRom, kUntouched, MessageAnswer::Yes, kUntouched, {}},
      {"EarthBound possessed, yes", RomKind::EarthBoundRom, kBoo, MessageAnswer::Yes, kFreed, {SoundId::RomUnpossessed}},
      {"EarthBound possessed, no", RomKind::EarthBoundRom, kBoo, MessageAnswer::No, kBoo, {}},
      {"EarthBound freed earlier, no", RomKind::EarthBoundRom, kFreed, MessageAnswer::No, kBoo, {SoundId::RomPossessed}},
      {"Mother 2, no", RomKind::Mother2Rom, kUntouched, MessageAnswer::No, kBoo, {SoundId::RomPossessed}},
      {"Mother 2 possessed, yes", RomKind::Mother2Rom, kBoo, MessageAnswer::Yes, kFreed, {SoundId::RomUnpossessed}},
  };
  for (const Case& c : cases) {
    FixtureImage image;
    image.SetKind(c.kind).Put(Headered(kInternalHeader + kPossessionMarkerInHeader), c.markerBefore);
    const QuizRun run = RunQuizOn(image, "r+b", c.answer);

    ASSERT_EQ(run.platform.messages.size(), 2u) << c.name;
    EXPECT_EQ(run.platform.messages[0].title, "Quiz") << c.name;
    EXPECT_EQ(run.platform.messages[0].text,
              "OK, Pop Quiz.  \"My favourite old song is called XXXterday.\"\nCan you fill the blanks?")
        << c.name;
    EXPECT_EQ(run.platform.messages[0].kind, MessageKind::YesNoQuestion) << c.name;
    EXPECT_EQ(run.platform.messages[1].kind, MessageKind::Warning) << c.name;
    EXPECT_EQ(run.platform.sounds, c.sounds) << c.name;
    EXPECT_TRUE(run.bytesAfter == image.Put(Headered(kInternalHeader + kPossessionMarkerInHeader), c.markerAfter).bytes)
        << c.name << ": only the marker may change";
  }
}

TEST(PlayPossessionQuiz, UnrecognizedImageIsNotAsked) {
  FixtureImage image;
  image.SetKind(RomKind::UnrecognizedRom);
  const QuizRun run = RunQuizOn(image, "r+b", MessageAnswer::No);
  EXPECT_TRUE(run.platform.messages.empty());
  EXPECT_TRUE(run.platform.sounds.empty());
  EXPECT_TRUE(run.bytesAfter == image.bytes);
}

TEST(PlayPossessionQuiz, FailedMarkerWriteWarnsInsteadOfPlayingTheSound) {
  FixtureImage image;
  image.SetKind(RomKind::EarthBoundRom);
  const QuizRun run = RunQuizOn(image, "rb", MessageAnswer::No);
  ASSERT_EQ(run.platform.messages.size(), 3u);
  EXPECT_EQ(run.platform.messages[2].title, "Warning");
  EXPECT_EQ(run.platform.messages[2].text, kChangesNotWritten);
  EXPECT_EQ(run.platform.messages[2].kind, MessageKind::Warning);
  EXPECT_TRUE(run.platform.sounds.empty());
  EXPECT_TRUE(run.bytesAfter == image.bytes);
}

}  // namespace
