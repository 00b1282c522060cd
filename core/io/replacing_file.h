#pragma once

#include <cstdio>
#include <string>

#include "core/io/file_steps.h"

// Writes a new file under a fresh name beside the target and puts it in the target's place
// in one step when complete. A failed write leaves the target as it was and touches no other
// file; a read-only target, or a folder, is refused before anything is written.
// The replacement keeps the target's permissions and, where the process may, its owner and
// group. A symbolic link stays: the file it points to is replaced. A file with more names
// than one is written in place once the new one is complete, so every name sees it.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& targetPath);
  // A new file given the permissions, owner and group of another (a copy of it).
  ReplacingFile(const std::string& targetPath, const FileAccess& newFileAccess);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False once anything failed, the refusal of the target included.
  bool Write(const void* data, std::size_t size);
  bool Write(const std::string& text) { return Write(text.data(), text.size()); }
  // Flushes, closes and moves into place; false (and the target untouched) on any failure.
  bool Commit();

 private:
  void Discard();

  std::string targetPath_;
  std::string tempPath_;
  std::FILE* stream_ = nullptr;
  bool failed_ = false;
};
