#pragma once

#include <string>

// The modal side of the program: message boxes, file dialogs, sounds and the help file.
// The Win32 layer implements it for real; tests record each call and answer from a script.

// What a message box is for; its buttons and icon follow from that.
enum class MessageKind {
  Warning,            // OK, with the exclamation mark: every "Warning" box and the quiz's answer
  Information,        // OK, with the information mark: a note that is no fault
  SearchDone,         // OK, with the question mark, as the end of a search has always been shown
  YesNoQuestion,      // Yes and No, with the question mark
  OverwriteQuestion,  // Yes and No, with the exclamation mark and No as the default: Yes changes
                      // data the user may not mean to change
  YesNoCancelQuestion, // Yes, No and Cancel, with the question mark
};

// The button the user pressed.
enum class MessageAnswer { Ok, Yes, No, Cancel };

enum class SoundId {
  Splash,
  RomLoaded,
  RomClosed,
  IpsWritten,
  ListOrderChanged,
  RomPossessed,
  RomUnpossessed,
};
constexpr int kSoundCount = static_cast<int>(SoundId::RomUnpossessed) + 1;

// Shift-JIS text is shown through the wide message box, so it reads right on any system.
enum class TextEncoding { Ansi, ShiftJis };

enum class FileDialog { Rom, Text, Ips, Bps, Patch, Csv };
enum class FileDialogMode { Open, Save };

class Platform {
 public:
  virtual ~Platform() = default;
  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                                    TextEncoding encoding) = 0;
  // path holds the dialog's starting name and receives the chosen one; false when cancelled.
  // title says what the dialog wants; empty leaves the system's own ("Open", "Save As").
  virtual bool ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path, const std::string& title = "") = 0;
  virtual void PlaySound(SoundId sound) = 0;
  virtual void OpenHelpFile() = 0;
};

inline void ShowWarning(Platform& platform, const std::string& text) {
  platform.ShowMessage(text, "Warning", MessageKind::Warning, TextEncoding::Ansi);
}

inline void ShowInformation(Platform& platform, const std::string& text) {
  platform.ShowMessage(text, "Quillon", MessageKind::Information, TextEncoding::Ansi);
}
