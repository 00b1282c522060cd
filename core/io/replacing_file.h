#pragma once

#include <cstdio>
#include <string>

// Writes a new file beside the target and puts it in place only when it is complete, so a
// failed write never leaves a truncated file and never destroys the earlier one.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& targetPath);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Null when the temporary file could not be created.
  std::FILE* stream() const { return stream_; }
  bool Write(const void* data, std::size_t size);
  bool Write(const std::string& text) { return Write(text.data(), text.size()); }
  // Flushes, closes and renames into place; false (and the target untouched) on any failure.
  bool Commit();

 private:
  std::string targetPath_;
  std::string tempPath_;
  std::FILE* stream_ = nullptr;
  bool failed_ = false;
};
