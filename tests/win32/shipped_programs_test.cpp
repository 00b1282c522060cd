#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "quillon_version.h"
#include "win32/app/program_directory.h"

// The two programs of the download, read as files beside this test program, and the common
// controls this process runs with: it carries the editor's resource script, manifest included.
namespace {

struct VersionResource {
  DWORD fileVersionMs = 0;
  DWORD productVersionMs = 0;
  std::string fileVersion;
  std::string productVersion;
  std::string productName;
  std::string description;
  std::string originalName;
};

std::string VersionText(const std::vector<char>& block, const char* name) {
  char* text = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || !text) return "";
  return text;
}

bool ReadVersionResource(const std::string& path, VersionResource& read) {
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return false;
  read.fileVersionMs = fixed->dwFileVersionMS;
  read.productVersionMs = fixed->dwProductVersionMS;
  read.fileVersion = VersionText(block, "FileVersion");
  read.productVersion = VersionText(block, "ProductVersion");
  read.productName = VersionText(block, "ProductName");
  read.description = VersionText(block, "FileDescription");
  read.originalName = VersionText(block, "OriginalFilename");
  return true;
}

TEST(ShippedPrograms, EachCarriesTheVersionAndItsNameForExplorer) {
  const DWORD version = MAKELONG(QUILLON_VERSION_MINOR, QUILLON_VERSION_MAJOR);
  for (const char* program : {"quillon.exe", "quillon-cli.exe"}) {
    SCOPED_TRACE(program);
    VersionResource read;
    ASSERT_TRUE(ReadVersionResource(ProgramDirectory() + program, read));
    EXPECT_EQ(read.fileVersionMs, version);
    EXPECT_EQ(read.productVersionMs, version);
    EXPECT_EQ(read.fileVersion, QUILLON_VERSION);
    EXPECT_EQ(read.productVersion, QUILLON_VERSION);
    EXPECT_EQ(read.productName, "Quillon");
    EXPECT_EQ(read.originalName, program);
    EXPECT_NE(read.description.find("Quillon"), std::string::npos) << read.description;
  }
}

std::string EditorManifest() {
  const std::string path = ProgramDirectory() + "quillon.exe";
  HMODULE editor = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!editor) return "";
  std::string text;
  if (HRSRC found = FindResourceA(editor, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(editor, found)));
    if (bytes) text.assign(bytes, SizeofResource(editor, found));
  }
  FreeLibrary(editor);
  return text;
}

TEST(ShippedPrograms, TheEditorsManifestAsksForCommonControlsSixAsInvokerOnCurrentWindows) {
  const std::string manifest = EditorManifest();
  ASSERT_FALSE(manifest.empty()) << "quillon.exe carries no manifest";
  for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                           "publicKeyToken=\"6595b64144ccf1df\"", "level=\"asInvoker\"",
                           // Windows 10 and 11, then Windows 7.
                           "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
                           "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
}

// Only the buttons of common controls 6 tell the size their text needs; the old ones of
// user32, which a program without the manifest gets, do not answer.
TEST(ShippedPrograms, TheWindowsRunOnCommonControlsSix) {
  HWND button = CreateWindowExA(0, "Button", "Apply Changes", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
  ASSERT_NE(button, nullptr);
  SIZE ideal = {};
  const LRESULT answered = SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
  DestroyWindow(button);
  EXPECT_TRUE(answered);
  EXPECT_GT(ideal.cx, 10);
}

}  // namespace
