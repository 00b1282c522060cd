#include "core/compare/loaded_image_changes.h"

#include "core/compare/compare_images.h"
#include "core/compare/image_bytes.h"
#include "core/io/open_rom_for_reading.h"
#include "core/ips/ips_messages.h"

const char* const kNothingWrittenSinceLoading = "Nothing has been written since the image was loaded.";

ListedChanges ChangesSinceImageFile(const std::string& uneditedPath, const RomSession& session) {
  std::FILE* file = OpenRomForReading(uneditedPath);
  if (!file) return {kIpsCannotOpenRom, MessageKind::Warning, {}};
  ImageBytes unedited;
  const char* failure = ReadImageBytes(file, DecideRomLayout(file), unedited);
  std::fclose(file);
  if (failure) return {failure, MessageKind::Warning, {}};
  ImageBytes loaded;
  if (const char* loadedFailure = ReadImageBytes(session.romFile, session.romLayout, loaded)) {
    return {loadedFailure, MessageKind::Warning, {}};
  }
  return {"", MessageKind::Warning, CompareImages(unedited.RomData(), loaded.RomData())};
}

ListedChanges ChangesSinceLoading(const RomSession& session) {
  if (session.backupPath.empty()) return {kNothingWrittenSinceLoading, MessageKind::Information, {}};
  return ChangesSinceImageFile(session.backupPath, session);
}
