#include "core/csv/csv_record.h"

namespace {

void AppendCsvField(const std::string& field, std::string& record) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    record += field;
    return;
  }
  record += '"';
  for (const char c : field) {
    if (c == '"') record += '"';
    record += c;
  }
  record += '"';
}

}  // namespace

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    AppendCsvField(fields[i], record);
  }
  return record + "\r\n";
}
