#pragma once

#include <string>
#include <vector>

// Reads RFC 4180 CSV back into records of fields, so tests can check what a writer made.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text);
