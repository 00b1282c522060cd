#include "cli/make_ips_command.h"

#include <atomic>

#include "cli/image_file.h"
#include "core/ips/ips_messages.h"
#include "core/ips/make_ips_patch.h"
#include "core/ips/open_rom_for_reading.h"

namespace {

int Fail(std::FILE* err, const std::string& message) {
  std::fprintf(err, "quillon-cli: %s\n", message.c_str());
  return 1;
}

}  // namespace

int MakeIpsCommand(const std::vector<std::string>& args, std::FILE* err) {
  if (args.size() != 4) {
    std::fprintf(err, "usage: %s\n", kMakeIpsUsage);
    return 2;
  }
  const std::string& editedPath = args[1];
  const std::string& uneditedPath = args[2];
  const std::string& patchPath = args[3];
  if (IsSameFile(patchPath, editedPath) || IsSameFile(patchPath, uneditedPath)) {
    return Fail(err, kIpsPatchWouldReplaceRom);
  }
  std::FILE* edited = OpenRomForReading(editedPath);
  if (!edited) return Fail(err, std::string(kIpsCannotOpenRom) + ": " + editedPath);
  std::FILE* unedited = OpenRomForReading(uneditedPath);
  if (!unedited) {
    std::fclose(edited);
    return Fail(err, std::string(kIpsCannotOpenRom) + ": " + uneditedPath);
  }
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  const IpsResult result = MakeIpsPatch(edited, unedited, patchPath, {bytesDone, totalBytes});
  std::fclose(unedited);
  std::fclose(edited);
  return result.written ? 0 : Fail(err, result.message);
}
