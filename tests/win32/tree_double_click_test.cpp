#include <gtest/gtest.h>

#include <cstring>

#include "tests/win32/shell_fixture.h"
#include "win32/app/about_dialog.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/editor_frame.h"

namespace {

class TreeDoubleClick : public ShellTest {
 protected:
  // Double-clicks the middle of the item's text as the loop receives it; returns the
  // modal windows that opened.
  std::vector<SeenModalWindow> DoubleClick(HTREEITEM item) {
    SendMessageA(treeView, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT rect = {};
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    std::memcpy(&rect, &item, sizeof item);
    EXPECT_TRUE(SendMessageA(treeView, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return WatchModalWindows([point] {
      PostMessageA(treeView, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
      PumpMessages();
    });
  }

  void LoadRom() {
    recentRoms[0] = WriteFixtureRom("tree.smc", RomKind::EarthBoundRom);
    SendCommand(kCmdRecentRom0);
    ASSERT_TRUE(romSession.romLoaded);
  }
};

struct EditorCase {
  HTREEITEM MainTreeItems::*item;
  const wchar_t* title;
  const char* name;
};

const EditorCase kEditors[] = {
    {&MainTreeItems::enemies, L"Enemy Editing", "Enemies"},
    {&MainTreeItems::items, L"Item Editing", "Items"},
    {&MainTreeItems::names, L"PSI Name Editing", "Names"},
    {&MainTreeItems::teleport, L"Teleport Editing", "Teleport"},
    {&MainTreeItems::text, L"Misc. Text Editing", "Text"},
};

TEST_F(TreeDoubleClick, EditorsWithoutRomSayToLoadOne) {
  for (const EditorCase& e : kEditors) {
    recorder.messages.clear();
    EXPECT_TRUE(DoubleClick(treeItems.*e.item).empty()) << e.name;
    ASSERT_EQ(recorder.messages.size(), 1u) << e.name;
    EXPECT_EQ(recorder.messages[0].text, "Load a ROM image first (File > Load ROM).") << e.name;
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);
  }
}

TEST_F(TreeDoubleClick, EditorsOpenTheirWindowsWithARom) {
  LoadRom();
  for (const EditorCase& e : kEditors) {
    const auto opened = DoubleClick(treeItems.*e.item);
    ASSERT_EQ(opened.size(), 1u) << e.name;
    EXPECT_EQ(opened[0].procedure, EditorWindowProc) << e.name;
    EXPECT_EQ(opened[0].title, e.title) << e.name;
  }
}

TEST_F(TreeDoubleClick, RootAndPsiOpenNothingAndPsiToggles) {
  LoadRom();
  EXPECT_TRUE(DoubleClick(treeItems.root).empty());
  SendMessageA(treeView, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(treeItems.psi));
  EXPECT_TRUE(DoubleClick(treeItems.psi).empty());
  const auto state = SendMessageA(treeView, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(treeItems.psi), TVIS_EXPANDED);
  EXPECT_TRUE(state & TVIS_EXPANDED);
}

TEST_F(TreeDoubleClick, AboutOpensTheAboutBoxWithOrWithoutRom) {
  auto opened = DoubleClick(treeItems.about);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].procedure, AboutDialogProc);
  LoadRom();
  opened = DoubleClick(treeItems.about);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].procedure, AboutDialogProc);
}

TEST_F(TreeDoubleClick, HelpOpensTheHelpFile) {
  EXPECT_TRUE(DoubleClick(treeItems.help).empty());
  EXPECT_EQ(recorder.helpOpened, 1);
}

// Enter and the context-menu key on the selected item, as the loop receives them.
std::vector<SeenModalWindow> PressOn(HTREEITEM item, WPARAM key) {
  SelectTreeItem(item);
  SetFocus(treeView);
  return WatchModalWindows([key] {
    PostMessageA(treeView, WM_KEYDOWN, key, 1);
    PumpMessages();
  });
}

TEST_F(TreeDoubleClick, EnterAndTheContextMenuKeyOpenWhatADoubleClickOpens) {
  LoadRom();
  for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_APPS}}) {
    for (const EditorCase& e : kEditors) {
      const auto opened = PressOn(treeItems.*e.item, key);
      ASSERT_EQ(opened.size(), 1u) << e.name << " key " << key;
      EXPECT_EQ(opened[0].title, e.title) << e.name << " key " << key;
    }
    const auto about = PressOn(treeItems.about, key);
    ASSERT_EQ(about.size(), 1u) << key;
    EXPECT_EQ(about[0].procedure, AboutDialogProc) << key;
    EXPECT_TRUE(PressOn(treeItems.root, key).empty()) << key;
    const int helpBefore = recorder.helpOpened;
    EXPECT_TRUE(PressOn(treeItems.help, key).empty()) << key;
    EXPECT_EQ(recorder.helpOpened, helpBefore + 1) << key;
  }
  EXPECT_TRUE(PressOn(treeItems.enemies, VK_SPACE).empty()) << "other keys open nothing";
}

}  // namespace
