#include "core/csv/csv_record.h"

#include <algorithm>

namespace {

bool NeedsQuotes(char c) {
  return c == ',' || c == '"' || c == '\r' || c == '\n';
}

}  // namespace

void AppendCsvField(const std::string& field, std::string& record) {
  if (std::none_of(field.begin(), field.end(), NeedsQuotes)) {
    record += field;
    return;
  }
  // Each stretch up to a quote at once, the quote doubled at its end.
  record += '"';
  for (auto from = field.begin(); from != field.end();) {
    const auto quote = std::find(from, field.end(), '"');
    const auto to = quote == field.end() ? quote : quote + 1;
    record.append(from, to);
    if (quote != field.end()) record += '"';
    from = to;
  }
  record += '"';
}

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    AppendCsvField(fields[i], record);
  }
  return record + "\r\n";
}
