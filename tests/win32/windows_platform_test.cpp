#include <gtest/gtest.h>

#include <windows.h>
// The Platform member shares its name with the ANSI/wide switch of the sound call.
#undef PlaySound

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

#include "core/rom/rom_messages.h"
#include "tests/support/fixture_image.h"
#include "win32/app/app_state.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/program_directory.h"
#include "win32/app/system_calls.h"
#include "win32/app/windows_platform.h"

namespace {

class RealPlatform : public ShellTest {
 protected:
  std::vector<SeenModalWindow> Show(const std::string& text, TextEncoding encoding,
                                    MessageKind kind = MessageKind::Warning, int button = IDOK) {
    return WatchModalWindows([&] { answer = real.ShowMessage(text, "Warning", kind, encoding); }, button);
  }

  bool ShowsText(const SeenModalWindow& box, const std::wstring& text) {
    return std::find(box.texts.begin(), box.texts.end(), text) != box.texts.end();
  }

  WindowsPlatform real;
  MessageAnswer answer = MessageAnswer::No;
};

TEST_F(RealPlatform, EachKindOfMessageHasItsButtonsIconAndAnswers) {
  const HICON exclamation = LoadIconA(nullptr, IDI_EXCLAMATION);
  const HICON question = LoadIconA(nullptr, IDI_QUESTION);
  const HICON information = LoadIconA(nullptr, IDI_INFORMATION);
  const struct Case {
    MessageKind kind;
    int pressed;
    std::vector<int> buttons;
    HICON icon;
    int defaultButton;
    MessageAnswer answer;
  } cases[] = {
      {MessageKind::Warning, IDOK, {IDOK}, exclamation, IDOK, MessageAnswer::Ok},
      {MessageKind::Information, IDOK, {IDOK}, information, IDOK, MessageAnswer::Ok},
      {MessageKind::SearchDone, IDOK, {IDOK}, question, IDOK, MessageAnswer::Ok},
      {MessageKind::YesNoQuestion, IDYES, {IDYES, IDNO}, question, IDYES, MessageAnswer::Yes},
      {MessageKind::YesNoQuestion, IDNO, {IDYES, IDNO}, question, IDYES, MessageAnswer::No},
      // Yes here changes data the user may not mean to change, so No is the default.
      {MessageKind::OverwriteQuestion, IDYES, {IDYES, IDNO}, exclamation, IDNO, MessageAnswer::Yes},
      {MessageKind::YesNoCancelQuestion, IDNO, {IDCANCEL, IDYES, IDNO}, question, IDYES, MessageAnswer::No},
      {MessageKind::YesNoCancelQuestion, IDCANCEL, {IDCANCEL, IDYES, IDNO}, question, IDYES, MessageAnswer::Cancel},
  };
  for (const Case& c : cases) {
    const auto boxes = Show("Carry on?", TextEncoding::Ansi, c.kind, c.pressed);
    const std::string name = "kind " + std::to_string(static_cast<int>(c.kind)) + ", button " + std::to_string(c.pressed);
    ASSERT_EQ(boxes.size(), 1u) << name;
    std::vector<int> buttons = boxes[0].buttons;
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, c.buttons) << name;
    EXPECT_EQ(boxes[0].icon, c.icon) << name;
    EXPECT_EQ(boxes[0].defaultButton, c.defaultButton) << name;
    EXPECT_EQ(answer, c.answer) << name;
  }
}

TEST_F(RealPlatform, Mother2NoteReadsAsJapaneseOnAnySystem) {
  const auto boxes = Show(Mother2RomMessage(), TextEncoding::ShiftJis);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"Warning");
  const std::wstring expected =
      L"You have loaded a Mother 2 ROM.  However, the current version of Quillon is incompatible with it. "
      L"Any editing you do to this ROM will caused unexpected results.  Make sure to create a backup before "
      L"editing.\n\n"
      L"\u3042\u3044\u306b\u304f\u3067\u3059\u304c\u3001\u73fe\u5728\u3001MOTHER2\u306eROM\n"
      L"\u306f\u7121\u7406\u3067\u3059\u3002\u5c06\u6765\u3001\u7de8\u96c6\u3067\u304d\u308b\u3088\u3046\u306b\n"
      L"\u306a\u308b\u304b\u3082\u3057\u308c\u306a\u3044\u304b\u3089\u3001\u697d\u3057\u307f\u306b\u3057\u3066"
      L"\u4e0b\u3055\u3044!";
  EXPECT_TRUE(ShowsText(boxes[0], expected));
  EXPECT_EQ(answer, MessageAnswer::Ok);
}

TEST_F(RealPlatform, AnsiWarningShowsItsText) {
  const auto boxes = Show("Error reading file.", TextEncoding::Ansi);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"Warning");
  EXPECT_TRUE(ShowsText(boxes[0], L"Error reading file."));
  EXPECT_EQ(answer, MessageAnswer::Ok);
}

TEST_F(RealPlatform, EveryFileDialogOpensAtThePathAndHandsBackTheChoice) {
  const std::pair<FileDialog, const char*> dialogs[] = {{FileDialog::Rom, "chosen.smc"},
                                                        {FileDialog::Text, "chosen.txt"},
                                                        {FileDialog::Ips, "chosen.ips"},
                                                        {FileDialog::Bps, "chosen.bps"},
                                                        {FileDialog::Csv, "chosen.csv"},
                                                        {FileDialog::Patch, "chosen-patch.bps"}};
  std::string start;
  for (const auto& [dialog, name] : dialogs) {
    start = WriteFixtureRom(name, RomKind::EarthBoundRom);
    std::string path = start;
    bool chosen = false;
    // The watcher presses Open, which accepts the name the dialog started with.
    const auto shown = WatchModalWindows([&] { chosen = real.ChooseFile(dialog, FileDialogMode::Open, path); });
    ASSERT_EQ(shown.size(), 1u) << name << ": the dialog opens";
    EXPECT_TRUE(chosen) << name;
    EXPECT_EQ(path, start) << name;
  }
  EXPECT_STREQ(patchPathBuffer, start.c_str()) << "the next dialog starts at the choice";
}

std::wstring Widened(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    texts.push_back(text);
  }
  return texts;
}

struct SaveRun {
  bool chosen = false;
  bool prompted = false;
  bool promptOffersYesAndNo = false;
  bool stayedOpen = false;
};

// Opens the save dialog at path and presses its Save button; a replace prompt that appears
// gets answer.
SaveRun PressSave(WindowsPlatform& real, FileDialog dialog, std::string& path, int answer) {
  SaveRun run;
  DriveModalDialog([&] { run.chosen = real.ChooseFile(dialog, FileDialogMode::Save, path); },
                   [&](HWND fileDialog) {
                     run.prompted = DriveModalDialog([&] { SendMessageA(fileDialog, WM_COMMAND, IDOK, 0); },
                                                     [&](HWND prompt) {
                                                       const auto texts = ChildTexts(prompt);
                                                       run.promptOffersYesAndNo =
                                                           std::count(texts.begin(), texts.end(), L"&Yes") == 1 &&
                                                           std::count(texts.begin(), texts.end(), L"&No") == 1;
                                                       SendMessageA(prompt, WM_COMMAND, answer, 0);
                                                     });
                     run.stayedOpen = IsWindowVisible(fileDialog) != FALSE;
                   });
  return run;
}

TEST_F(RealPlatform, EverySaveDialogAsksBeforeReplacingAFile) {
  const std::pair<FileDialog, const char*> dialogs[] = {
      {FileDialog::Text, "dump.txt"}, {FileDialog::Ips, "patch.ips"}, {FileDialog::Rom, "image.smc"}};
  for (const auto& [dialog, name] : dialogs) {
    const std::string existing = TempPath(name);
    std::ofstream(existing) << "keep me";

    std::string path = existing;
    SaveRun run = PressSave(real, dialog, path, IDNO);
    EXPECT_TRUE(run.prompted) << name;
    EXPECT_TRUE(run.promptOffersYesAndNo) << name;
    EXPECT_TRUE(run.stayedOpen) << name << ": No goes back to the dialog";
    EXPECT_FALSE(run.chosen) << name;

    path = existing;
    run = PressSave(real, dialog, path, IDYES);
    EXPECT_TRUE(run.prompted) << name;
    EXPECT_TRUE(run.chosen) << name;
    EXPECT_EQ(path, existing) << name;

    path = TempPath(std::string("new-") + name);
    const std::string fresh = path;
    run = PressSave(real, dialog, path, IDNO);
    EXPECT_FALSE(run.prompted) << name << ": a new name is taken without a question";
    EXPECT_TRUE(run.chosen) << name;
    EXPECT_EQ(path, fresh) << name;
  }
}

TEST_F(RealPlatform, HelpThatNoProgramOpensWarnsWithItsPath) {
  const std::string missing = TempPath("no-such-help.txt");
  const auto boxes = WatchModalWindows([&] { real.OpenHelpFileAt(missing); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, L"Warning");
  EXPECT_TRUE(ShowsText(boxes[0], Widened("The help file could not be opened:\n" + missing)));
}

// What the platform asked of the sound and shell calls, recorded in their place.
struct SoundCall {
  std::uintptr_t name;
  HMODULE module;
  DWORD flags;
  bool operator==(const SoundCall& other) const {
    return name == other.name && module == other.module && flags == other.flags;
  }
};
std::vector<SoundCall> soundCalls;

BOOL WINAPI RecordSound(LPCSTR name, HMODULE module, DWORD flags) {
  soundCalls.push_back({reinterpret_cast<std::uintptr_t>(name), module, flags});
  return TRUE;
}

struct ShellCall {
  HWND owner;
  std::string verb, file;
  bool parameters;
  std::string folder;
  INT show;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI RecordShell(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show) {
  shellCalls.push_back({owner, verb ? verb : "", file ? file : "", parameters != nullptr, folder ? folder : "", show});
  // Above 32: the shell found a program for the file.
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

class RealPlatformCalls : public RealPlatform {
 protected:
  void SetUp() override {
    RealPlatform::SetUp();
    systemCalls.playSound = RecordSound;
    systemCalls.shellExecute = RecordShell;
    soundCalls.clear();
    shellCalls.clear();
  }
  void TearDown() override {
    systemCalls = SystemCalls{};
    RealPlatform::TearDown();
  }
};

TEST_F(RealPlatformCalls, SoundsPlayFromTheProgramsResourcesWithoutWaiting) {
  std::vector<SoundCall> expected;
  for (int sound = 0; sound < kSoundCount; ++sound) {
    real.PlaySound(static_cast<SoundId>(sound));
    // Sounds are resources 1000 to 1006; 0x40005 is SND_RESOURCE | SND_ASYNC.
    expected.push_back({static_cast<std::uintptr_t>(1000 + sound), programInstance, 0x00040005});
  }
  EXPECT_EQ(soundCalls, expected);
}

TEST_F(RealPlatformCalls, HelpAsksTheShellToOpenTheFileBesideTheProgram) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string folder = module;
  folder.resize(folder.find_last_of('\\') + 1);

  const auto boxes = WatchModalWindows([&] { real.OpenHelpFile(); });
  EXPECT_TRUE(boxes.empty());
  ASSERT_EQ(shellCalls.size(), 1u);
  const ShellCall& call = shellCalls[0];
  EXPECT_EQ(call.owner, mainWindow);
  EXPECT_EQ(call.verb, "open");
  EXPECT_TRUE(lstrcmpiA(call.file.c_str(), (folder + "quillonfaq.txt").c_str()) == 0) << call.file;
  EXPECT_FALSE(call.parameters);
  EXPECT_EQ(call.folder, "C:\\");
  EXPECT_EQ(call.show, SW_SHOW);
}

}  // namespace
