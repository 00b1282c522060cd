#include "core/io/open_rom_for_reading.h"

std::FILE* OpenRomForReading(const std::string& path) {
  std::FILE* image = std::fopen(path.c_str(), "rb");
  if (!image) return nullptr;
  // A folder opens on some systems but fails its first read.
  std::fgetc(image);
  if (std::ferror(image) || std::fseek(image, 0, SEEK_SET) != 0) {
    std::fclose(image);
    return nullptr;
  }
  return image;
}
