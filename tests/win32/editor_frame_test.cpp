#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/editors/editor_frame.h"
#include "win32/resources/resource.h"
#include "tests/win32/editor_fixture.h"

namespace {

struct EditorCase {
  const char* name;
  HTREEITEM* item;
  const char* title;
  int icon;
  HMENU* menu;
  const char* tab;
  int tabImage;
  const char* groupBox;
};

const EditorCase kTextEditors[] = {
    {"PSI names", &treeItems.names, "PSI Name Editing", 8, &psiEditorMenu, "Names", 8, "Names:"},
    {"teleports", &treeItems.teleport, "Teleport Editing", 10, &textEditorMenu, "Teleport", 9, "Teleports:"},
    {"misc. text", &treeItems.text, "Misc. Text Editing", 13, &textEditorMenu, "Misc. Text", 11, "Misc. Text:"},
};

struct ToolButtonSeen {
  int command;
  int image;
  bool separator;
  bool operator==(const ToolButtonSeen& other) const {
    return command == other.command && image == other.image && separator == other.separator;
  }
};

std::vector<ToolButtonSeen> ToolButtons(HWND toolBar) {
  std::vector<ToolButtonSeen> buttons;
  const int count = static_cast<int>(SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageA(toolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    const bool separator = (button.fsStyle & TBSTYLE_SEP) != 0;
    buttons.push_back({separator ? 0 : button.idCommand, separator ? 0 : button.iBitmap, separator});
  }
  return buttons;
}

std::string ToolTipOf(HWND editor, HWND toolBar, int command, LRESULT* answer = nullptr) {
  NMTTDISPINFOA request = {};
  request.hdr.hwndFrom = toolBar;
  request.hdr.idFrom = command;
  request.hdr.code = TTN_GETDISPINFOA;
  const LRESULT result = SendMessageA(editor, WM_NOTIFY, command, reinterpret_cast<LPARAM>(&request));
  if (answer) *answer = result;
  EXPECT_EQ(request.hinst, programInstance);
  return request.lpszText ? request.lpszText : "";
}

std::string TabText(HWND tabControl, int index, int* image) {
  char text[64] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(tabControl, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  *image = item.iImage;
  return text;
}

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}

ControlPlace ExpectedWindowPlace(int width) {
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  const int menu = GetSystemMetrics(SM_CYMENU);
  return {GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2,
          GetSystemMetrics(SM_CYFULLSCREEN) / 2 - (caption + menu / 2 + 225), width, caption + menu + 450};
}

ControlPlace WindowPlace(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

class EditorFrameTest : public EditorTest {};

TEST_F(EditorFrameTest, EachTextEditorOpensOnTheFrameFromTheTree) {
  LoadImage(EarthBoundImage());
  for (const EditorCase& c : kTextEditors) {
    SCOPED_TRACE(c.name);
    const bool opened = OpenFromTree(*c.item, [&](HWND editor) {
      EXPECT_EQ(WindowText(editor), c.title);
      EXPECT_EQ(WindowPlace(editor), ExpectedWindowPlace(590));
      EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(editor, WM_GETICON, ICON_SMALL, 0)), programIcons[c.icon]);
      EXPECT_EQ(GetMenu(editor), *c.menu);

      HWND toolBar = FindChild(editor, TOOLBARCLASSNAMEA);
      ASSERT_TRUE(toolBar);
      EXPECT_EQ(WindowText(toolBar), "Tools");
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(toolBar, GWL_STYLE)), 0x50000101u);
      const std::vector<ToolButtonSeen> textButtons = {
          {kCmdEditorCloseRom, 1, false}, {0, 0, true}, {kCmdEditorHelp, 4, false}};
      EXPECT_EQ(ToolButtons(toolBar), textButtons);
      LRESULT answer = 0;
      EXPECT_EQ(ToolTipOf(editor, toolBar, kCmdEditorCloseRom, &answer), "Close ROM");
      EXPECT_EQ(answer, 1);
      EXPECT_EQ(ToolTipOf(editor, toolBar, kCmdEditorHelp), "Help");
      EXPECT_EQ(ToolTipOf(editor, toolBar, kCmdFind), "");

      HWND separator = FindChild(editor, "Static", "");
      EXPECT_EQ(PlaceOf(separator), (ControlPlace{-5, 33, 640, 2}));
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(separator, GWL_STYLE)), 0x50000012u);

      HWND tabs = FindChild(editor, WC_TABCONTROLA);
      ASSERT_TRUE(tabs);
      EXPECT_EQ(WindowText(tabs), "Tabs");
      EXPECT_EQ(PlaceOf(tabs), (ControlPlace{0, 40, 585, 405}));
      EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(tabs, TCM_GETIMAGELIST, 0, 0)), treeImageList);
      EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
      int image = -1;
      EXPECT_EQ(TabText(tabs, 0, &image), c.tab);
      EXPECT_EQ(image, c.tabImage);

      HWND groupBox = FindChild(tabs, "Button", c.groupBox);
      ASSERT_TRUE(groupBox);
      EXPECT_EQ(PlaceOf(groupBox), (ControlPlace{5, 32, 575, 370}));
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(groupBox, GWL_STYLE)), 0x50000007u);

      HWND apply = FindChild(editor, "Button", "Apply Changes");
      ASSERT_TRUE(apply);
      EXPECT_EQ(PlaceOf(apply), (ControlPlace{465, 385, 100, 30}));
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(apply, GWL_STYLE)), 0x50000000u);
      for (HWND control : {apply, tabs, groupBox}) EXPECT_EQ(FontOf(control), normalFont);
    });
    EXPECT_TRUE(opened);
  }
}

TEST_F(EditorFrameTest, HelpOpensTheHelpFileAndTheCloseBoxKeepsTheRom) {
  LoadImage(EarthBoundImage());
  ASSERT_TRUE(OpenFromTree(treeItems.names, [&](HWND editor) {
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kCmdEditorHelp, 0), 0);
    EXPECT_EQ(recorder.helpOpened, 1);
    SendMessageA(editor, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(GetMenu(editor), nullptr);
  }));
  EXPECT_TRUE(romSession.romLoaded);
  EXPECT_TRUE(recorder.sounds.empty());
  EXPECT_TRUE(IsMenu(psiEditorMenu));
}

TEST_F(EditorFrameTest, CloseRomFromAnEditorClosesItPlaysTheSoundAndRefreshesTheStatusLine) {
  for (const EditorCase& c : kTextEditors) {
    SCOPED_TRACE(c.name);
    LoadImage(EarthBoundImage());
    SelectTreeItem(treeItems.root);
    ASSERT_NE(StatusLine().find("EarthBound ROM"), std::string::npos);
    HMENU menuSeen = nullptr;
    ASSERT_TRUE(OpenFromTree(*c.item, [&](HWND editor) {
      menuSeen = GetMenu(editor);
      SendMessageA(editor, WM_COMMAND, MAKEWPARAM(kCmdEditorCloseRom, 0), 0);
      EXPECT_FALSE(IsWindowVisible(editor));
      EXPECT_EQ(GetMenu(editor), nullptr);
      EXPECT_EQ(StatusLine(), "Quillon! - No ROM loaded - 0 bytes");
    }));
    EXPECT_EQ(recorder.sounds, std::vector<SoundId>{SoundId::RomClosed});
    EXPECT_FALSE(romSession.romLoaded);
    EXPECT_EQ(romSession.romFile, nullptr);
    EXPECT_EQ(romSession.romKind, RomKind::NoRom);
    EXPECT_EQ(romSession.romSize, 0);
    EXPECT_EQ(StatusLine(), "Quillon! - No ROM loaded - 0 bytes");
    EXPECT_TRUE(IsMenu(menuSeen));
    // With the ROM closed the same double-click opens nothing.
    EXPECT_FALSE(OpenFromTree(*c.item, [](HWND) {}));
  }
}

TEST_F(EditorFrameTest, ASecondOpeningShowsTheSameMenuBar) {
  LoadImage(EarthBoundImage());
  for (const EditorCase& c : kTextEditors) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> menuTexts[2];
    for (int opening = 0; opening < 2; ++opening) {
      ASSERT_TRUE(OpenFromTree(*c.item, [&](HWND editor) {
        HMENU menu = GetMenu(editor);
        EXPECT_EQ(menu, *c.menu);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
          char text[32] = {};
          GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
          menuTexts[opening].push_back(text);
        }
        HMENU fileMenuOfBar = GetSubMenu(menu, 0);
        EXPECT_EQ(fileMenuOfBar, editorFileMenu);
      }));
    }
    EXPECT_EQ(menuTexts[0], (std::vector<std::string>{"&File", "&Help"}));
    EXPECT_EQ(menuTexts[1], menuTexts[0]);
  }
}

// The enemy and item editors use the list tool bar; a bare editor on the same template
// shows it, as the frame builds it for them.
INT_PTR CALLBACK ListFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static EditorFrame frame;
  if (message == WM_INITDIALOG) {
    frame = BuildEditorFrame(window, *reinterpret_cast<const EditorFrameLayout*>(lParam));
    AddEditorGroupBox(frame);
    FinishEditorFrame(frame);
    return TRUE;
  }
  INT_PTR result;
  return HandleEditorFrameMessage(frame, message, wParam, lParam, result) ? result : FALSE;
}

TEST_F(EditorFrameTest, TheListToolBarAndItsToolTips) {
  HMENU ownMenu = CreateMenu();
  const EditorFrameLayout layout = {"Enemy Editing",
                                    2,
                                    ownMenu,
                                    620,
                                    EditorToolBar::ListEditor,
                                    {"Find Enemy Name", "List By Game Order"},
                                    {{"Stats", 2}, {"Actions", 3}, {"Gfx / Sound", 17}},
                                    "Enemy Stats:"};
  HWND editor = CreateDialogParamA(programInstance, MAKEINTRESOURCEA(IDD_EDITOR_HOST), mainWindow, ListFrameProc,
                                   reinterpret_cast<LPARAM>(&layout));
  ASSERT_TRUE(editor);
  EXPECT_EQ(WindowPlace(editor), ExpectedWindowPlace(620));
  HWND toolBar = FindChild(editor, TOOLBARCLASSNAMEA);
  const std::vector<ToolButtonSeen> listButtons = {
      {kCmdEditorCloseRom, 1, false},      {kCmdFind, 2, false},       {0, 0, true},
      {kCmdListByOriginalOrder, 6, false}, {kCmdListByName, 5, false}, {kCmdListByGameOrderOrType, 7, false},
      {0, 0, true},                        {kCmdEditorHelp, 4, false}};
  EXPECT_EQ(ToolButtons(toolBar), listButtons);
  const std::pair<int, const char*> tips[] = {{kCmdEditorCloseRom, "Close ROM"},
                                              {kCmdFind, "Find Enemy Name"},
                                              {kCmdListByOriginalOrder, "List By Original Order"},
                                              {kCmdListByName, "List By Alphabetical Order"},
                                              {kCmdListByGameOrderOrType, "List By Game Order"},
                                              {kCmdEditorHelp, "Help"},
                                              {kCmdDumpToText, ""}};
  for (const auto& [command, tip] : tips) EXPECT_EQ(ToolTipOf(editor, toolBar, command), tip) << command;
  HWND tabs = FindChild(editor, WC_TABCONTROLA);
  EXPECT_EQ(PlaceOf(tabs), (ControlPlace{0, 40, 615, 405}));
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  int image = -1;
  EXPECT_EQ(TabText(tabs, 2, &image), "Gfx / Sound");
  EXPECT_EQ(image, 17);
  EXPECT_EQ(PlaceOf(FindChild(tabs, "Button", "Enemy Stats:")), (ControlPlace{5, 32, 605, 370}));
  SetMenu(editor, nullptr);
  DestroyWindow(editor);
  DestroyMenu(ownMenu);
}

}  // namespace
