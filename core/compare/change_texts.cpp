#include "core/compare/change_texts.h"

#include <cstdio>

#include "core/csv/csv_record.h"

namespace {

std::string RomPosition(std::uint32_t position) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(position));
  return text;
}

std::string Positions(const ByteStretch& stretch) {
  return RomPosition(stretch.start) + "-" + RomPosition(stretch.end);
}

}  // namespace

std::string ChangeLine(const FieldChange& change) {
  return change.table + " " + std::to_string(change.record) + " \"" + change.name + "\": " + change.field + " " +
         change.before + " -> " + change.after;
}

std::string StretchLine(const ByteStretch& stretch) {
  return "bytes " + Positions(stretch) + ": " + std::to_string(stretch.count) +
         (stretch.count == 1 ? " differs" : " differ") + " (outside the known tables)";
}

std::string ChangeLines(const ImageChanges& changes) {
  std::string text;
  for (const FieldChange& change : changes.fields) text += ChangeLine(change) + "\n";
  for (const ByteStretch& stretch : changes.stretches) text += StretchLine(stretch) + "\n";
  return text;
}

std::vector<std::vector<std::string>> ChangeRows(const ImageChanges& changes) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(changes.fields.size() + changes.stretches.size());
  for (const FieldChange& change : changes.fields) {
    rows.push_back({change.table, std::to_string(change.record), change.name, change.field, change.before,
                    change.after});
  }
  for (const ByteStretch& stretch : changes.stretches) {
    rows.push_back({"bytes", RomPosition(stretch.start), Positions(stretch), std::to_string(stretch.count), "", ""});
  }
  return rows;
}

std::string TabSeparatedRows(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const std::vector<std::string>& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      std::string cell = row[i];
      for (char& c : cell) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
      }
      text += (i == 0 ? "" : "\t") + cell;
    }
    text += "\r\n";
  }
  return text;
}

std::string ChangesCsv(const ImageChanges& changes) {
  std::string text = CsvRecord({"table", "record", "name", "field", "before", "after"});
  for (const std::vector<std::string>& row : ChangeRows(changes)) text += CsvRecord(row);
  return text;
}
