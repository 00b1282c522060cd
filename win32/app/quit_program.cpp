#include "win32/app/quit_program.h"

#include "win32/app/app_state.h"
#include "win32/app/recent_rom_list.h"

void QuitProgram() {
  // Resetting the session too keeps a second close request from closing the file twice.
  CloseRom(romSession);
  WriteSettings();
  PostQuitMessage(0);
}
