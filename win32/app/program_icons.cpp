#include "win32/app/program_icons.h"

#include "win32/app/app_state.h"
#include "win32/resources/resource.h"

void LoadProgramIcons() {
  // Icon 1 is 32x32, the others 16x16: loading at the resource's own size keeps them sharp.
  for (int number = IDI_PROGRAM; number <= IDI_LAST; ++number) {
    programIcons[number] =
        static_cast<HICON>(LoadImageA(programInstance, MAKEINTRESOURCEA(number), IMAGE_ICON, 0, 0, 0));
  }
}
