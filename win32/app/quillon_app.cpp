#include "win32/app/quillon_app.h"

#include "win32/app/app_state.h"
#include "win32/app/command_line_file.h"
#include "win32/app/ctl3d.h"
#include "win32/app/main_commands.h"
#include "win32/app/main_toolbar_and_tree.h"
#include "win32/app/main_window.h"
#include "win32/app/menus.h"
#include "win32/app/message_loop.h"
#include "win32/app/modal_windows.h"
#include "win32/app/recent_rom_list.h"
#include "win32/resources/resource.h"

namespace {

HFONT CreateArial(int height, int weight) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

// smallFont, normalFont and titleFont: Arial in the three sizes the windows use.
void CreateShellFonts() {
  smallFont = CreateArial(13, 200);
  normalFont = CreateArial(15, 200);
  titleFont = CreateArial(36, 300);
}

void LoadProgramIcons() {
  // Icon 1 is 32x32, the others 16x16: loading at the resource's own size keeps them sharp.
  for (int number = IDI_PROGRAM; number <= IDI_LAST; ++number) {
    programIcons[number] =
        static_cast<HICON>(LoadImageA(programInstance, MAKEINTRESOURCEA(number), IMAGE_ICON, 0, 0, 0));
  }
}

}  // namespace

bool CreateMainWindow(HINSTANCE instance) {
  // Icons and the recent list come before the instance is kept, so both read from it.
  programInstance = instance;
  CreateShellFonts();
  LoadProgramIcons();
  BuildMenus();
  ReadSettings();
  RefreshRecentMenu();
  RegisterCtl3d(instance);
  if (!RegisterMainWindowClass()) return false;
  CreateMainWindowAndChildren();
  return true;
}

int RunQuillon(HINSTANCE instance, int showCommand, const std::string& arguments) {
  if (!CreateMainWindow(instance)) return 1;
  ShowSplash();
  ShowWindow(mainWindow, showCommand);
  SetUpMainToolBarAndTree();
  const std::string file = FileNamedOnCommandLine(arguments);
  if (!file.empty()) LoadRomFromPath(file);
  return RunMessageLoop();
}
