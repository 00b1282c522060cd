#include "core/patch/arriving_image.h"

#include <algorithm>
#include <cstring>

#include "core/rom/rom_session.h"

namespace {

// Small enough to stay in the cache between its read and the CRC-32 and compare that
// follow, large enough that reading it costs one call.
constexpr std::size_t kPiece = 64 * 1024;
// Room for the few bytes kept from the piece before, so the held bytes stay one small block
// that the allocator hands out again each time instead of fresh pages.
constexpr std::size_t kSlack = 4 * 1024;

}  // namespace

ArrivingImage::ArrivingImage(std::FILE* file, std::uint32_t headerSize, std::size_t limit,
                             const WholeFileMessages& messages, std::atomic<std::int32_t>& bytesRead)
    : file_(file), messages_(messages), bytesRead_(&bytesRead) {
  const std::int64_t fileSize = GetRomSize(file);
  if (fileSize < 0) {
    Fail(messages.cannotRead);
    return;
  }
  if (static_cast<std::uint64_t>(fileSize) > limit) {
    Fail(messages.tooLarge);
    return;
  }
  headerSize_ = static_cast<std::uint32_t>(std::min<std::int64_t>(headerSize, fileSize));
  size_ = static_cast<std::size_t>(fileSize) - headerSize_;
  bytesRead.fetch_add(static_cast<std::int32_t>(headerSize_), std::memory_order_relaxed);
  if (std::fseek(file, static_cast<long>(headerSize_), SEEK_SET) != 0) Fail(messages.cannotRead);
  std::clearerr(file);
}

ArrivingImage::ArrivingImage(ByteSpan bytes)
    : size_(bytes.size), data_(bytes.data), arrived_(bytes.size), whole_(true) {
  crc_.Add(bytes);
}

void ArrivingImage::Arrive(std::size_t end, std::size_t keep) {
  end = std::min(end, size_);
  while (arrived_ < end) {
    MakeRoom(keep);
    ReadPiece();
  }
}

ByteSpan ArrivingImage::Whole() {
  if (!whole_) {
    // The bytes already let go are read again; their CRC-32 is taken.
    FileBytes whole;
    whole.resize(size_);
    const bool reread = failure_ || (std::fseek(file_, static_cast<long>(headerSize_), SEEK_SET) == 0 &&
                                     std::fread(whole.data(), 1, first_, file_) == first_ &&
                                     std::fseek(file_, static_cast<long>(headerSize_ + arrived_), SEEK_SET) == 0);
    if (!reread) Fail(messages_.cannotRead);
    if (failure_) std::memset(whole.data(), 0, first_);
    if (arrived_ > first_) std::memcpy(whole.data() + first_, data_, arrived_ - first_);
    held_ = std::move(whole);
    data_ = held_.data();
    first_ = 0;
    whole_ = true;
  }
  Arrive(size_, 0);
  return ByteSpan(data_, size_);
}

// Drops the bytes before keep, then makes the held bytes large enough for one more piece.
void ArrivingImage::MakeRoom(std::size_t keep) {
  if (whole_) return;
  // Kept from a multiple of 64 on, so that pieces are read to an aligned place: the copy
  // from the system's cache is much slower into a misaligned one.
  keep = std::max(first_, std::min(keep, arrived_) & ~std::size_t{63});
  if (keep > first_) {
    std::memmove(held_.data(), data_ + (keep - first_), arrived_ - keep);
    first_ = keep;
  }
  const std::size_t needed = arrived_ - first_ + std::min(kPiece, size_ - arrived_);
  if (held_.size() < needed) held_.resize(std::max(needed + kSlack, 2 * held_.size()));
  data_ = held_.data();
}

// After a failure the rest arrives as zeros, so whoever reads it finishes as usual.
void ArrivingImage::ReadPiece() {
  // Pieces end at multiples of kPiece in the file: reading from the middle of the system's
  // pages, as a copier header would have it, costs a fifth more.
  const std::size_t count = std::min(kPiece - (headerSize_ + arrived_) % kPiece, size_ - arrived_);
  std::uint8_t* at = held_.data() + (arrived_ - first_);
  if (!failure_ && std::fread(at, 1, count, file_) != count) Fail(messages_.cannotRead);
  if (failure_) {
    std::memset(at, 0, count);
  } else {
    crc_.Add(ByteSpan(at, count));
  }
  arrived_ += count;
  bytesRead_->fetch_add(static_cast<std::int32_t>(count), std::memory_order_relaxed);
  if (!failure_ && arrived_ == size_ && !EndsWhereRead(file_)) Fail(messages_.cannotRead);
}

void ArrivingImage::Fail(const char* message) {
  if (!failure_) failure_ = message;
}
