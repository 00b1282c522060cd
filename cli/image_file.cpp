#include "cli/image_file.h"

#include <filesystem>

#include "core/rom/load_rom.h"

std::FILE* OpenImageForDump(const std::string& path, std::FILE* err) {
  std::FILE* image = std::fopen(path.c_str(), "rb");
  if (!image) {
    std::fprintf(err, "quillon-cli: cannot open %s\n", path.c_str());
    return nullptr;
  }
  if (GetRomSize(image) < static_cast<std::int32_t>(kMinimumRomSize)) {
    std::fclose(image);
    std::fprintf(err, "quillon-cli: %s is too small to be an EarthBound ROM image\n", path.c_str());
    return nullptr;
  }
  return image;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}
