#pragma once

#include "core/platform/platform.h"

// The WAVE resource that plays for the sound.
int SoundResourceId(SoundId sound);

// The platform of the running program: real message boxes, file dialogs, sounds and shell.
class WindowsPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                            TextEncoding encoding) override;
  bool ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path, const std::string& title = "") override;
  void PlaySound(SoundId sound) override;
  void OpenHelpFile() override;
  // Opens the file with the shell's "open" verb; a "Warning" names it when no program does.
  void OpenHelpFileAt(const std::string& path);
};
