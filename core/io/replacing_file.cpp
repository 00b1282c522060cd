#include "core/io/replacing_file.h"

#include <filesystem>

ReplacingFile::ReplacingFile(const std::string& targetPath)
    : targetPath_(targetPath), tempPath_(targetPath + ".new") {
  stream_ = std::fopen(tempPath_.c_str(), "wb");
}

ReplacingFile::~ReplacingFile() {
  if (stream_) {
    std::fclose(stream_);
    std::remove(tempPath_.c_str());
  }
}

bool ReplacingFile::Write(const void* data, std::size_t size) {
  if (!stream_ || failed_) return false;
  failed_ = std::fwrite(data, 1, size, stream_) != size;
  return !failed_;
}

bool ReplacingFile::Commit() {
  if (!stream_) return false;
  const bool written = !failed_ && std::fflush(stream_) == 0;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!written || !closed) {
    std::remove(tempPath_.c_str());
    return false;
  }
  if (std::rename(tempPath_.c_str(), targetPath_.c_str()) == 0) return true;
  // Windows will not rename over an existing file: move the old one aside first and put it
  // back if the new one cannot take its place. A folder of that name is never moved.
  const auto giveUp = [this] {
    std::remove(tempPath_.c_str());
    return false;
  };
  std::error_code ignored;
  if (std::filesystem::is_directory(targetPath_, ignored)) return giveUp();
  const std::string asidePath = targetPath_ + ".old";
  std::remove(asidePath.c_str());
  if (std::rename(targetPath_.c_str(), asidePath.c_str()) != 0) return giveUp();
  if (std::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
    std::rename(asidePath.c_str(), targetPath_.c_str());
    return giveUp();
  }
  std::remove(asidePath.c_str());
  return true;
}
