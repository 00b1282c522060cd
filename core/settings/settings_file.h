#pragma once

#include <string>

#include "core/settings/recent_roms.h"

// "quillon.ini": the five recent paths, one a line, newest first, nothing else.
extern const char* const kSettingsFileName;

// Reads the lines as a 260-byte line buffer would: a line longer than 259 characters
// fills one entry and its rest is read as the next line; missing lines are empty
// entries. Accepts LF and CR LF line ends.
RecentRoms ParseSettingsText(const std::string& text);
// Always five lines, each ending in CR LF as a text-mode file on Windows would.
std::string FormatSettingsText(const RecentRoms& roms);

// directory ends with its separator (it is the program's folder). A missing or
// unreadable file gives an empty list.
RecentRoms ReadSettingsFile(const std::string& directory);
// Replaces the file only once the new one is complete; false (old file kept) on failure.
bool WriteSettingsFile(const RecentRoms& roms, const std::string& directory);
