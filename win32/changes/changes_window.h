#pragma once

#include "core/compare/image_changes.h"

// The "Changes" window, modal over the main window: a list of the changes (Table, Record,
// Name, Field, Before, After) sorted by a click on a column's header, Ctrl+C to copy the
// selected rows as tab-separated text, and "Save As..." to write all of them as CSV, in the
// order they were found. Given a question, it asks it below the list with
// Yes and No and returns true for Yes; otherwise it has Close and returns false.
bool ShowChangesWindow(const ImageChanges& changes, const char* question = nullptr);
