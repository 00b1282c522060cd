#include "cli/image_file.h"

#include "core/io/file_messages.h"
#include "core/io/open_rom_for_reading.h"
#include "core/rom/load_rom.h"

namespace {

// Closes an image larger than any image and says so; null then.
std::FILE* RefuseTooLarge(std::FILE* image, const std::string& path, std::FILE* err) {
  if (GetRomSize(image) <= kMaximumRomSize) return image;
  std::fclose(image);
  std::fprintf(err, "quillon-cli: %s is larger than 16 MiB, too large to be an EarthBound ROM image\n", path.c_str());
  return nullptr;
}

}  // namespace

std::FILE* OpenImageReadOnly(const std::string& path, std::FILE* err) {
  std::FILE* image = OpenRomForReading(path);
  if (!image) {
    std::fprintf(err, "quillon-cli: %s\n", CannotOpenMessage(path, "cannot open " + path).c_str());
    return nullptr;
  }
  return RefuseTooLarge(image, path, err);
}

std::FILE* OpenImageForUpdate(const std::string& path, std::FILE* err) {
  // Checked before opening, as root could open a read-only image for writing all the same.
  const std::string refusal = WriteRefusal(path);
  std::FILE* image = refusal.empty() ? OpenRegularFile(path, "r+b") : nullptr;
  if (!image) {
    const std::string message = refusal.empty() ? "cannot open " + path + " for writing" : refusal;
    std::fprintf(err, "quillon-cli: %s\n", message.c_str());
    return nullptr;
  }
  return RefuseTooLarge(image, path, err);
}

std::FILE* OpenImageForDump(const std::string& path, RomLayout& layout, std::FILE* err) {
  std::FILE* image = OpenImageReadOnly(path, err);
  if (!image) return nullptr;
  layout = DecideRomLayout(image);
  if (GetRomSize(image) < MinimumRomSize(layout)) {
    std::fclose(image);
    std::fprintf(err, "quillon-cli: %s is too small to be an EarthBound ROM image\n", path.c_str());
    return nullptr;
  }
  return image;
}
