#include <windows.h>

#include "win32/app/quillon_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int showCommand) {
  return RunQuillon(instance, showCommand, arguments);
}
