#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

// While it lives, no write of this process reaches past bytes into any file, as on a full
// disk: the write fails instead of stopping the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
  void (*signalBefore_)(int) = nullptr;
};
