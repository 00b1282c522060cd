#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "core/rom/rom_layout.h"

// Draws outside picture number picture (0 to 463) of the image into the black 64 x 80 cell
// whose top-left corner is (x, y) on dc, centred. A number beyond the pictures leaves the
// cell black.
void DrawOutsidePicture(std::FILE* romFile, const RomLayout& layout, int x, int y, std::uint32_t picture, HDC dc);

// One entry of the owner-drawn outside picture list: the picture, its number below it in
// smallFont, and the focus rectangle around the cell when the entry is selected.
void DrawOutsidePictureEntry(std::FILE* romFile, const RomLayout& layout, const DRAWITEMSTRUCT& item);
