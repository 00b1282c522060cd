#include "core/rom/rom_session.h"

#include <cstring>

#include "core/io/file_size.h"
#include "core/rom/image_action.h"

namespace {

bool SeekTo(std::FILE* image, std::uint32_t offset) {
  return std::fseek(image, static_cast<long>(offset), SEEK_SET) == 0;
}

}  // namespace

RomKind TitleKindAt(std::FILE* image, std::uint32_t fileOffset) {
  char title[kRomTitleCompareLength + 1] = {};
  if (SeekTo(image, fileOffset)) {
    const std::size_t got = std::fread(title, 1, kRomTitleCompareLength, image);
    title[got] = '\0';
  }
  if (std::strcmp(title, "EARTH BOUND (J)") == 0) return RomKind::EarthBoundRom;
  if (std::strcmp(title, "MOTHER-2       ") == 0) return RomKind::Mother2Rom;
  return RomKind::UnrecognizedRom;
}

RomKind IdentifyRom(std::FILE* image, const RomLayout& layout) {
  return TitleKindAt(image, layout.FileOffset(layout.internalHeader));
}

std::int64_t GetRomSize(std::FILE* image) {
  return FileSize(image);
}

std::uint8_t ReadRomByte(std::FILE* image, std::uint32_t offset) {
  if (!SeekTo(image, offset)) return 0xFF;
  return static_cast<std::uint8_t>(std::fgetc(image));
}

bool ReadRomBytes(std::FILE* image, std::uint32_t offset, std::uint8_t* out, std::size_t count) {
  if (!SeekTo(image, offset)) return false;
  return std::fread(out, 1, count, image) == count;
}

bool WriteRomBytes(std::FILE* image, std::uint32_t offset, const std::uint8_t* bytes, std::size_t count) {
  switch (HoldWrite(image, offset, bytes, count)) {
    case HeldWrite::Held:
      return true;
    case HeldWrite::Unreadable:
      return false;
    case HeldWrite::OutsideAnAction:
      break;
  }
  if (!SeekTo(image, offset)) return false;
  if (std::fflush(image) != 0) return false;
  return std::fwrite(bytes, 1, count, image) == count;
}

bool WriteRomValue(std::FILE* image, std::uint32_t offset, std::uint32_t value, unsigned width) {
  std::uint8_t bytes[4];
  for (unsigned i = 0; i < width && i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  return WriteRomBytes(image, offset, bytes, width < 4 ? width : 4);
}

bool FlushRom(std::FILE* image) {
  return std::fflush(image) == 0;
}

bool RememberLoadedImage(RomSession& session) {
  session.identity = IdentityOf(session.romFile);
  const std::int64_t size = FileSize(session.romFile);
  if (size > kMaximumRomSize) return false;
  session.knownBytes.resize(static_cast<std::size_t>(size));
  return ReadRomBytes(session.romFile, 0, session.knownBytes.data(), session.knownBytes.size());
}

void CloseRom(RomSession& session) {
  if (session.romLoaded && session.romFile) std::fclose(session.romFile);
  session.romFile = nullptr;
  session.romLoaded = 0;
  session.romKind = RomKind::NoRom;
  session.romSize = 0;
  session.romLayout = RomLayout{};
  session.romPath.clear();
  session.journal = {};
  session.backedUp = false;
  session.backupPath.clear();
  session.identity = {};
  session.knownBytes = {};
}
