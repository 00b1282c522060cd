#include "core/quiz/possession_quiz.h"

#include "core/rom/apply_messages.h"
#include "core/rom/possession.h"
#include "core/rom/image_action.h"

const char* const kQuizTitle = "Quiz";
const char* const kQuizQuestion =
    "OK, Pop Quiz.  \"My favourite old song is called XXXterday.\"\nCan you fill the blanks?";

namespace {

const char* const kWrongAnswer = "Buzzzzt. \"My favourite old song is called Noterday.\"  Wrong!";

bool WriteMarker(std::FILE* romFile, const RomLayout& layout, MarkerChange change) {
  return change == MarkerChange::Possess ? PossessRom(romFile, layout) : UnpossessRom(romFile, layout);
}

SoundId MarkerSound(MarkerChange change) {
  return change == MarkerChange::Possess ? SoundId::RomPossessed : SoundId::RomUnpossessed;
}

}  // namespace

QuizOutcome DecideQuizOutcome(bool answeredYes, bool possessed) {
  if (possessed) {
    if (answeredYes) return {"Unpossessing...", "Uaahg.  You got me!", MarkerChange::Unpossess};
    return {"Boo!", kWrongAnswer, MarkerChange::None};
  }
  if (answeredYes) return {"Hehehe....", "That's correct.  I'm impressed!", MarkerChange::None};
  return {"Boo!", std::string(kWrongAnswer) + "  I will now possess your ROM!", MarkerChange::Possess};
}

void PlayPossessionQuiz(RomSession& session, Platform& platform) {
  std::FILE* romFile = session.romFile;
  const RomLayout& layout = session.romLayout;
  if (IdentifyRom(romFile, layout) == RomKind::UnrecognizedRom) return;
  const bool answeredYes =
      platform.ShowMessage(kQuizQuestion, kQuizTitle, MessageKind::YesNoQuestion, TextEncoding::Ansi) ==
      MessageAnswer::Yes;
  // The marker is read only now, so the outcome follows the file as it is after the question.
  const QuizOutcome outcome = DecideQuizOutcome(answeredYes, IsRomPossessed(romFile, layout));
  platform.ShowMessage(outcome.text, outcome.title, MessageKind::Warning, TextEncoding::Ansi);
  if (outcome.markerChange == MarkerChange::None) return;
  const ActionOutcome written =
      RunImageAction(session, {"Quiz Answer", ""},
                     [romFile, &layout, &outcome] { return WriteMarker(romFile, layout, outcome.markerChange); });
  if (written == ActionOutcome::Written) {
    platform.PlaySound(MarkerSound(outcome.markerChange));
  } else {
    ReportActionOutcome(platform, written, session.romPath);
  }
}
