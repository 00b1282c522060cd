#pragma once

#include <string>

// The text dumps end every line with CR LF wherever they are made, so one table always
// gives the same file.
constexpr const char* kDumpLineEnd = "\r\n";

// The opening lines of a dump: its title, the credit line, 74 hyphens and an empty line.
std::string DumpHeader(const std::string& title);

// Appends one printf-formatted line and its CR LF.
void AppendDumpLine(std::string& dump, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Writes the whole dump or nothing: an existing file is replaced only by a complete one.
bool WriteDumpFile(const std::string& path, const std::string& dump);

// What the editors and the command line say when WriteDumpFile fails.
std::string DumpFailedMessage(const std::string& path);
