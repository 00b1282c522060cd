#pragma once

#include <string>
#include <vector>

// RFC 4180 CSV: a field that holds a comma, a quote or a line break is quoted, its quotes
// doubled.

// Appends the field to the record being written, quoted where it must be.
void AppendCsvField(const std::string& field, std::string& record);

// One record, CRLF included.
std::string CsvRecord(const std::vector<std::string>& fields);
