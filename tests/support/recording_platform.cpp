#include "tests/support/recording_platform.h"

namespace {

bool OffersNo(MessageKind kind) {
  return kind == MessageKind::YesNoQuestion || kind == MessageKind::OverwriteQuestion ||
         kind == MessageKind::YesNoCancelQuestion;
}

}  // namespace

MessageAnswer RecordingPlatform::ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                                             TextEncoding encoding) {
  messages.push_back({text, title, kind, encoding});
  if (messageAnswers.empty()) return OffersNo(kind) ? MessageAnswer::No : MessageAnswer::Ok;
  const MessageAnswer answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

bool RecordingPlatform::ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path, const std::string& title) {
  fileChoices.push_back({dialog, mode, path, title});
  if (fileAnswers.empty()) return false;
  const std::string answer = fileAnswers.front();
  fileAnswers.pop_front();
  if (answer.empty()) return false;
  path = answer;
  return true;
}

void RecordingPlatform::PlaySound(SoundId sound) {
  sounds.push_back(sound);
}

void RecordingPlatform::OpenHelpFile() {
  ++helpOpened;
}
