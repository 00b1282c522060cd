#pragma once

#include <string>

// What the editor and the command line say about a file that is not one they may use.
std::string NotRegularFileMessage(const std::string& path);
std::string ReadOnlyFileMessage(const std::string& path);

// Why nothing may be written to path (a read-only file, or no file at all but a folder, a
// pipe or a device); empty when it may be, or when only trying can tell.
std::string WriteRefusal(const std::string& path);
