#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

// What the Create IPS dialog hands the worker, and what the worker reports to the progress
// window. The counters and the flag are atomics: the worker writes them while the window's
// timer reads them on the user-interface thread.
extern char uneditedRomPath[260];
extern char ipsPath[260];
extern std::atomic<std::int32_t> ipsBytesDone;
extern std::atomic<std::int32_t> ipsTotalBytes;
extern std::atomic<std::int32_t> ipsFinished;

// The patches Create IPS makes; the kind goes to the dialog and to its worker as their
// parameter.
enum class PatchKind : int { Ips, Bps };

// Compares the loaded image with uneditedRomPath and writes the patch of the kind given as
// parameter to ipsPath; shows the outcome, then sets ipsFinished whatever happened.
DWORD WINAPI IpsWorker(LPVOID kind);
