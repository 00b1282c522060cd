#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kExportUsage = "quillon-cli export TABLE IMAGE OUT.csv";
constexpr const char* kImportUsage = "quillon-cli import TABLE IMAGE IN.csv [--dry-run]";

// export TABLE IMAGE OUT: the table as CSV, to OUT or (for "-") standard output.
int ExportCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// import TABLE IMAGE IN [--dry-run]: writes the fields the CSV changes into the image as one
// action and prints the changes; with --dry-run only prints them. Any problem with the CSV
// lists up to 20 problems on err and writes nothing. Returns the exit status.
int ImportCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
