#include "tests/support/folder_contents.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "tests/support/fixture_image.h"

FolderContents ReadFolderContents(const std::string& folder) {
  FolderContents contents;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    contents[name] = entry.is_regular_file() ? ReadFileText(entry.path().string()) : "<not a file>";
  }
  return contents;
}

std::string FreshFolder(const std::string& name) {
  const std::string folder = TempPath(name);
  std::filesystem::create_directory(folder);
  return folder;
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}
