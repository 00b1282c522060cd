#pragma once

#include <string>
#include <vector>

// One record of RFC 4180 CSV, CRLF included: a field that holds a comma, a quote or a line
// break is quoted, its quotes doubled.
std::string CsvRecord(const std::vector<std::string>& fields);
