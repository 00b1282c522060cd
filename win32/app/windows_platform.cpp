#include "win32/app/windows_platform.h"

#include <cstring>
#include <iterator>

#include "win32/app/app_state.h"
#include "win32/app/program_directory.h"
#include "win32/app/system_calls.h"
#include "win32/resources/resource.h"
// The Platform member shares its name with the ANSI/wide switch of the sound call.
#undef PlaySound

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
    case FileDialog::Csv:
      return csvFileDialog;
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

UINT MessageBoxFlags(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information:
      return MB_OK | MB_ICONINFORMATION | MB_TASKMODAL;
    case MessageKind::SearchDone:
      return MB_OK | MB_ICONQUESTION | MB_TASKMODAL;
    case MessageKind::YesNoQuestion:
      return MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL;
    case MessageKind::OverwriteQuestion:
      return MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_TASKMODAL;
    case MessageKind::YesNoCancelQuestion:
      return MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL;
    case MessageKind::Warning:
      break;
  }
  return MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL;
}

// A box that could not be shown answers Cancel where it offers one, else No, so nothing goes
// ahead that the user did not confirm and no typing is dropped.
MessageAnswer AnswerOfButton(int button, MessageKind kind) {
  switch (button) {
    case IDOK:
      return MessageAnswer::Ok;
    case IDYES:
      return MessageAnswer::Yes;
    case IDNO:
      return MessageAnswer::No;
    default:
      return kind == MessageKind::YesNoCancelQuestion ? MessageAnswer::Cancel : MessageAnswer::No;
  }
}

struct SoundResource {
  SoundId sound;
  int resource;
};

constexpr SoundResource kSoundResources[] = {
    {SoundId::Splash, IDW_SPLASH},
    {SoundId::RomLoaded, IDW_ROM_LOADED},
    {SoundId::RomClosed, IDW_ROM_CLOSED},
    {SoundId::IpsWritten, IDW_IPS_WRITTEN},
    {SoundId::ListOrderChanged, IDW_LIST_ORDER},
    {SoundId::RomPossessed, IDW_POSSESSED},
    {SoundId::RomUnpossessed, IDW_UNPOSSESSED},
};

// Every sound has its row, at the position of its value so a lookup is an index, and a
// resource of its own.
constexpr bool EverySoundHasItsOwnRow() {
  if (std::size(kSoundResources) != static_cast<std::size_t>(kSoundCount)) return false;
  for (std::size_t row = 0; row < std::size(kSoundResources); ++row) {
    if (static_cast<std::size_t>(kSoundResources[row].sound) != row) return false;
    for (std::size_t other = 0; other < row; ++other) {
      if (kSoundResources[other].resource == kSoundResources[row].resource) return false;
    }
  }
  return true;
}
static_assert(EverySoundHasItsOwnRow(), "each sound needs one row of kSoundResources, in the order of SoundId");

}  // namespace

int SoundResourceId(SoundId sound) {
  return kSoundResources[static_cast<std::size_t>(sound)].resource;
}

MessageAnswer WindowsPlatform::ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                                           TextEncoding encoding) {
  const UINT flags = MessageBoxFlags(kind);
  if (encoding == TextEncoding::ShiftJis) {
    // An ANSI box would show Japanese text as garbage outside a Japanese system.
    const std::wstring wideText = FromShiftJis(text);
    return AnswerOfButton(MessageBoxW(mainWindow, wideText.c_str(), FromShiftJis(title).c_str(), flags), kind);
  }
  return AnswerOfButton(MessageBoxA(mainWindow, text.c_str(), title.c_str(), flags), kind);
}

bool WindowsPlatform::ChooseFile(FileDialog dialog, FileDialogMode mode, std::string& path, const std::string& title) {
  OPENFILENAMEA& record = DialogRecord(dialog);
  if (!record.lpstrFile || record.nMaxFile == 0) return false;
  std::strncpy(record.lpstrFile, path.c_str(), record.nMaxFile - 1);
  record.lpstrFile[record.nMaxFile - 1] = '\0';
  const DWORD sharedFlags = record.Flags;
  record.Flags = DialogFlags(sharedFlags, mode);
  record.lpstrTitle = title.empty() ? nullptr : title.c_str();
  const BOOL chosen = mode == FileDialogMode::Open ? GetOpenFileNameA(&record) : GetSaveFileNameA(&record);
  record.Flags = sharedFlags;
  record.lpstrTitle = nullptr;
  if (!chosen) return false;
  path = record.lpstrFile;
  return true;
}

void WindowsPlatform::PlaySound(SoundId sound) {
  systemCalls.playSound(MAKEINTRESOURCEA(SoundResourceId(sound)), programInstance, SND_RESOURCE | SND_ASYNC);
}

void WindowsPlatform::OpenHelpFile() {
  OpenHelpFileAt(ProgramDirectory() + "quillonfaq.txt");
}

void WindowsPlatform::OpenHelpFileAt(const std::string& path) {
  // Values up to 32 are the shell's error codes.
  const auto result = reinterpret_cast<INT_PTR>(
      systemCalls.shellExecute(mainWindow, "open", path.c_str(), nullptr, "C:\\", SW_SHOW));
  if (result <= 32) ShowWarning(*this, "The help file could not be opened:\n" + path);
}
