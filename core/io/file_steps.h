#pragma once

#include <cstdio>
#include <string>

// The file steps a safe replace needs that the C++ library cannot take with the program's
// ANSI paths on Windows: there a narrow std::filesystem path is not read in the ANSI code page.

// Creates path for writing only when no file of that name exists; null otherwise, with
// alreadyExists telling a name collision from any other failure.
std::FILE* CreateNewFile(const std::string& path, bool& alreadyExists);

// What is at a path, told without opening it.
enum class PathKind {
  Nothing,
  WritableFile,
  ReadOnlyFile,  // by its permissions, which root or an administrator could ignore
  NotAFile,      // a folder, a pipe, a device
  Unknown,       // cannot be told, as in a folder the process may not search
};
PathKind KindOfPath(const std::string& path);

// True when nothing is at path, or a file its owner may write (not read-only) is.
bool MayReplaceFile(const std::string& path);

// Puts the file at from in the place of the one at to in one step.
bool MoveFileOver(const std::string& from, const std::string& to);

// The file a path names once every symbolic link on the way is followed, even to a file not
// there yet; the path itself when it is no link.
std::string FollowLinks(const std::string& path);

// How many names a regular file has; 1 when it cannot be told.
unsigned LinkCount(const std::string& path);

// Writes the bytes of the file at from over the file at to, in that file itself, so every
// name it has sees them. The target is only sound again once this returns true.
bool CopyFileInPlace(const std::string& from, const std::string& to);

// Who may read and write a file: its permission bits, owner and group.
struct FileAccess {
  bool known = false;
  unsigned mode = 0;
  long owner = -1;
  long group = -1;
};

FileAccess AccessOf(const std::string& path);
// Gives an open file those permission bits and, where the process may, that owner and group.
bool GiveAccess(std::FILE* file, const FileAccess& access);
