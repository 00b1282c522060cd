#include "win32/app/windows_platform.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
// The Platform member shares its name with the ANSI/wide switch of the sound call.
#undef PlaySound

#include <cstring>

#include "win32/app/app_state.h"
#include "win32/app/program_directory.h"

namespace {

constexpr UINT kShiftJisCodePage = 932;

std::wstring FromShiftJis(const std::string& text) {
  const int length = MultiByteToWideChar(kShiftJisCodePage, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJisCodePage, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<std::size_t>(length) - 1);
  return wide;
}

OPENFILENAMEA& DialogRecord(FileDialog dialog) {
  switch (dialog) {
    case FileDialog::Text:
      return textFileDialog;
    case FileDialog::Ips:
      return ipsFileDialog;
    case FileDialog::Bps:
      return bpsFileDialog;
    case FileDialog::Patch:
      return patchFileDialog;
    case FileDialog::Rom:
      break;
  }
  return romFileDialog;
}

// A save dialog asks before replacing a file and takes new names; an open dialog takes only
// files that exist. The records are shared by both, so the mode decides each time.
DWORD DialogFlags(DWORD flags, FileDialogMode mode) {
  if (mode == FileDialogMode::Save) return (flags & ~OFN_FILEMUSTEXIST) | OFN_OVERWRITEPROMPT;
  return (flags & ~OFN_OVERWRITEPROMPT) | OFN_FILEMUSTEXIST;
}

}  // namespace

int WindowsPlatform::ShowMessage(const std::string& text, const std::string& title, unsigned flags,
                                 TextEncoding encoding) {
  if (encoding == TextEncoding::ShiftJis) {
    // An ANSI box would show Japanese text as garbage outside a Japanese system.
    return MessageBoxW(mainWindow, FromShiftJis(text).c_str(), FromShiftJis(title).c_str(), flags);
  }
  return MessageBoxA(mainWindow, text.c_str(), title.c_str(), flags);
}

bool WindowsPlatform::ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path) {
  OPENFILENAMEA& record = DialogRecord(dialog);
  if (!record.lpstrFile || record.nMaxFile == 0) return false;
  std::strncpy(record.lpstrFile, path.c_str(), record.nMaxFile - 1);
  record.lpstrFile[record.nMaxFile - 1] = '\0';
  const DWORD sharedFlags = record.Flags;
  record.Flags = DialogFlags(sharedFlags, mode);
  const BOOL chosen = mode == FileDialogMode::Open ? GetOpenFileNameA(&record) : GetSaveFileNameA(&record);
  record.Flags = sharedFlags;
  if (!chosen) return false;
  path = record.lpstrFile;
  return true;
}

void WindowsPlatform::PlaySound(SoundId sound) {
  PlaySoundA(MAKEINTRESOURCEA(static_cast<int>(sound)), programInstance, SND_RESOURCE | SND_ASYNC);
}

void WindowsPlatform::OpenHelpFile() {
  OpenHelpFileAt(ProgramDirectory() + "quillonfaq.txt");
}

void WindowsPlatform::OpenHelpFileAt(const std::string& path) {
  // Values up to 32 are the shell's error codes.
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(mainWindow, "open", path.c_str(), nullptr, "C:\\",
                                                              SW_SHOW));
  if (result <= 32) ShowWarning(*this, "The help file could not be opened:\n" + path);
}
