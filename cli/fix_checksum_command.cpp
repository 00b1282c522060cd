#include "cli/fix_checksum_command.h"

#include "core/rom/rom_checksum.h"

int FixChecksumCommand(const std::string& imagePath, std::FILE* out, std::FILE* err) {
  std::FILE* image = std::fopen(imagePath.c_str(), "r+b");
  if (!image) {
    std::fprintf(err, "quillon-cli: cannot open %s for writing\n", imagePath.c_str());
    return 1;
  }
  ChecksumFixResult result = FixRomChecksum(image, DecideRomLayout(image));
  if (std::fclose(image) != 0 && result.outcome == ChecksumFix::Fixed) result.outcome = ChecksumFix::NotWritten;
  const std::string message = ChecksumFixMessage(result);
  if (result.Succeeded()) {
    std::fprintf(out, "%s\n", message.c_str());
    return 0;
  }
  std::fprintf(err, "quillon-cli: %s\n", message.c_str());
  return 1;
}
