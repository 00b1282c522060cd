#pragma once

#include <map>
#include <string>

// Every entry of a folder with its content ("<not a file>" for a folder or a pipe), to show that a
// write changed nothing beside its own file.
using FolderContents = std::map<std::string, std::string>;
FolderContents ReadFolderContents(const std::string& folder);

// A fresh empty folder; the path ends without a separator.
std::string FreshFolder(const std::string& name);
void WriteTextFile(const std::string& path, const std::string& text);
