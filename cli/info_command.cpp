#include "cli/info_command.h"

#include "cli/image_file.h"
#include "core/rom/possession.h"
#include "core/rom/rom_checksum.h"
#include "core/rom/rom_session.h"

namespace {

const char* KindName(RomKind kind) {
  switch (kind) {
    case RomKind::EarthBoundRom:
      return "EarthBound";
    case RomKind::Mother2Rom:
      return "Mother 2";
    default:
      return "unrecognized";
  }
}

// The title bytes with trailing blanks cut; bytes that are no printable text show as '.'.
std::string TitleText(std::FILE* image, const RomLayout& layout) {
  std::uint8_t bytes[kRomTitleLength] = {};
  ReadRomBytes(image, layout.FileOffset(layout.internalHeader), bytes, sizeof bytes);
  std::string title;
  for (std::uint8_t byte : bytes) title += byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '.';
  std::size_t end = sizeof bytes;
  while (end > 0 && (bytes[end - 1] == ' ' || bytes[end - 1] == 0)) --end;
  return title.substr(0, end);
}

std::string ChecksumText(const RomChecksum& checksum) {
  if (!checksum.known) return "unknown";
  char text[64];
  std::snprintf(text, sizeof text, "0x%04X stored, 0x%04X computed (%s)", checksum.stored, checksum.computed,
                checksum.Valid() ? "valid" : "wrong");
  return text;
}

}  // namespace

int InfoCommand(const std::string& imagePath, std::FILE* out, std::FILE* err) {
  std::FILE* image = OpenImageReadOnly(imagePath, err);
  if (!image) return 1;
  const RomLayout layout = DecideRomLayout(image);
  std::fprintf(out, "file: %s\n", imagePath.c_str());
  std::fprintf(out, "kind: %s\n", KindName(IdentifyRom(image, layout)));
  std::fprintf(out, "header: %s\n", layout.headerSize ? "512-byte copier header" : "none");
  std::fprintf(out, "size: %s bytes\n", std::to_string(GetRomSize(image)).c_str());
  std::fprintf(out, "title: %s\n", TitleText(image, layout).c_str());
  std::fprintf(out, "checksum: %s\n", ChecksumText(ReadRomChecksum(image, layout)).c_str());
  std::fprintf(out, "possessed: %s\n", IsRomPossessed(image, layout) ? "yes" : "no");
  std::fclose(image);
  return 0;
}
