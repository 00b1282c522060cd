#include "core/patch/read_whole_file.h"

#include <algorithm>

#include "core/rom/rom_session.h"

namespace {

// Progress moves at least this often.
constexpr std::size_t kStep = 1024 * 1024;

}  // namespace

const char* ReadWholeFile(std::FILE* file, std::size_t limit, const WholeFileMessages& messages,
                          FileBytes& bytes, std::atomic<std::int32_t>& bytesRead) {
  const auto size = GetRomSize(file);
  if (size < 0) return messages.cannotRead;
  if (static_cast<std::uint64_t>(size) > limit) return messages.tooLarge;
  if (std::fseek(file, 0, SEEK_SET) != 0) return messages.cannotRead;
  std::clearerr(file);
  bytes.resize(static_cast<std::size_t>(size));
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t count = std::min(kStep, bytes.size() - at);
    if (std::fread(bytes.data() + at, 1, count, file) != count) return messages.cannotRead;
    at += count;
    bytesRead.fetch_add(static_cast<std::int32_t>(count), std::memory_order_relaxed);
  }
  return EndsWhereRead(file) ? nullptr : messages.cannotRead;
}

bool EndsWhereRead(std::FILE* file) { return std::fgetc(file) == EOF && !std::ferror(file); }
