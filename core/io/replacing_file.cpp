#include "core/io/replacing_file.h"

#include <atomic>
#include <chrono>
#include <cinttypes>
#include <random>

#include "core/io/file_steps.h"

namespace {

// Names are drawn afresh until one is free; a run of collisions this long means something
// else is wrong.
constexpr int kNameAttempts = 100;

std::string TemporaryName(const std::string& targetPath, std::mt19937_64& random) {
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%08" PRIx32 ".tmp", static_cast<std::uint32_t>(random()));
  return targetPath + suffix;
}

std::mt19937_64 SeededRandom() {
  static std::atomic<std::uint64_t> calls{0};
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::seed_seq seed{now, now >> 32, ++calls};
  return std::mt19937_64(seed);
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& targetPath) : ReplacingFile(targetPath, FileAccess{}) {}

ReplacingFile::ReplacingFile(const std::string& targetPath, const FileAccess& newFileAccess)
    : targetPath_(FollowLinks(targetPath)) {
  if (!MayReplaceFile(targetPath_)) return;
  const FileAccess existing = AccessOf(targetPath_);
  std::mt19937_64 random = SeededRandom();
  for (int attempt = 0; attempt < kNameAttempts && !stream_; ++attempt) {
    tempPath_ = TemporaryName(targetPath_, random);
    bool alreadyExists = false;
    stream_ = CreateNewFile(tempPath_, alreadyExists);
    if (!alreadyExists) break;
  }
  // Before any byte is written, so no one the target keeps out reads a byte of it.
  if (stream_ && !GiveAccess(stream_, existing.known ? existing : newFileAccess)) failed_ = true;
}

ReplacingFile::~ReplacingFile() {
  if (stream_) Discard();
}

bool ReplacingFile::Write(const void* data, std::size_t size) {
  if (!stream_ || failed_) return false;
  // An empty image's bytes may have no place at all, which fwrite must not be given.
  if (size == 0) return true;
  failed_ = std::fwrite(data, 1, size, stream_) != size;
  return !failed_;
}

bool ReplacingFile::Commit() {
  if (!stream_) return false;
  if (failed_ || std::fflush(stream_) != 0) {
    Discard();
    return false;
  }
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  const bool inPlace = LinkCount(targetPath_) > 1;
  const bool placed = closed && (inPlace ? CopyFileInPlace(tempPath_, targetPath_) : MoveFileOver(tempPath_, targetPath_));
  if (!placed || inPlace) std::remove(tempPath_.c_str());
  return placed;
}

void ReplacingFile::Discard() {
  std::fclose(stream_);
  stream_ = nullptr;
  std::remove(tempPath_.c_str());
}
