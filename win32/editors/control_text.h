#pragma once

#include <windows.h>

#include <string>

// Editors read a control's text into a 25-byte buffer, so longer text is cut to its first
// 24 characters without a message.
constexpr int kControlTextBufferSize = 25;

std::string ReadControlText(HWND control);
void ShowControlText(HWND control, const std::string& text);
