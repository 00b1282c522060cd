#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "core/text/teleport_table.h"
#include "tests/win32/editor_fixture.h"
#include "win32/app/app_state.h"
#include "win32/editors/editor_frame.h"
#include "win32/editors/teleport_editor_window.h"

namespace {

std::uint32_t EntryOffset(int i) {
  return Headered(kTeleportTableRomPosition) + kTeleportEntrySize * i;
}

FixtureImage TeleportImage() {
  FixtureImage image = EarthBoundImage();
  for (int i = 0; i < 16; ++i) {
    image.PutGameText(EntryOffset(i), "Place " + std::to_string(i), 25);
    image.Put(EntryOffset(i) + 25, {0xAB, static_cast<std::uint8_t>(0xC0 + i)});
    image.PutValue(EntryOffset(i) + kTeleportXField, 100 + i, 2);
    image.PutValue(EntryOffset(i) + kTeleportYField, 200 + i, 2);
  }
  image.PutValue(EntryOffset(5) + kTeleportXField, 65535, 2);
  return image;
}

HWND Box(HWND editor, int firstId, int row) {
  return GetDlgItem(editor, firstId + row);
}

std::vector<std::uint8_t> Coordinate(unsigned value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

class TeleportEditorTest : public EditorTest {};

TEST_F(TeleportEditorTest, ShowsSixteenRowsUnderAHeaderThatCannotBeDragged) {
  LoadImage(TeleportImage());
  ASSERT_TRUE(OpenFromTree(treeItems.teleport, [&](HWND editor) {
    HWND header = FindChild(editor, WC_HEADERA);
    ASSERT_TRUE(header);
    EXPECT_EQ(PlaceOf(header), (ControlPlace{55, 95, 326, 18}));
    EXPECT_EQ(FontOf(header), normalFont);
    const std::pair<const char*, int> columns[] = {{"Title", 176}, {"X", 75}, {"Y", 75}};
    ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
      char text[16] = {};
      HDITEMA item = {};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
      EXPECT_EQ(std::string(text), columns[i].first);
      EXPECT_EQ(item.cxy, columns[i].second);
    }
    NMHEADERA track = {};
    track.hdr.hwndFrom = header;
    track.hdr.code = HDN_BEGINTRACKA;
    EXPECT_EQ(SendMessageA(editor, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&track)), TRUE);

    for (int row = 0; row < 16; ++row) {
      const int y = 112 + 19 * row;
      EXPECT_EQ(PlaceOf(Box(editor, kTeleportNameBoxId, row)), (ControlPlace{55, y, 176, 20})) << row;
      EXPECT_EQ(PlaceOf(Box(editor, kTeleportXBoxId, row)), (ControlPlace{230, y, 76, 20})) << row;
      EXPECT_EQ(PlaceOf(Box(editor, kTeleportYBoxId, row)), (ControlPlace{305, y, 76, 20})) << row;
      EXPECT_EQ(WindowText(Box(editor, kTeleportNameBoxId, row)), "Place " + std::to_string(row));
      EXPECT_EQ(WindowText(Box(editor, kTeleportYBoxId, row)), std::to_string(200 + row));
      for (int firstId : {kTeleportNameBoxId, kTeleportXBoxId, kTeleportYBoxId}) {
        EXPECT_EQ(FontOf(Box(editor, firstId, row)), normalFont) << row;
      }
    }
    EXPECT_EQ(WindowText(Box(editor, kTeleportXBoxId, 0)), "100");
    EXPECT_EQ(WindowText(Box(editor, kTeleportXBoxId, 5)), "65535");
    // Tab order runs across each row, then down.
    EXPECT_EQ(GetWindow(Box(editor, kTeleportNameBoxId, 0), GW_HWNDNEXT), Box(editor, kTeleportXBoxId, 0));
    EXPECT_EQ(GetWindow(Box(editor, kTeleportYBoxId, 0), GW_HWNDNEXT), Box(editor, kTeleportNameBoxId, 1));
  }));
}

TEST_F(TeleportEditorTest, ApplyWritesNamesAndCoordinatesAndLeavesBytes25And26) {
  const std::string path = LoadImage(TeleportImage());
  struct Row {
    int row;
    std::string name, x, y;
    std::string storedName;
    unsigned storedX, storedY;
    std::string shownX, shownY;
  };
  const Row rows[] = {
      {0, "abcdefghijklmnopqrstuvwxyz0123", "65535", "0", "abcdefghijklmnopqrstuvwx", 0xFFFF, 0, "65535", "0"},
      {1, "", "12.9", "", "", 12, 0, "12", "0"},
      {2, "Home", "65535.5", "1e3", "Home", 0xFFFF, 1000, "65535", "1000"},
      {3, "Far", "-0.5", "  42", "Far", 0, 42, "0", "42"},
  };
  ASSERT_TRUE(OpenFromTree(treeItems.teleport, [&](HWND editor) {
    for (const Row& r : rows) {
      TypeText(Box(editor, kTeleportNameBoxId, r.row), r.name);
      TypeText(Box(editor, kTeleportXBoxId, r.row), r.x);
      TypeText(Box(editor, kTeleportYBoxId, r.row), r.y);
    }
    ClickApply(editor);
    for (const Row& r : rows) {
      SCOPED_TRACE(r.row);
      EXPECT_EQ(FileBytes(path, EntryOffset(r.row), 25), StoredText(r.storedName, 25));
      EXPECT_EQ(FileBytes(path, EntryOffset(r.row) + kTeleportXField, 2), Coordinate(r.storedX));
      EXPECT_EQ(FileBytes(path, EntryOffset(r.row) + kTeleportYField, 2), Coordinate(r.storedY));
      EXPECT_EQ(WindowText(Box(editor, kTeleportNameBoxId, r.row)), r.storedName);
      EXPECT_EQ(WindowText(Box(editor, kTeleportXBoxId, r.row)), r.shownX);
      EXPECT_EQ(WindowText(Box(editor, kTeleportYBoxId, r.row)), r.shownY);
    }
    EXPECT_EQ(FileBytes(path, EntryOffset(9), 25), StoredText("Place 9", 25));
    EXPECT_EQ(FileBytes(path, EntryOffset(9) + kTeleportXField, 2), Coordinate(109));
  }));
  for (int i = 0; i < 16; ++i) {
    const std::vector<std::uint8_t> untouched = {0xAB, static_cast<std::uint8_t>(0xC0 + i)};
    EXPECT_EQ(FileBytes(path, EntryOffset(i) + 25, 2), untouched) << i;
  }
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(TeleportEditorTest, CoordinatesOutsideTheirFieldAreRefusedByNameAndNothingIsWritten) {
  const std::string path = LoadImage(TeleportImage());
  const std::vector<std::uint8_t> before = ReadFileBytes(path);
  ASSERT_TRUE(OpenFromTree(treeItems.teleport, [&](HWND editor) {
    TypeText(Box(editor, kTeleportXBoxId, 2), "70000");
    ClickApply(editor);
    TypeText(Box(editor, kTeleportXBoxId, 2), "1");
    TypeText(Box(editor, kTeleportYBoxId, 0), "-2");
    ClickApply(editor);
    SendMessageA(editor, WM_CLOSE, 0, 0);
  }));
  ASSERT_GE(recorder.messages.size(), 2u);
  EXPECT_EQ(recorder.messages[0].text, "Teleport 3 X: 70000 is more than 65535, the largest Teleport 3 X.");
  EXPECT_EQ(recorder.messages[1].text, "Teleport 1 Y: -2 is less than 0, the smallest Teleport 1 Y.");
  EXPECT_TRUE(ReadFileBytes(path) == before);
}

TEST_F(TeleportEditorTest, ApplyAsksOnlyWhenTheRowPastTheGameTableChanged) {
  // Every case renames row 3; some also change the last row's X.
  struct Case {
    const char* what;
    bool lastRowChanged;
    std::deque<MessageAnswer> answers;
    bool written;
  };
  const Case cases[] = {
      {"last row untouched", false, {}, true},
      {"last row changed, No", true, {MessageAnswer::No}, false},
      {"last row changed, Yes", true, {MessageAnswer::Yes}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureImage image = TeleportImage();
    image.PutByte(EntryOffset(15) + 20, 0x99);  // the data there: a byte after the name's end
    const std::string path = LoadImage(image);
    const std::vector<std::uint8_t> before = FileBytes(path, EntryOffset(0), 16 * kTeleportEntrySize);
    recorder.messageAnswers = c.answers;
    ASSERT_TRUE(OpenFromTree(treeItems.teleport, [&](HWND editor) {
      TypeText(Box(editor, kTeleportNameBoxId, 3), "Moved");
      if (c.lastRowChanged) TypeText(Box(editor, kTeleportXBoxId, 15), "77");
      ClickApply(editor);
      EXPECT_EQ(WindowText(Box(editor, kTeleportNameBoxId, 3)), "Moved") << "typed text stays after No";
      EXPECT_EQ(WindowText(ControlById(editor, kWrittenLineId)).empty(), !c.written) << "the written line";
    }));
    std::vector<std::uint8_t> expected = before;
    if (c.written) {
      const std::vector<std::uint8_t> moved = StoredText("Moved", 25);
      std::copy(moved.begin(), moved.end(), expected.begin() + 3 * kTeleportEntrySize);
    }
    if (c.written && c.lastRowChanged) {
      // Its untouched name keeps the byte after its end.
      expected[15 * kTeleportEntrySize + kTeleportXField] = 77;
      expected[15 * kTeleportEntrySize + kTeleportXField + 1] = 0;
    }
    EXPECT_EQ(FileBytes(path, EntryOffset(0), 16 * kTeleportEntrySize), expected);
    // After No the typing is still unapplied, so closing asks about it.
    ASSERT_EQ(recorder.messages.size(), (c.lastRowChanged ? 1u : 0u) + (c.written ? 0u : 1u));
    if (!c.written) {
      EXPECT_EQ(recorder.messages[1].text.rfind("Apply your changes to ", 0), 0u);
    }
    if (!c.lastRowChanged) continue;
    EXPECT_EQ(recorder.messages[0].text,
              "The last teleport row lies past the end of the game's teleport table. Write it anyway?");
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::OverwriteQuestion);
  }
}

}  // namespace
