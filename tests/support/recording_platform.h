#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/platform/platform.h"

// Records every modal interaction and answers from a script, in order.
class RecordingPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    std::string title;
    MessageKind kind;
    TextEncoding encoding;
  };
  struct FileChoice {
    FileDialog dialog;
    FileDialogMode mode;
    std::string startPath;
    std::string title;
  };

  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                            TextEncoding encoding) override;
  bool ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path, const std::string& title = "") override;
  void PlaySound(SoundId sound) override;
  void OpenHelpFile() override;

  // Answers for the next message boxes (OK, or No to a question, when none is left).
  std::deque<MessageAnswer> messageAnswers;
  // Paths for the next file dialogs; an empty string cancels (cancel when none is left).
  std::deque<std::string> fileAnswers;

  std::vector<Message> messages;
  std::vector<FileChoice> fileChoices;
  std::vector<SoundId> sounds;
  int helpOpened = 0;
};
