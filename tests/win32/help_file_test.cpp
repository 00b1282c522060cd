#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/support/fixture_image.h"
#include "tests/win32/shell_fixture.h"
#include "win32/app/app_state.h"
#include "win32/app/command_ids.h"
#include "win32/app/program_directory.h"

namespace {

// The help file as one line, so a phrase is found across its line breaks.
std::string HelpText() {
  std::string text;
  bool blank = false;
  for (char c : ReadFileText(ProgramDirectory() + "quillonfaq.txt")) {
    const bool isBlank = c == ' ' || c == '\r' || c == '\n';
    if (isBlank && !blank) text += ' ';
    if (!isBlank) text += c;
    blank = isBlank;
  }
  return text;
}

// A menu entry as the help names it: without its "&" and its key.
std::string CommandName(const std::string& menuText) {
  std::string name;
  for (char c : menuText.substr(0, menuText.find('\t'))) {
    if (c != '&') name += c;
  }
  return name;
}

std::string TreeItemText(HTREEITEM item) {
  char text[64] = {};
  TVITEMA request = {};
  request.hItem = item;
  request.mask = TVIF_TEXT;
  request.pszText = text;
  request.cchTextMax = sizeof(text);
  SendMessageA(treeView, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
  return text;
}

using HelpFile = ShellTest;

TEST_F(HelpFile, NamesEveryFileCommandAndEveryEditor) {
  const std::string help = HelpText();
  ASSERT_FALSE(help.empty());
  int named = 0;
  for (int position = 0; position < GetMenuItemCount(fileMenu); ++position) {
    const UINT command = GetMenuItemID(fileMenu, position);
    const bool recentEntry = command >= kCmdRecentRom0 && command <= kCmdRecentRom4;
    if ((GetMenuState(fileMenu, position, MF_BYPOSITION) & MF_SEPARATOR) || recentEntry) continue;
    const std::string name = CommandName(MenuText(fileMenu, position));
    EXPECT_NE(help.find(name), std::string::npos) << name;
    ++named;
  }
  EXPECT_GE(named, 9);
  for (HTREEITEM editor : {treeItems.enemies, treeItems.items, treeItems.names, treeItems.teleport, treeItems.text}) {
    EXPECT_NE(help.find(TreeItemText(editor)), std::string::npos) << TreeItemText(editor);
  }
}

TEST_F(HelpFile, MakesNoneOfTheOldClaims) {
  const std::string help = HelpText();
  const char* oldClaims[] = {
      "no undo",
      "Can I undo? A: No",
      "dropped without a question",
      "drops what you did not apply",
      "is stored as that largest value",
      "read at the wrong places",
      "read 512 bytes off",
      "makes IPS patches.",
  };
  for (const char* claim : oldClaims) EXPECT_EQ(help.find(claim), std::string::npos) << claim;
}

}  // namespace
