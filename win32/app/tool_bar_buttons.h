#pragma once

#include <windows.h>

#include <initializer_list>

// What every tool bar of the program shares: 20x20 images on 26x27 plain enabled push
// buttons without text.

constexpr int kToolSeparator = -1;

struct ToolButton {
  int image;  // kToolSeparator for a separator
  int command;
};

// Sets the image and button sizes; before any image or button is added.
void SizeToolBar(HWND toolBar);
// Adds each bitmap resource as the next image.
void AddToolBitmaps(HWND toolBar, std::initializer_list<int> bitmaps);
// Adds the buttons in order and lets the tool bar lay itself out.
void AddToolButtons(HWND toolBar, std::initializer_list<ToolButton> buttons);
