#include "cli/fix_checksum_command.h"

#include "cli/image_file.h"
#include "core/rom/rom_checksum.h"

int FixChecksumCommand(const std::string& imagePath, std::FILE* out, std::FILE* err) {
  std::FILE* image = OpenImageForUpdate(imagePath, err);
  if (!image) return 1;
  // Opened as the editor opens an image, so a fix makes the same backup first.
  RomSession session;
  session.romFile = image;
  session.romLayout = DecideRomLayout(image);
  session.romPath = imagePath;
  if (!RememberLoadedImage(session)) {
    std::fclose(image);
    std::fprintf(err, "quillon-cli: cannot read %s\n", imagePath.c_str());
    return 1;
  }
  ChecksumFixResult result = FixRomChecksum(session);
  if (std::fclose(image) != 0 && result.outcome == ChecksumFix::Fixed) result.outcome = ChecksumFix::NotWritten;
  const std::string message = ChecksumFixMessage(result, imagePath);
  if (result.Succeeded()) {
    std::fprintf(out, "%s\n", message.c_str());
    return 0;
  }
  std::fprintf(err, "quillon-cli: %s\n", message.c_str());
  return 1;
}
