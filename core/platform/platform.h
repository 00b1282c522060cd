#pragma once

#include <string>

// The modal side of the program: message boxes, file dialogs, sounds and the help file.
// The Win32 layer implements it for real; tests record each call and answer from a script.

// MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL: every "Warning" box.
constexpr unsigned kWarningBoxFlags = 0x2030;
// MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_TASKMODAL: a question whose Yes changes
// data the user may not mean to change, so No is the default.
constexpr unsigned kOverwriteQuestionFlags = 0x2134;
// MB_OK | MB_ICONINFORMATION | MB_TASKMODAL: a note that is no fault.
constexpr unsigned kInformationBoxFlags = 0x2040;

enum class SoundId : int {
  Splash = 1000,
  RomLoaded = 1001,
  RomClosed = 1002,
  IpsWritten = 1003,
  ListOrderChanged = 1004,
  RomPossessed = 1005,
  RomUnpossessed = 1006,
};

// Shift-JIS text is shown through the wide message box, so it reads right on any system.
enum class TextEncoding { Ansi, ShiftJis };

enum class FileDialog { Rom, Text, Ips, Bps, Patch };
enum class FileDialogMode { Open, Save };

class Platform {
 public:
  virtual ~Platform() = default;
  // Returns the button the user pressed (IDOK, IDYES, IDNO, ...).
  virtual int ShowMessage(const std::string& text, const std::string& title, unsigned flags,
                          TextEncoding encoding) = 0;
  // path holds the dialog's starting name and receives the chosen one; false when cancelled.
  virtual bool ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path) = 0;
  virtual void PlaySound(SoundId sound) = 0;
  virtual void OpenHelpFile() = 0;
};

inline void ShowWarning(Platform& platform, const std::string& text) {
  platform.ShowMessage(text, "Warning", kWarningBoxFlags, TextEncoding::Ansi);
}

inline void ShowInformation(Platform& platform, const std::string& text) {
  platform.ShowMessage(text, "Quillon", kInformationBoxFlags, TextEncoding::Ansi);
}
