#include "cli/table_csv_commands.h"

#include "cli/changes_output.h"
#include "cli/command_output.h"
#include "cli/image_file.h"
#include "core/csv/csv_tables.h"
#include "core/csv/read_csv_file.h"
#include "core/csv/table_export.h"
#include "core/csv/table_in_image.h"
#include "core/rom/apply_messages.h"

namespace {

const KnownTable* TableArgument(const std::string& name, std::FILE* err) {
  const KnownTable* table = CsvTableNamed(name);
  if (!table) {
    std::fprintf(err, "quillon-cli: there is no table %s; the tables are %s\n", name.c_str(),
                 CsvTableNames().c_str());
  }
  return table;
}

// An image open for the command, closed when it ends.
class OpenImage {
 public:
  OpenImage(const std::string& path, bool forUpdate, std::FILE* err) {
    file_ = OpenImageForDump(path, layout_, err);
    if (file_ && forUpdate) {
      std::fclose(file_);
      file_ = OpenImageForUpdate(path, err);
    }
  }
  ~OpenImage() {
    if (file_) std::fclose(file_);
  }
  OpenImage(const OpenImage&) = delete;
  OpenImage& operator=(const OpenImage&) = delete;

  std::FILE* file() const { return file_; }
  const RomLayout& layout() const { return layout_; }
  // Closes the image; false when the last buffered bytes could not be written.
  bool Close() {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }

 private:
  std::FILE* file_ = nullptr;
  RomLayout layout_;
};

bool ReadTables(const OpenImage& image, const std::string& path, const KnownTable& table, GameTables& tables,
                std::vector<std::uint8_t>& tableBytes, std::FILE* err) {
  if (ReadTableOfImage(image.file(), image.layout(), table, tables, tableBytes)) return true;
  std::fprintf(err, "quillon-cli: cannot read the %s table of %s\n", table.name, path.c_str());
  return false;
}

int Refuse(const std::string& message, std::FILE* err) {
  std::fprintf(err, "quillon-cli: %s\n", message.c_str());
  return 1;
}

}  // namespace

int ExportCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  if (args.size() != 4) {
    std::fprintf(err, "usage: %s\n", kExportUsage);
    return 2;
  }
  const KnownTable* table = TableArgument(args[1], err);
  if (!table || IsImageAsOutput(args[2], args[3], err)) return 1;
  OpenImage image(args[2], false, err);
  if (!image.file()) return 1;
  GameTables tables;
  std::vector<std::uint8_t> tableBytes;
  if (!ReadTables(image, args[2], *table, tables, tableBytes, err)) return 1;
  image.Close();
  return WriteCommandOutput(args[3], TableCsv(*table, tables), "table", out, err);
}

int ImportCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  const bool dryRun = args.size() == 5 && args[4] == "--dry-run";
  if (args.size() != 4 && !dryRun) {
    std::fprintf(err, "usage: %s\n", kImportUsage);
    return 2;
  }
  const KnownTable* table = TableArgument(args[1], err);
  if (!table) return 1;
  const std::string& imagePath = args[2];
  std::string csv;
  const std::string unread = ReadCsvFile(args[3], csv);
  if (!unread.empty()) return Refuse(unread, err);
  OpenImage image(imagePath, !dryRun, err);
  if (!image.file()) return 1;
  // Opened as the editor opens an image, so the import makes the same backup first; noted
  // before the table is read, so the checks before the write see any change made after it.
  RomSession session;
  session.romFile = image.file();
  session.romLayout = image.layout();
  session.romPath = imagePath;
  if (!dryRun && !RememberLoadedImage(session)) return Refuse(kChangesNotWritten, err);
  GameTables tables;
  std::vector<std::uint8_t> tableBytes;
  if (!ReadTables(image, imagePath, *table, tables, tableBytes, err)) return 1;
  const TableImport import = ReadTableImport(*table, tables, std::move(tableBytes), csv);
  for (const std::string& problem : import.problems) std::fprintf(err, "%s\n", problem.c_str());
  if (!import.problems.empty()) return 1;
  if (!dryRun && !import.changes.empty()) {
    const ActionOutcome outcome = WriteTableImport(session, *table, import);
    const bool closed = image.Close();
    if (outcome != ActionOutcome::Written) return Refuse(ActionOutcomeMessage(outcome, imagePath), err);
    if (!closed) return Refuse(kChangesNotWritten, err);
  }
  return PrintChanges({import.changes, {}}, false, out, err);
}
