#pragma once

#include <string>

#include "tools/resgen/bmp_writer.h"

// Paints a picture from drawing steps ("size", "font", "gradient", "rect", "circle", "stars",
// "sprite", "text"), each over the ones before it.
RgbImage RenderScene(const std::string& path);
