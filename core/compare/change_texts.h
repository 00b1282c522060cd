#pragma once

#include <string>
#include <vector>

#include "core/compare/image_changes.h"

// The ways a list of changes is shown: one line a change, rows of six cells (Table, Record,
// Name, Field, Before, After) for a list or a spreadsheet, and CSV of those rows.

// enemy 12 "Starman": HP 21 -> 40
std::string ChangeLine(const FieldChange& change);
// bytes 0x1A2B00-0x1A2B3F: 64 differ (outside the known tables)
std::string StretchLine(const ByteStretch& stretch);
// Every line, each ended by a line feed: the fields, then the stretches.
std::string ChangeLines(const ImageChanges& changes);

// A stretch's row has the table "bytes", its start for the record, its positions for the
// name and its count for the field.
std::vector<std::vector<std::string>> ChangeRows(const ImageChanges& changes);
// The rows as CSV under the header "table,record,name,field,before,after".
std::string ChangesCsv(const ImageChanges& changes);
// Rows as a spreadsheet takes them from the clipboard: cells split by tabs, each row ended
// by CRLF; a tab or line break inside a cell becomes a space.
std::string TabSeparatedRows(const std::vector<std::vector<std::string>>& rows);
