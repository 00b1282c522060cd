#pragma once

#include <windows.h>

#include <cstdint>

// The number fields of the editors on their controls: the Show helpers set an edit or
// static control's text, the Read helpers read at most 24 characters of it.

void ShowUnsigned(HWND control, std::uint32_t value);
void ShowSigned(HWND control, std::int32_t value);
void ShowHex(HWND control, std::uint32_t value);

std::uint32_t ReadNumberClamped(HWND control, std::uint32_t maximum);
std::int32_t ReadIntClamped(HWND control, std::int32_t maximum);
std::uint32_t ReadDecOrHex(HWND control);
