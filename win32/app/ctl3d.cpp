#include "win32/app/ctl3d.h"

namespace {

using Ctl3dRegisterFunction = BOOL(WINAPI*)(HINSTANCE);
using Ctl3dEnabledFunction = BOOL(WINAPI*)();
using Ctl3dSubclassCtlFunction = BOOL(WINAPI*)(HWND);

Ctl3dSubclassCtlFunction subclassControl = nullptr;

template <typename Function>
Function Lookup(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

void RegisterCtl3d(HINSTANCE instance) {
  HMODULE library = LoadLibraryA("CTL3D32.DLL");
  if (!library) return;
  const auto enabled = Lookup<Ctl3dEnabledFunction>(library, "Ctl3dEnabled");
  const auto registerProgram = Lookup<Ctl3dRegisterFunction>(library, "Ctl3dRegister");
  if (enabled) enabled();
  if (registerProgram) registerProgram(instance);
  subclassControl = Lookup<Ctl3dSubclassCtlFunction>(library, "Ctl3dSubclassCtl");
}

void Ctl3dSubclassControl(HWND control) {
  if (subclassControl) subclassControl(control);
}
