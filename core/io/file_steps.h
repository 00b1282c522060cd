#pragma once

#include <cstdio>
#include <string>

// The file steps a safe replace needs that the C++ library cannot take with the program's
// ANSI paths on Windows: there a narrow std::filesystem path is not read in the ANSI code page.

// Creates path for writing only when no file of that name exists; null otherwise, with
// alreadyExists telling a name collision from any other failure.
std::FILE* CreateNewFile(const std::string& path, bool& alreadyExists);

// True when nothing is at path, or a file its owner may write (not read-only) is.
bool MayReplaceFile(const std::string& path);

// Puts the file at from in the place of the one at to in one step.
bool MoveFileOver(const std::string& from, const std::string& to);
