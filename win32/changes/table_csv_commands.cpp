#include "win32/changes/table_csv_commands.h"

#include <string>

#include "core/csv/read_csv_file.h"
#include "core/csv/table_export.h"
#include "core/csv/table_in_image.h"
#include "core/io/text_dump.h"
#include "core/rom/apply_messages.h"
#include "core/text/ansi_utf8.h"
#include "win32/app/app_state.h"
#include "win32/app/output_file_choice.h"
#include "win32/changes/changes_window.h"

namespace {

constexpr char kWriteQuestion[] = "Write these changes to the image?";

bool ReadLoadedTables(const KnownTable& table, GameTables& tables, std::vector<std::uint8_t>& tableBytes) {
  if (ReadTableOfImage(romSession.romFile, romSession.romLayout, table, tables, tableBytes)) return true;
  ShowWarning(*platform, std::string("The ") + table.name + " table could not be read from the image.");
  return false;
}

// The problems quote the file's UTF-8 text; the box shows the code page where it can.
std::string ProblemList(const TableImport& import) {
  std::string list;
  for (const std::string& problem : import.problems) list += (list.empty() ? "" : "\n") + problem;
  const AnsiText shown = Utf8ToAnsi(list);
  return shown.utf8 && shown.unheld.empty() ? shown.text : list;
}

}  // namespace

const CsvMenuTable kTextCsvTables[kTextCsvTableCount] = {{"&PSI Names", PsiNameTableFields},
                                                         {"&Teleports", TeleportTableFields},
                                                         {"P&hone List", PhoneListTableFields},
                                                         {"&Ailments", AilmentTableFields},
                                                         {"&Battle Menu", BattleMenuTableFields}};

void ExportTableCsv(const KnownTable& table) {
  std::string path = csvPathBuffer;
  if (!ChooseOutputFile(FileDialog::Csv, path)) return;
  GameTables tables;
  std::vector<std::uint8_t> tableBytes;
  if (!ReadLoadedTables(table, tables, tableBytes)) return;
  if (!WriteDumpFile(path, TableCsv(table, tables))) {
    ShowWarning(*platform, "The table could not be written to " + path + ".");
  }
}

bool ImportTableCsv(const KnownTable& table) {
  std::string path = csvPathBuffer;
  if (!platform->ChooseFile(FileDialog::Csv, FileDialogMode::Open, path)) return false;
  std::string csv;
  const std::string unread = ReadCsvFile(path, csv);
  if (!unread.empty()) {
    ShowWarning(*platform, unread);
    return false;
  }
  GameTables tables;
  std::vector<std::uint8_t> tableBytes;
  if (!ReadLoadedTables(table, tables, tableBytes)) return false;
  const TableImport import = ReadTableImport(table, tables, std::move(tableBytes), csv);
  if (!import.problems.empty()) {
    ShowWarning(*platform, ProblemList(import));
    return false;
  }
  if (import.changes.empty()) {
    ShowInformation(*platform, "The file changes nothing in the image.");
    return false;
  }
  if (!ShowChangesWindow({import.changes, {}}, kWriteQuestion)) return false;
  const ActionOutcome outcome = WriteTableImport(romSession, table, import);
  LoadGameTables(romSession.romFile, romSession.romLayout, listOrders, gameTables);
  ReportActionOutcome(*platform, outcome, romSession.romPath);
  return true;
}
