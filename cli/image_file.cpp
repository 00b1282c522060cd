#include "cli/image_file.h"

#include "core/rom/load_rom.h"

std::FILE* OpenImageReadOnly(const std::string& path, std::FILE* err) {
  std::FILE* image = std::fopen(path.c_str(), "rb");
  // A folder opens on some systems but fails its first read.
  if (image && (std::fgetc(image), std::ferror(image))) {
    std::fclose(image);
    image = nullptr;
  }
  if (!image) std::fprintf(err, "quillon-cli: cannot open %s\n", path.c_str());
  return image;
}

std::FILE* OpenImageForDump(const std::string& path, RomLayout& layout, std::FILE* err) {
  std::FILE* image = OpenImageReadOnly(path, err);
  if (!image) return nullptr;
  layout = DecideRomLayout(image);
  if (GetRomSize(image) < static_cast<std::int32_t>(MinimumRomSize(layout))) {
    std::fclose(image);
    std::fprintf(err, "quillon-cli: %s is too small to be an EarthBound ROM image\n", path.c_str());
    return nullptr;
  }
  return image;
}
