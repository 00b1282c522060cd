#include <gtest/gtest.h>

#include <filesystem>

#include "core/patch/apply_patch.h"
#include "core/patch/write_bps_patch.h"
#include "tests/support/fixture_image.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"
#include "tests/win32/text_fit.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/main_commands.h"
#include "win32/ips/ips_worker.h"
#include "win32/resources/resource.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// File > Apply Patch..., answering Yes when the Changes window asks to save the result.
void SendApplyPatchAndSave() {
  DriveModalDialogTitled("Changes", [] { SendCommand(kCmdApplyPatch); }, [](HWND window) { Click(window, IDYES); });
}

// The loaded image is an edited copy of the unedited one: a changed byte, a fill and a
// grown tail.
class PatchDialogsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    unedited.SetKind(RomKind::EarthBoundRom).PutByte(0x300000, 0x77);
    edited = unedited;
    edited.PutByte(0x200, 0x5A).Put(0x100000, Bytes(2000, 0xFF));
    edited.bytes.resize(edited.bytes.size() + 0x8000, 0xEE);
    edited.WriteTo(editedPath);
    unedited.WriteTo(uneditedPath);
    LoadRomFromPath(editedPath);
    ASSERT_TRUE(romSession.romLoaded);
    recorder.sounds.clear();
  }

  void WriteBpsPatchFile() const {
    const Bytes patch = WriteBpsPatch(ByteSpan(edited.bytes).From(kCopierHeaderSize),
                                      ByteSpan(unedited.bytes).From(kCopierHeaderSize));
    WriteFileBytes(patchPath, patch);
  }

  FixtureImage unedited;
  FixtureImage edited;
  const std::string editedPath = TempPath("edited.smc");
  const std::string uneditedPath = TempPath("unedited.smc");
  const std::string patchPath = TempPath("edit.bps");
  const std::string resultPath = TempPath("result.smc");
};

TEST_F(PatchDialogsTest, MakeBpsIsCreateIpsMakingABpsPatchOfTheLoadedImage) {
  struct Shown {
    std::string title;
    std::string label;
    std::string button;
    std::vector<std::string> cutTexts;
  } bps, ips;
  const auto show = [](HWND dialog) {
    return Shown{WindowText(dialog), WindowText(GetDlgItem(dialog, IDC_PATCH_PATH_LABEL)),
                 WindowText(GetDlgItem(dialog, IDC_CREATE_IPS)), TextsThatDoNotFit(dialog)};
  };
  recorder.fileAnswers = {patchPath};
  ASSERT_TRUE(DriveModalDialog([] { SendCommand(kCmdMakeBps); },
                               [&](HWND dialog) {
                                 bps = show(dialog);
                                 Click(dialog, IDC_BROWSE_IPS_PATH);
                                 SetDlgItemTextA(dialog, IDC_UNEDITED_ROM_PATH, uneditedPath.c_str());
                                 Click(dialog, IDC_CREATE_IPS);
                               }));
  EXPECT_EQ(bps.title, "Create BPS");
  EXPECT_EQ(bps.label, "BPS file to save to:");
  EXPECT_EQ(bps.button, "Create BPS");
  EXPECT_EQ(bps.cutTexts, std::vector<std::string>{});
  ASSERT_EQ(recorder.fileChoices.size(), 1u);
  EXPECT_EQ(recorder.fileChoices[0].dialog, FileDialog::Bps);
  EXPECT_EQ(recorder.fileChoices[0].mode, FileDialogMode::Save);
  const Bytes patch = ReadFileBytes(patchPath);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text,
            "The BPS patch was saved as " + patchPath + " (" + std::to_string(patch.size()) + " bytes).");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::IpsWritten});
  EXPECT_EQ(ipsFinished, 0) << "the progress window consumed the flag";

  ASSERT_GE(patch.size(), 4u);
  EXPECT_EQ(std::string(patch.begin(), patch.begin() + 4), "BPS1");
  const AppliedPatch applied = ApplyPatch(patch, unedited.bytes, kCopierHeaderSize);
  ASSERT_TRUE(applied.applied) << applied.message;
  EXPECT_TRUE(applied.image == edited.bytes);

  ASSERT_TRUE(DriveModalDialog([] { SendCommand(kCmdMakeIps); }, [&](HWND dialog) { ips = show(dialog); }));
  EXPECT_EQ(ips.title, "Create IPS") << "Make IPS is itself again";
  EXPECT_EQ(ips.label, "IPS file to save to:");
  EXPECT_EQ(ips.button, "Create IPS");
  EXPECT_EQ(ips.cutTexts, std::vector<std::string>{});
}

TEST_F(PatchDialogsTest, ApplyPatchAsksForPatchImageAndResultAndMayReplaceTheImage) {
  WriteBpsPatchFile();
  recorder.fileAnswers = {patchPath, uneditedPath, uneditedPath};
  SendApplyPatchAndSave();

  ASSERT_EQ(recorder.fileChoices.size(), 3u);
  const FileDialog dialogs[] = {FileDialog::Patch, FileDialog::Rom, FileDialog::Rom};
  const FileDialogMode modes[] = {FileDialogMode::Open, FileDialogMode::Open, FileDialogMode::Save};
  const char* titles[] = {"Choose the patch", "Choose the unedited image", "Save the patched image as"};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(recorder.fileChoices[i].dialog, dialogs[i]) << i;
    EXPECT_EQ(recorder.fileChoices[i].mode, modes[i]) << i;
    EXPECT_EQ(recorder.fileChoices[i].title, titles[i]) << i;
  }
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, "The patched image was saved as " + uneditedPath + " (" +
                                           std::to_string(edited.bytes.size()) + " bytes).");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::IpsWritten});
  EXPECT_TRUE(ReadFileBytes(uneditedPath) == edited.bytes) << "the image is replaced by the result";
  EXPECT_EQ(ipsFinished, 0);
  EXPECT_TRUE(romSession.romLoaded) << "the loaded image stays loaded";
}

TEST_F(PatchDialogsTest, RefusedOrCancelledApplyShowsWhyAndWritesNothing) {
  WriteBpsPatchFile();
  const struct {
    const char* name;
    std::deque<std::string> answers;
    std::size_t dialogs;
    std::string message;
  } cases[] = {
      // A patch that cannot apply ends the flow before the save dialog.
      {"a patch for another image", {patchPath, editedPath, resultPath}, 2, "This patch was made for another image."},
      {"not a patch", {uneditedPath, uneditedPath, resultPath}, 2, "This file is not an IPS or BPS patch."},
      // The save dialog opens again, and is cancelled there.
      {"the result over the loaded image", {patchPath, uneditedPath, editedPath, ""}, 4,
       editedPath + " is a ROM image Quillon is reading; writing to it would destroy it."},
      {"cancelled at the result", {patchPath, uneditedPath, ""}, 3, ""},
  };
  for (const auto& c : cases) {
    recorder.messages.clear();
    recorder.fileChoices.clear();
    recorder.fileAnswers = c.answers;
    SendApplyPatchAndSave();
    EXPECT_EQ(recorder.fileChoices.size(), c.dialogs) << c.name;
    if (c.message.empty()) {
      EXPECT_TRUE(recorder.messages.empty()) << c.name;
    } else {
      ASSERT_EQ(recorder.messages.size(), 1u) << c.name;
      EXPECT_EQ(recorder.messages[0].text.rfind(c.message, 0), 0u) << recorder.messages[0].text;
      EXPECT_EQ(recorder.messages[0].title, "Warning") << c.name;
      EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(resultPath)) << c.name;
  }
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_EQ(ReadFileBytes(editedPath), edited.bytes) << "the loaded image is untouched";
  EXPECT_EQ(ReadFileBytes(uneditedPath), unedited.bytes);
}

TEST_F(PatchDialogsTest, AnIpsPatchIsAppliedOnlyOnceTheUserSaysYes) {
  const std::string ipsPatch = TempPath("edit.ips");
  WriteFileBytes(ipsPatch, Bytes{'P', 'A', 'T', 'C', 'H', 0x00, 0x02, 0x00, 0x00, 0x01, 0x5A, 'E', 'O', 'F'});
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    recorder.messages.clear();
    recorder.fileChoices.clear();
    recorder.messageAnswers = {answer};
    recorder.fileAnswers = {ipsPatch, uneditedPath, resultPath};
    SendApplyPatchAndSave();
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages[0].text,
              "An IPS patch carries no check of the image it was made for. Apply it anyway?");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::YesNoQuestion);
    if (answer == MessageAnswer::No) {
      EXPECT_EQ(recorder.fileChoices.size(), 1u) << "No ends the flow";
      EXPECT_FALSE(std::filesystem::exists(resultPath));
    } else {
      EXPECT_EQ(recorder.fileChoices.size(), 3u);
      Bytes expected = unedited.bytes;
      expected[0x200] = 0x5A;
      EXPECT_TRUE(ReadFileBytes(resultPath) == expected);
    }
  }
}

}  // namespace
