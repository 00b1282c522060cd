#include "cli/make_patch_command.h"

#include <atomic>

#include "core/io/open_rom_for_reading.h"
#include "core/io/same_file.h"
#include "core/ips/ips_messages.h"

namespace {

int Fail(std::FILE* err, const std::string& message) {
  std::fprintf(err, "quillon-cli: %s\n", message.c_str());
  return 1;
}

}  // namespace

int RunMakePatchCommand(const std::vector<std::string>& args, const MakePatchCommand& command, std::FILE* err) {
  if (args.size() != 4) {
    std::fprintf(err, "usage: %s\n", command.usage);
    return 2;
  }
  const std::string& editedPath = args[1];
  const std::string& uneditedPath = args[2];
  const std::string& patchPath = args[3];
  if (IsSameFile(patchPath, editedPath) || IsSameFile(patchPath, uneditedPath)) {
    return Fail(err, command.patchWouldReplaceRom);
  }
  std::FILE* edited = OpenRomForReading(editedPath);
  if (!edited) return Fail(err, CannotOpenMessage(editedPath, std::string(kIpsCannotOpenRom) + ": " + editedPath));
  std::FILE* unedited = OpenRomForReading(uneditedPath);
  if (!unedited) {
    std::fclose(edited);
    return Fail(err, CannotOpenMessage(uneditedPath, std::string(kIpsCannotOpenRom) + ": " + uneditedPath));
  }
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  const IpsResult result = command.make(edited, unedited, patchPath, {bytesDone, totalBytes});
  std::fclose(unedited);
  std::fclose(edited);
  return result.written ? 0 : Fail(err, result.message);
}
