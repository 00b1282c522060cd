#include "cli/cli_commands.h"

#include "cli/apply_patch_command.h"
#include "cli/describe_patch_command.h"
#include "cli/diff_command.h"
#include "cli/dump_enemies_command.h"
#include "cli/dump_items_command.h"
#include "cli/fix_checksum_command.h"
#include "cli/info_command.h"
#include "cli/make_bps_command.h"
#include "cli/make_ips_command.h"
#include "cli/table_csv_commands.h"
#include "core/csv/csv_tables.h"
#include "quillon_version.h"

namespace {

constexpr const char* kVersion = "quillon-cli " QUILLON_VERSION;

void PrintUsage(std::FILE* stream) {
  std::fprintf(stream, "usage: %s\n", kInfoUsage);
  for (const char* usage : {kDumpEnemiesUsage, kDumpItemsUsage, kMakeIpsUsage, kMakeBpsUsage, kApplyPatchUsage,
                            kDiffUsage, kDescribePatchUsage, kExportUsage, kImportUsage, kFixChecksumUsage}) {
    std::fprintf(stream, "       %s\n", usage);
  }
  std::fputs("       quillon-cli --help | --version\n", stream);
  std::fputs("A dump's or an export's OUT may be - for standard output.\n", stream);
  std::fprintf(stream, "TABLE is one of %s.\n", CsvTableNames().c_str());
}

}  // namespace

int RunCliCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  const std::string command = args.empty() ? "" : args[0];
  if (args.size() == 1 && (command == "--help" || command == "-h")) {
    PrintUsage(out);
    return 0;
  }
  if (args.size() == 1 && command == "--version") {
    std::fprintf(out, "%s\n", kVersion);
    return 0;
  }
  if (args.size() == 2 && command == "info") return InfoCommand(args[1], out, err);
  if (args.size() == 2 && command == "fix-checksum") return FixChecksumCommand(args[1], out, err);
  if (command == "dump-enemies") return DumpEnemiesCommand(args, out, err);
  if (command == "dump-items") return DumpItemsCommand(args, out, err);
  if (command == "make-ips") return MakeIpsCommand(args, err);
  if (command == "make-bps") return MakeBpsCommand(args, err);
  if (command == "apply-patch") return ApplyPatchCommand(args, err);
  if (command == "diff") return DiffCommand(args, out, err);
  if (command == "describe-patch") return DescribePatchCommand(args, out, err);
  if (command == "export") return ExportCommand(args, out, err);
  if (command == "import") return ImportCommand(args, out, err);
  PrintUsage(err);
  return 2;
}
