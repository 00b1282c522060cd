#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/rom/apply_messages.h"
#include "core/text/misc_text_tables.h"
#include "core/text/psi_name_table.h"
#include "core/text/teleport_table.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "tests/win32/editor_fixture.h"
#include "tests/win32/theme_switched_off.h"
#include "tests/win32/text_fit.h"
#include "win32/editors/editor_controls.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/item_editor_window.h"
#include "win32/editors/misc_text_editor_window.h"
#include "win32/editors/teleport_editor_window.h"

namespace {

struct EditorCase {
  const char* name;
  HTREEITEM* item;
  const char* title;
  int icon;
  HMENU* menu;
  HMENU* viewMenu;  // nullptr for a menu bar of File, Edit and Help
  int width;
  std::vector<std::pair<std::string, int>> tabs;  // text and image
  const char* groupBox;
  const char* findTip;  // nullptr for the text editors' tool bar
  const char* gameOrderOrTypeTip;
};

const EditorCase kEditors[] = {
    {"enemies", &treeItems.enemies, "Enemy Editing", 2, &enemyEditorMenu, &enemyViewMenu, 620,
     {{"Stats", 2}, {"Actions", 3}, {"Gfx / Sound", 17}}, "Enemy Stats:", "Find Enemy Name", "List By Game Order"},
    {"items", &treeItems.items, "Item Editing", 6, &itemEditorMenu, &itemViewMenu, 590, {{"Stats", 6}},
     "Item Stats:", "Find Item Name", "List By Type"},
    {"PSI names", &treeItems.names, "PSI Name Editing", 8, &psiEditorMenu, nullptr, 590, {{"Names", 8}}, "Names:",
     nullptr, nullptr},
    {"teleports", &treeItems.teleport, "Teleport Editing", 10, &textEditorMenu, nullptr, 590, {{"Teleport", 9}},
     "Teleports:", nullptr, nullptr},
    {"misc. text", &treeItems.text, "Misc. Text Editing", 13, &textEditorMenu, nullptr, 590, {{"Misc. Text", 11}},
     "Misc. Text:", nullptr, nullptr},
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

const std::vector<ToolButtonSeen> kListToolButtons = {
    {kCmdEditorCloseRom, 1, false},      {kCmdFind, 2, false},       {0, 0, true},
    {kCmdListByOriginalOrder, 6, false}, {kCmdListByName, 5, false}, {kCmdListByGameOrderOrType, 7, false},
    {0, 0, true},                        {kCmdEditorHelp, 4, false}};
const std::vector<ToolButtonSeen> kTextToolButtons = {
    {kCmdEditorCloseRom, 1, false}, {0, 0, true}, {kCmdEditorHelp, 4, false}};

void ExpectToolBar(HWND editor, const EditorCase& c) {
  HWND toolBar = FindChild(editor, TOOLBARCLASSNAMEA);
  ASSERT_TRUE(toolBar);
  EXPECT_EQ(WindowText(toolBar), "Tools");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(toolBar, GWL_STYLE)), 0x50000101u);
  const bool listEditor = c.findTip != nullptr;
  EXPECT_EQ(ToolButtons(toolBar), listEditor ? kListToolButtons : kTextToolButtons);
  const std::pair<int, const char*> tips[] = {
      {kCmdEditorCloseRom, "Close ROM"},
      {kCmdFind, listEditor ? c.findTip : ""},
      {kCmdListByOriginalOrder, listEditor ? "List By Original Order" : ""},
      {kCmdListByName, listEditor ? "List By Alphabetical Order" : ""},
      {kCmdListByGameOrderOrType, listEditor ? c.gameOrderOrTypeTip : ""},
      {kCmdEditorHelp, "Help"},
      {kCmdDumpToText, ""}};
  for (const auto& [command, tip] : tips) {
    LRESULT answer = 0;
    EXPECT_EQ(ToolTipOf(editor, toolBar, command, &answer), tip) << command;
    EXPECT_EQ(answer, 1) << command;
  }
}

void ExpectTabs(HWND editor, const EditorCase& c) {
  HWND tabs = FindChild(editor, WC_TABCONTROLA);
  ASSERT_TRUE(tabs);
  EXPECT_EQ(WindowText(tabs), "Tabs");
  EXPECT_EQ(PlaceOf(tabs), (ControlPlace{0, 40, c.width - 5, 405}));
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(tabs, TCM_GETIMAGELIST, 0, 0)), treeImageList);
  std::vector<std::pair<std::string, int>> seen;
  for (int i = 0; i < static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)); ++i) {
    int image = -1;
    const std::string text = TabText(tabs, i, &image);
    seen.emplace_back(text, image);
  }
  EXPECT_EQ(seen, c.tabs);

  HWND groupBox = FindChild(tabs, "Button", c.groupBox);
  ASSERT_TRUE(groupBox);
  EXPECT_EQ(PlaceOf(groupBox), (ControlPlace{5, 32, c.width - 15, 370}));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(groupBox, GWL_STYLE)), 0x50000007u);
  EXPECT_EQ(FontOf(groupBox), normalFont);
  EXPECT_EQ(FontOf(tabs), normalFont);
}

TEST_F(EditorFrameTest, EachEditorOpensOnTheFrameFromTheTree) {
  LoadImage(EarthBoundImage());
  for (const EditorCase& c : kEditors) {
    SCOPED_TRACE(c.name);
    const bool opened = OpenFromTree(*c.item, [&](HWND editor) {
      EXPECT_EQ(WindowText(editor), c.title);
      EXPECT_EQ(WindowPlace(editor), ExpectedWindowPlace(c.width));
      EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(editor, WM_GETICON, ICON_SMALL, 0)), programIcons[c.icon]);
      EXPECT_EQ(GetMenu(editor), *c.menu);
      ExpectToolBar(editor, c);

      HWND separator = FindChild(editor, "Static", "");
      EXPECT_EQ(PlaceOf(separator), (ControlPlace{-5, 33, 640, 2}));
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(separator, GWL_STYLE)), 0x50000012u);

      ExpectTabs(editor, c);

      HWND apply = FindChild(editor, "Button", "&Apply Changes");
      ASSERT_TRUE(apply);
      EXPECT_EQ(PlaceOf(apply), (ControlPlace{465, 385, 100, 30}));
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(apply, GWL_STYLE)) & ~DWORD{BS_DEFPUSHBUTTON}, 0x50000000u);
      EXPECT_EQ(FontOf(apply), normalFont);
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
  for (const EditorCase& c : kEditors) {
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

BOOL CALLBACK KeepFirstEdit(HWND control, LPARAM found) {
  char className[8] = {};
  GetClassNameA(control, className, sizeof className);
  if (std::string(className) != "Edit") return TRUE;
  *reinterpret_cast<HWND*>(found) = control;
  return FALSE;
}

// The first edit box of the editor, wherever it lies.
HWND FirstEdit(HWND editor) {
  HWND found = nullptr;
  EnumChildWindows(editor, KeepFirstEdit, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(EditorFrameTest, EveryEditorReportsAnApplyThatDidNotReachTheFile) {
  const std::string path = LoadImage(EarthBoundImage());
  std::FILE* writable = romSession.romFile;
  // A stream open for reading only refuses every write, as a full or locked file would.
  romSession.romFile = std::fopen(path.c_str(), "rb");
  ASSERT_TRUE(romSession.romFile);
  EnemySelection = 0;
  ItemSelection = 0;
  for (const EditorCase& c : kEditors) {
    SCOPED_TRACE(c.name);
    recorder.messages.clear();
    // An untouched name is not written: one typed change gives every editor a write to make.
    ASSERT_TRUE(OpenFromTree(*c.item, [](HWND editor) {
      TypeText(FirstEdit(editor), "Changed");
      ClickApply(editor);
    }));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, kChangesNotWritten);
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Warning);
  }
  std::fclose(romSession.romFile);
  romSession.romFile = writable;
}

TEST_F(EditorFrameTest, ANumberBoxWithoutANumberIsNamedAndNothingIsWritten) {
  struct Case {
    HTREEITEM* item;
    int box;
    const char* typed;
    const char* message;
  } cases[] = {
      {&treeItems.enemies, kEnemyMoneyId, "1,000", "Money: \"1,000\" is not a number."},
      {&treeItems.enemies, kEnemyStartTextId, "C5A1B2", "Start text: \"C5A1B2\" is not a number."},
      {&treeItems.items, kItemStrengthBoxId, "1.5", "Strength: \"1.5\" is not a number."},
      {&treeItems.items, kItemDescAddressBoxId, "$C5Z", "Desc. address: \"$C5Z\" is not a number."},
      {&treeItems.teleport, kTeleportYBoxId + 2, "12abc", "Teleport 3 Y: \"12abc\" is not a number."},
      {&treeItems.text, kPhonePointerBoxId, "12 34", "Pointer: \"12 34\" is not a number."},
  };
  const std::string path = LoadImage(EarthBoundImage());
  EnemySelection = 0;
  ItemSelection = 0;
  const std::vector<std::uint8_t> before = ReadFileBytes(path);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    recorder.messages.clear();
    ASSERT_TRUE(OpenFromTree(*c.item, [&](HWND editor) {
      HWND box = ControlById(editor, c.box);
      ASSERT_TRUE(box);
      TypeText(box, c.typed);
      ClickApply(editor);
      EXPECT_EQ(WindowText(box), c.typed) << "the typing stays for the user to mend";
    }));
    // Then the typing still unapplied is asked about as the editor closes.
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages[0].title, "Warning");
    EXPECT_EQ(recorder.messages[0].text, c.message);
    EXPECT_TRUE(ReadFileBytes(path) == before) << "no byte changed";
  }
}

// A control the user sees, not a frame that holds others (the tab control, group boxes).
bool IsShownControl(HWND control) {
  if (!IsWindowVisible(control) || IsOfClass(control, WC_TABCONTROLA)) return false;
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  return !(IsOfClass(control, "Button") && (style & BS_TYPEMASK) == BS_GROUPBOX);
}

BOOL CALLBACK KeepShownControl(HWND control, LPARAM found) {
  if (IsShownControl(control)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(control);
  return TRUE;
}

std::string Described(HWND control) {
  char className[32] = {};
  GetClassNameA(control, className, sizeof className);
  return std::string(className) + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + WindowText(control) + "\"";
}

// Each pair of shown controls whose screen rectangles share more than a line of pixels:
// the cells of a grid share their borders by design. A control and the parts it is made of
// (the edit inside a drop-down box) are one.
std::vector<std::string> OverlappingControls(HWND editor) {
  std::vector<HWND> shown;
  EnumChildWindows(editor, KeepShownControl, reinterpret_cast<LPARAM>(&shown));
  std::vector<std::string> overlaps;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (IsChild(shown[i], shown[j]) || IsChild(shown[j], shown[i])) continue;
      RECT a = {}, b = {}, both = {};
      GetWindowRect(shown[i], &a);
      GetWindowRect(shown[j], &b);
      if (IntersectRect(&both, &a, &b) && both.right - both.left > 1 && both.bottom - both.top > 1) {
        overlaps.push_back(Described(shown[i]) + " and " + Described(shown[j]));
      }
    }
  }
  return overlaps;
}

// Each shown control that reaches past the editor's client area, where the user cannot see
// or reach its edge. The line under the tool bar runs from edge to edge on purpose.
std::vector<std::string> ControlsPastTheWindow(HWND editor) {
  RECT client = {};
  GetClientRect(editor, &client);
  MapWindowPoints(editor, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::vector<HWND> shown;
  EnumChildWindows(editor, KeepShownControl, reinterpret_cast<LPARAM>(&shown));
  std::vector<std::string> outside;
  for (HWND control : shown) {
    const bool edgeLine =
        IsOfClass(control, "Static") && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDFRAME;
    if (edgeLine) continue;
    RECT rect = {};
    GetWindowRect(control, &rect);
    if (rect.left < client.left || rect.top < client.top || rect.right > client.right ||
        rect.bottom > client.bottom) {
      outside.push_back(Described(control) + " at " + std::to_string(rect.left - client.left) + "," +
                        std::to_string(rect.top - client.top) + " to " + std::to_string(rect.right - client.left) +
                        "," + std::to_string(rect.bottom - client.top));
    }
  }
  return outside;
}

// Names as long as their fields hold, in the first record of every table, so that what the
// editors show of them can be measured.
FixtureImage LongNamesImage() {
  const std::string longName = "Fourside Department Stor";
  FixtureImage image = EarthBoundImage();
  PutEnemyName(image, 0, longName);
  image.PutGameText(ItemOffset(0), longName, kNameFieldLength);
  image.PutGameText(Headered(kPsiNameTableRomPosition), longName, kNameFieldLength);
  image.PutGameText(Headered(kTeleportTableRomPosition), longName, kNameFieldLength);
  image.PutGameText(Headered(kPhoneListRomPosition), longName, kNameFieldLength);
  return image;
}

// The editors under Wine's theme, and with the theme switched off: the controls of common
// controls 6 take other sizes under a theme. make test runs the two in separate processes.
enum class Theme { On, Off };

class EditorLayoutTest : public EditorFrameTest, public ::testing::WithParamInterface<Theme> {
 protected:
  void SetUp() override {
    EditorFrameTest::SetUp();
    if (GetParam() == Theme::Off) themeOff_ = std::make_unique<ThemeSwitchedOff>();
  }
  void TearDown() override {
    themeOff_.reset();
    EditorFrameTest::TearDown();
  }

  static bool DrawnWithTheTheme(HWND window) {
    HTHEME theme = OpenThemeData(window, L"Button");
    if (theme) CloseThemeData(theme);
    return theme != nullptr;
  }

 private:
  std::unique_ptr<ThemeSwitchedOff> themeOff_;
};

INSTANTIATE_TEST_SUITE_P(Themes, EditorLayoutTest, ::testing::Values(Theme::On, Theme::Off),
                         [](const ::testing::TestParamInfo<Theme>& info) {
                           return info.param == Theme::On ? "ThemeOn" : "ThemeOff";
                         });

TEST_P(EditorLayoutTest, ShownControlsOfAnyEditorNeitherOverlapNorReachPastTheWindowNorCutTheirTextOnAnyTab) {
  LoadImage(LongNamesImage());
  EnemySelection = 0;
  ItemSelection = 0;
  for (const EditorCase& c : kEditors) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(OpenFromTree(*c.item, [&](HWND editor) {
      ASSERT_EQ(DrawnWithTheTheme(editor), GetParam() == Theme::On) << "Wine's theme is not as this case needs";
      HWND tabs = FindChild(editor, WC_TABCONTROLA);
      for (int tab = 0; tab < static_cast<int>(c.tabs.size()); ++tab) {
        SendMessageA(tabs, TCM_SETCURSEL, tab, 0);
        NMHDR change = {tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(editor, WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
        std::vector<HWND> shown;
        EnumChildWindows(editor, KeepShownControl, reinterpret_cast<LPARAM>(&shown));
        EXPECT_GT(shown.size(), 3u) << c.tabs[tab].first;
        EXPECT_EQ(OverlappingControls(editor), std::vector<std::string>{}) << c.tabs[tab].first;
        EXPECT_EQ(ControlsPastTheWindow(editor), std::vector<std::string>{}) << c.tabs[tab].first;
        EXPECT_EQ(TextsThatDoNotFit(editor), std::vector<std::string>{}) << c.tabs[tab].first;
      }
    }));
  }
}

TEST_F(EditorFrameTest, ASecondOpeningShowsTheSameMenuBar) {
  LoadImage(EarthBoundImage());
  for (const EditorCase& c : kEditors) {
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
        EXPECT_EQ(GetSubMenu(menu, 0), editorFileMenu);
        EXPECT_EQ(GetSubMenu(menu, 1), editorEditMenu);
        if (c.viewMenu) {
          EXPECT_EQ(GetSubMenu(menu, 2), *c.viewMenu);
        }
      }));
    }
    const std::vector<std::string> expected =
        c.viewMenu ? std::vector<std::string>{"&File", "&Edit", "&View", "&Help"}
                   : std::vector<std::string>{"&File", "&Edit", "&Help"};
    EXPECT_EQ(menuTexts[0], expected);
    EXPECT_EQ(menuTexts[1], menuTexts[0]);
  }
}

}  // namespace
