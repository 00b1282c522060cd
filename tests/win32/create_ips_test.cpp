#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "tests/support/fixture_image.h"
#include "tests/support/ips_applier.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"
#include "tests/win32/text_fit.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/main_commands.h"
#include "win32/app/system_calls.h"
#include "win32/ips/ips_progress_dialog.h"
#include "win32/ips/ips_worker.h"
#include "win32/resources/resource.h"

namespace {

// Holds the worker inside its sound or message until the test lets it go, so the test can
// look at the progress window while the worker still runs.
class HoldingPlatform : public RecordingPlatform {
 public:
  HoldingPlatform() : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~HoldingPlatform() override { CloseHandle(release_); }

  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageKind kind,
                            TextEncoding encoding) override {
    const MessageAnswer answer = RecordingPlatform::ShowMessage(text, title, kind, encoding);
    WaitForSingleObject(release_, 10000);
    return answer;
  }
  void PlaySound(SoundId sound) override {
    // Recorded here: windows.h renames the member in this file, not in the recorder's.
    sounds.push_back(sound);
    WaitForSingleObject(release_, 10000);
  }
  void Release() { SetEvent(release_); }

 private:
  HANDLE release_;
};

void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Runs the window's messages until done says so or five seconds pass.
bool PumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 5000) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
  return true;
}

class CreateIpsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    unedited.SetKind(RomKind::EarthBoundRom).PutByte(0x300000, 0x77);
    edited = unedited;
    edited.PutByte(0x200, 0x5A).PutByte(0x201, 0x5B).PutByte(0x300000, 0x00);
    edited.WriteTo(editedPath);
    unedited.WriteTo(uneditedPath);
    LoadRomFromPath(editedPath);
    ASSERT_TRUE(romSession.romLoaded);
    recorder.sounds.clear();
    recorder.messages.clear();
  }

  // Opens Create IPS as command 19 does and runs drive inside it.
  void InCreateIpsDialog(const std::function<void(HWND)>& drive) {
    ASSERT_TRUE(DriveModalDialog([] { SendCommand(kCmdMakeIps); }, drive));
  }

  // Types the two paths and presses "Create IPS"; returns once the progress window has ended.
  void CreateWith(HWND dialog, const std::string& unedited, const std::string& patch) {
    SetDlgItemTextA(dialog, IDC_UNEDITED_ROM_PATH, unedited.c_str());
    SetDlgItemTextA(dialog, IDC_IPS_PATH, patch.c_str());
    Click(dialog, IDC_CREATE_IPS);
  }

  FixtureImage unedited;
  FixtureImage edited;
  const std::string editedPath = TempPath("edited.smc");
  const std::string uneditedPath = TempPath("unedited.smc");
  const std::string patchPath = TempPath("out.ips");
};

TEST_F(CreateIpsTest, AnEmptyPathNamesItsBoxAndStartsNothing) {
  InCreateIpsDialog([&](HWND dialog) {
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_UNEDITED_ROM_PATH)), "") << "the boxes start empty";
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_IPS_PATH)), "");
    CreateWith(dialog, "", "");
    CreateWith(dialog, uneditedPath, "");
    CreateWith(dialog, "", patchPath);
    EXPECT_TRUE(IsWindowVisible(dialog));
  });
  const std::string noUnedited =
      "The box \"Un-edited ROM to compare against\" is empty.  Fill it in or choose a file with Browse.";
  const std::string noPatch = "The box \"IPS file to save to\" is empty.  Fill it in or choose a file with Browse.";
  ASSERT_EQ(recorder.messages.size(), 3u);
  EXPECT_EQ(recorder.messages[0].text, noUnedited);
  EXPECT_EQ(recorder.messages[1].text, noPatch);
  EXPECT_EQ(recorder.messages[2].text, noUnedited);
  for (const auto& message : recorder.messages) EXPECT_EQ(message.title, "Warning") << message.text;
  EXPECT_FALSE(std::filesystem::exists(patchPath));
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_EQ(ipsFinished, 0);
}

TEST_F(CreateIpsTest, BrowseFillsTheBoxesFromTheFileDialogs) {
  strcpy(romPathBuffer, "C:\\roms\\last.smc");
  strcpy(ipsPathBuffer, "C:\\patches\\last.ips");
  recorder.fileAnswers = {uneditedPath, patchPath, ""};
  InCreateIpsDialog([&](HWND dialog) {
    Click(dialog, IDC_BROWSE_UNEDITED_ROM);
    Click(dialog, IDC_BROWSE_IPS_PATH);
    Click(dialog, IDC_BROWSE_IPS_PATH);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_UNEDITED_ROM_PATH)), uneditedPath);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_IPS_PATH)), patchPath) << "a cancelled choice keeps the box";
  });
  ASSERT_EQ(recorder.fileChoices.size(), 3u);
  EXPECT_EQ(recorder.fileChoices[0].dialog, FileDialog::Rom);
  EXPECT_EQ(recorder.fileChoices[0].mode, FileDialogMode::Open);
  EXPECT_EQ(recorder.fileChoices[0].startPath, "C:\\roms\\last.smc");
  EXPECT_EQ(recorder.fileChoices[1].dialog, FileDialog::Ips);
  EXPECT_EQ(recorder.fileChoices[1].mode, FileDialogMode::Save);
  EXPECT_EQ(recorder.fileChoices[1].startPath, "C:\\patches\\last.ips");
}

TEST_F(CreateIpsTest, RunWritesThePatchPlaysTheSoundAndLeavesTheDialogOpen) {
  const std::vector<std::uint8_t> expected = {'P', 'A', 'T', 'C', 'H', 0x00, 0x02, 0x00, 0x00, 0x01, 0x5A,
                                              0x00, 0x02, 0x01, 0x00, 0x01, 0x5B, 0x30, 0x00, 0x00, 0x00,
                                              0x01, 0x00, 'E', 'O', 'F'};
  // The second and third runs find the patch there and are asked about it.
  recorder.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::No};
  InCreateIpsDialog([&](HWND dialog) {
    CreateWith(dialog, uneditedPath, patchPath);
    EXPECT_EQ(ReadFileBytes(patchPath), expected);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open for another run";

    FixtureImage(8).WriteTo(patchPath);
    Click(dialog, IDC_CREATE_IPS);
    EXPECT_EQ(ReadFileBytes(patchPath), expected) << "a second run, confirmed, replaces the patch";

    FixtureImage(8).WriteTo(patchPath);
    Click(dialog, IDC_CREATE_IPS);
    EXPECT_EQ(ReadFileBytes(patchPath).size(), 8u) << "a third run, not confirmed, leaves the file";
  });
  EXPECT_EQ(recorder.sounds, (std::vector<SoundId>{SoundId::IpsWritten, SoundId::IpsWritten}));
  const std::string saved = "The IPS patch was saved as " + patchPath + " (26 bytes).";
  const std::string replace = patchPath + " already exists.\nDo you want to replace it?";
  ASSERT_EQ(recorder.messages.size(), 4u);
  const std::pair<std::string, MessageKind> shown[] = {{saved, MessageKind::Information},
                                                       {replace, MessageKind::OverwriteQuestion},
                                                       {saved, MessageKind::Information},
                                                       {replace, MessageKind::OverwriteQuestion}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(recorder.messages[i].text, shown[i].first) << i;
    EXPECT_EQ(recorder.messages[i].kind, shown[i].second) << i;
  }
  EXPECT_EQ(ipsTotalBytes, 3146240);
  EXPECT_EQ(ipsBytesDone, 3146241);
  EXPECT_EQ(ipsFinished, 0) << "the progress window consumed the flag";
  std::vector<std::uint8_t> patched = unedited.bytes;
  ASSERT_TRUE(ApplyIpsPatch(expected, patched));
  EXPECT_TRUE(patched == edited.bytes);
}

TEST_F(CreateIpsTest, ProgressWindowCountsAndIgnoresCloseWhileTheWorkerRuns) {
  HoldingPlatform holding;
  platform = &holding;
  HWND progress = nullptr;
  std::string countShown;
  bool stayedOpenOnClose = false;
  bool endedByItself = false;
  RECT progressPlace = {};
  std::string progressTitle;
  std::vector<std::string> cutTexts;
  InCreateIpsDialog([&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_UNEDITED_ROM_PATH, uneditedPath.c_str());
    SetDlgItemTextA(dialog, IDC_IPS_PATH, patchPath.c_str());
    DriveModalDialog([&] { Click(dialog, IDC_CREATE_IPS); },
                     [&](HWND window) {
                       progress = window;
                       GetWindowRect(window, &progressPlace);
                       progressTitle = WindowText(window);
                       // The worker is held in its sound: the patch is written, the flag not yet set.
                       HWND count = GetDlgItem(window, IDC_IPS_PROGRESS_TEXT);
                       PumpUntil([&] { return WindowText(count) == "3146241 bytes done"; });
                       countShown = WindowText(count);
                       cutTexts = TextsThatDoNotFit(window);
                       SendMessageA(window, WM_CLOSE, 0, 0);
                       stayedOpenOnClose = IsWindowVisible(window) != FALSE;
                       holding.Release();
                       endedByItself = PumpUntil([&] { return !IsWindowVisible(window); });
                     });
  });
  platform = &recorder;
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(progress, DWLP_DLGPROC), 0) << "the progress window is gone";
  EXPECT_EQ(countShown, "3146241 bytes done");
  EXPECT_EQ(cutTexts, std::vector<std::string>{});
  const int left = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - 150;
  const int top = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 100;
  EXPECT_EQ(progressPlace.left, left);
  EXPECT_EQ(progressPlace.top, top);
  EXPECT_EQ(progressTitle, "Creating IPS");
  EXPECT_EQ(progressPlace.right, left + 200);
  EXPECT_EQ(progressPlace.bottom, top + 100);
  EXPECT_TRUE(stayedOpenOnClose);
  EXPECT_TRUE(endedByItself) << "the window ends at the tick after the worker finished";
  EXPECT_EQ(ipsFinished, 0);
  EXPECT_EQ(holding.sounds, std::vector<SoundId>{SoundId::IpsWritten});
}

TEST_F(CreateIpsTest, RefusedRunsShowTheirWarningAndWriteNothing) {
  const std::string mother2 = TempPath("m2.smc");
  FixtureImage().SetKind(RomKind::Mother2Rom).WriteTo(mother2);
  const std::string shorter = TempPath("short.smc");
  FixtureImage(FixtureImage::kFullSize - 1).SetKind(RomKind::EarthBoundRom).WriteTo(shorter);
  const std::string headerless = TempPath("headerless.sfc");
  FixtureImage().SetKind(RomKind::EarthBoundRom).HeaderlessTwin().WriteTo(headerless);
  const std::string noFolder = TempPath("no-such-folder") + "\\out.ips";
  // Its low 32 bits are the size of the loaded image.
  const std::string huge = TempPath("huge.smc");
  unedited.WriteTo(huge, (std::uint64_t{1} << 32) + FixtureImage::kFullSize);
  struct Case {
    std::string unedited;
    std::string patch;
    std::string message;
  } cases[] = {
      {TempPath("missing.smc"), patchPath, "Error Opening ROM for Reading"},
      {mother2, patchPath, "The two ROM are not compatible."},
      {shorter, patchPath, "The two ROM are of different size"},
      {headerless, patchPath,
       "One of the two images has a copier header and the other has none, so their bytes do not line up. Use two "
       "images of the same kind."},
      {uneditedPath, noFolder, "Error Writing IPS File"},
      {huge, patchPath, "The ROM is larger than 16 MiB, too large for an IPS patch."},
  };
  InCreateIpsDialog([&](HWND dialog) {
    for (const Case& c : cases) CreateWith(dialog, c.unedited, c.patch);
  });
  ASSERT_EQ(recorder.messages.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(recorder.messages[i].text, cases[i].message);
    EXPECT_EQ(recorder.messages[i].title, "Warning") << cases[i].message;
    EXPECT_EQ(recorder.messages[i].kind, MessageKind::Warning) << cases[i].message;
    EXPECT_FALSE(std::filesystem::exists(cases[i].patch)) << cases[i].message;
  }
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_EQ(ipsFinished, 0);
}

HANDLE WINAPI RefuseThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}

TEST_F(CreateIpsTest, WorkerThatCannotStartIsReported) {
  const SystemCalls real = systemCalls;
  systemCalls.createThread = RefuseThread;
  bool progressShown = false;
  InCreateIpsDialog([&](HWND dialog) {
    progressShown = DriveModalDialog([&] { CreateWith(dialog, uneditedPath, patchPath); }, [](HWND) {});
  });
  systemCalls = real;
  EXPECT_FALSE(progressShown);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, "The work on the patch could not be started; nothing was written.");
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
  EXPECT_FALSE(std::filesystem::exists(patchPath));
  EXPECT_TRUE(recorder.sounds.empty());
}

std::string OntoImageMessage(const std::string& path) {
  return path + " is a ROM image Quillon is reading; writing to it would destroy it.  Choose another file.";
}

TEST_F(CreateIpsTest, PatchAimedAtEitherImageIsRefusedByNameBeforeAnythingRuns) {
  const std::size_t slash = editedPath.find_last_of("\\/");
  const std::string otherSpelling = editedPath.substr(0, slash) + "\\.\\" + editedPath.substr(slash + 1);
  recorder.fileAnswers = {editedPath};
  InCreateIpsDialog([&](HWND dialog) {
    CreateWith(dialog, uneditedPath, editedPath);
    CreateWith(dialog, uneditedPath, uneditedPath);
    CreateWith(dialog, uneditedPath, otherSpelling);
    Click(dialog, IDC_BROWSE_IPS_PATH);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_IPS_PATH)), otherSpelling) << "the refused choice is not taken";
    EXPECT_TRUE(IsWindowVisible(dialog));
  });
  ASSERT_EQ(recorder.messages.size(), 4u);
  EXPECT_EQ(recorder.messages[0].text, OntoImageMessage(editedPath));
  EXPECT_EQ(recorder.messages[1].text, OntoImageMessage(uneditedPath));
  EXPECT_EQ(recorder.messages[2].text, OntoImageMessage(otherSpelling));
  EXPECT_EQ(recorder.messages[3].text, OntoImageMessage(editedPath));
  for (const auto& message : recorder.messages) EXPECT_EQ(message.title, "Warning") << message.text;
  EXPECT_EQ(ReadFileBytes(editedPath), edited.bytes);
  EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes);
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_EQ(ipsFinished, 0) << "no worker ran";
}

}  // namespace
