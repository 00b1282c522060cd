#pragma once

#include <cstdio>
#include <string>

// Writes a new file under a fresh name beside the target and puts it in the target's place
// in one step when complete. A failed write leaves the target as it was and touches no other
// file; a read-only target, or a folder, is refused before anything is written.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& targetPath);
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
