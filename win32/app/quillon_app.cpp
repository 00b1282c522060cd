#include "win32/app/quillon_app.h"

#include "win32/app/app_state.h"
#include "win32/app/ctl3d.h"
#include "win32/app/main_toolbar_and_tree.h"
#include "win32/app/main_window.h"
#include "win32/app/menus.h"
#include "win32/app/message_loop.h"
#include "win32/app/modal_windows.h"
#include "win32/app/program_icons.h"
#include "win32/app/recent_rom_list.h"
#include "win32/app/shell_fonts.h"

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

int RunQuillon(HINSTANCE instance, int showCommand) {
  if (!CreateMainWindow(instance)) return 1;
  ShowSplash();
  ShowWindow(mainWindow, showCommand);
  SetUpMainToolBarAndTree();
  return RunMessageLoop();
}
