#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

// Windows calls whose effect a test can neither see nor bring about at will. The program makes
// the real calls through here; tests put their own functions in their place.
struct SystemCalls {
  decltype(&CreateThread) createThread = CreateThread;
  decltype(&PlaySoundA) playSound = PlaySoundA;
  decltype(&ShellExecuteA) shellExecute = ShellExecuteA;
};

extern SystemCalls systemCalls;
