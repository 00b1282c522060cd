#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "core/rom/apply_messages.h"
#include "core/text/psi_name_table.h"
#include "tests/win32/editor_fixture.h"
#include "win32/app/app_state.h"
#include "win32/editors/psi_name_editor_window.h"

namespace {

constexpr std::uint32_t kEntrySize = 25;
const std::string kFullName = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters, no terminator

std::uint32_t EntryOffset(int i) {
  return Headered(kPsiNameTableRomPosition) + kEntrySize * i;
}

FixtureImage PsiNameImage() {
  FixtureImage image = EarthBoundImage();
  for (int i = 0; i < 16; ++i) image.PutGameText(EntryOffset(i), "PSI " + std::to_string(i), kEntrySize);
  image.PutGameText(EntryOffset(1), kFullName, kEntrySize);
  // A stored 0x30 ends the name; the bytes after it stay while the name is not edited.
  image.Put(EntryOffset(2), {0x80, 0x81, 0x30, 0x82, 0x83});
  image.PutByte(EntryOffset(16), 0x77);  // just past the table
  return image;
}

HWND NameBox(HWND editor, int i) {
  HWND groupBox = FindChild(FindChild(editor, WC_TABCONTROLA), "Button", "Names:");
  return GetDlgItem(groupBox, kPsiNameBoxId + i);
}

class PsiNameEditorTest : public EditorTest {};

TEST_F(PsiNameEditorTest, ShowsTheSixteenNamesInTwoColumnsUnderOneHeader) {
  LoadImage(PsiNameImage());
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    HWND header = FindChild(editor, WC_HEADERA);
    ASSERT_TRUE(header);
    EXPECT_EQ(PlaceOf(header), (ControlPlace{105, 98, 399, 18}));
    RECT headerRect = {}, firstRow = {};
    GetWindowRect(header, &headerRect);
    GetWindowRect(NameBox(editor, 0), &firstRow);
    EXPECT_LT(headerRect.bottom, firstRow.top) << "the header stays clear of the first row";
    EXPECT_TRUE(GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS);
    ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 1);
    char text[32] = {};
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::string(text), "PSI Name");
    EXPECT_EQ(item.cxy, 200);
    EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_LEFT);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0)), normalFont);

    for (int i = 0; i < 16; ++i) {
      HWND box = NameBox(editor, i);
      ASSERT_TRUE(box) << i;
      const ControlPlace expected = {i < 8 ? 100 : 299, 45 + 19 * (i % 8), 200, 20};
      EXPECT_EQ(PlaceOf(box), expected) << i;
      const LONG style = GetWindowLongA(box, GWL_STYLE);
      EXPECT_EQ(style & (WS_TABSTOP | ES_AUTOHSCROLL), WS_TABSTOP | ES_AUTOHSCROLL) << i;
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), normalFont) << i;
    }
    EXPECT_EQ(WindowText(NameBox(editor, 0)), "PSI 0");
    EXPECT_EQ(WindowText(NameBox(editor, 1)), kFullName);
    EXPECT_EQ(WindowText(NameBox(editor, 2)), "PQ");
    EXPECT_EQ(WindowText(NameBox(editor, 15)), "PSI 15");
  }));
}

TEST_F(PsiNameEditorTest, ApplyWritesAllSixteenNamesAndTheyAreOnDiskAtOnce) {
  const std::string path = LoadImage(PsiNameImage());
  const std::string typed30 = "abcdefghijklmnopqrstuvwxyz0123";
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    TypeText(NameBox(editor, 0), typed30);
    TypeText(NameBox(editor, 3), "");
    TypeText(NameBox(editor, 15), "Omega");
    ClickApply(editor);
    // Read back from the file while the ROM is still open.
    EXPECT_EQ(FileBytes(path, EntryOffset(0), kEntrySize), StoredText(typed30.substr(0, 24), kEntrySize));
    // Untouched names keep every byte: all 25 letters, and the bytes after a terminator.
    EXPECT_EQ(FileBytes(path, EntryOffset(1), kEntrySize), StoredText(kFullName, kEntrySize));
    EXPECT_EQ(FileBytes(path, EntryOffset(2), 6), (std::vector<std::uint8_t>{0x80, 0x81, 0x30, 0x82, 0x83, 0x00}));
    EXPECT_EQ(FileBytes(path, EntryOffset(3), kEntrySize), std::vector<std::uint8_t>(kEntrySize, 0));
    EXPECT_EQ(FileBytes(path, EntryOffset(4), kEntrySize), StoredText("PSI 4", kEntrySize));
    EXPECT_EQ(FileBytes(path, EntryOffset(15), kEntrySize), StoredText("Omega", kEntrySize));
    EXPECT_EQ(FileBytes(path, EntryOffset(16), 1), std::vector<std::uint8_t>{0x77});
    // The boxes show what memory now holds.
    EXPECT_EQ(WindowText(NameBox(editor, 0)), typed30.substr(0, 24));
    EXPECT_EQ(WindowText(NameBox(editor, 1)), kFullName);
  }));
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PsiNameEditorTest, AWriteThatFailsIsReported) {
  const std::string path = LoadImage(PsiNameImage());
  std::FILE* writable = romSession.romFile;
  // A stream open for reading only refuses every write, as a full or locked file would.
  romSession.romFile = std::fopen(path.c_str(), "rb");
  ASSERT_TRUE(romSession.romFile);
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    TypeText(NameBox(editor, 0), "Lost");
    ClickApply(editor);
  }));
  std::fclose(romSession.romFile);
  romSession.romFile = writable;
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, kChangesNotWritten);
  EXPECT_EQ(recorder.messages[0].title, "Warning");
  EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(FileBytes(path, EntryOffset(0), kEntrySize), StoredText("PSI 0", kEntrySize));
}

}  // namespace
