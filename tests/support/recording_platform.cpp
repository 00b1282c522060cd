#include "tests/support/recording_platform.h"

namespace {
constexpr int kIdOk = 1;
constexpr int kIdNo = 7;
// MB_TYPEMASK and the two kinds of box that offer No.
constexpr unsigned kButtonsMask = 0xF;
constexpr unsigned kYesNoCancel = 3;
constexpr unsigned kYesNo = 4;
}

int RecordingPlatform::ShowMessage(const std::string& text, const std::string& title, unsigned flags,
                                   TextEncoding encoding) {
  messages.push_back({text, title, flags, encoding});
  if (messageAnswers.empty()) {
    const unsigned buttons = flags & kButtonsMask;
    return buttons == kYesNo || buttons == kYesNoCancel ? kIdNo : kIdOk;
  }
  const int answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

bool RecordingPlatform::ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path) {
  fileChoices.push_back({dialog, mode, path});
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
