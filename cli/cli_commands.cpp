#include "cli/cli_commands.h"

#include "cli/apply_patch_command.h"
#include "cli/dump_enemies_command.h"
#include "cli/dump_items_command.h"
#include "cli/image_file.h"
#include "cli/make_bps_command.h"
#include "cli/make_ips_command.h"
#include "core/rom/load_rom.h"
#include "core/rom/rom_kind_text.h"

namespace {

void PrintUsage(std::FILE* err) {
  std::fputs("usage: quillon-cli info IMAGE\n", err);
  std::fprintf(err, "       %s\n", kDumpEnemiesUsage);
  std::fprintf(err, "       %s\n", kDumpItemsUsage);
  std::fprintf(err, "       %s\n", kMakeIpsUsage);
  std::fprintf(err, "       %s\n", kMakeBpsUsage);
  std::fprintf(err, "       %s\n", kApplyPatchUsage);
}

int Info(const std::string& imagePath, std::FILE* out, std::FILE* err) {
  std::FILE* image = OpenImageReadOnly(imagePath, err);
  if (!image) return 1;
  const RomLayout layout = DecideRomLayout(image);
  const RomKind kind = IdentifyRom(image, layout);
  const std::int32_t size = GetRomSize(image);
  std::fclose(image);
  std::fprintf(out, "%s%u bytes\n", RomKindText(kind, layout).c_str(), static_cast<unsigned>(size));
  return 0;
}

}  // namespace

int RunCliCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  if (args.size() == 2 && args[0] == "info") return Info(args[1], out, err);
  if (!args.empty() && args[0] == "dump-enemies") return DumpEnemiesCommand(args, err);
  if (!args.empty() && args[0] == "dump-items") return DumpItemsCommand(args, err);
  if (!args.empty() && args[0] == "make-ips") return MakeIpsCommand(args, err);
  if (!args.empty() && args[0] == "make-bps") return MakeBpsCommand(args, err);
  if (!args.empty() && args[0] == "apply-patch") return ApplyPatchCommand(args, err);
  PrintUsage(err);
  return 2;
}
