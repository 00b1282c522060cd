#include "core/ips/write_ips_patch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/io/replacing_file.h"
#include "core/ips/ips_messages.h"

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::size_t kRecordSize = 6;
// Equal spans are passed by the library's compare, equal stretches with one test of ours.
constexpr std::size_t kSpan = 1024;
constexpr std::size_t kStretch = 64;
// The record moved off the "EOF" offset also carries the byte before it, from the same block.
static_assert(kIpsEofOffset % kBlockSize != 0, "the EOF offset must not start a block");

// One block of both images and the records of its differences.
struct Block {
  std::vector<std::uint8_t> edited = std::vector<std::uint8_t>(kBlockSize);
  std::vector<std::uint8_t> unedited = std::vector<std::uint8_t>(kBlockSize);
  // Room for a record at every position, one of them a byte longer.
  std::vector<std::uint8_t> records = std::vector<std::uint8_t>(kBlockSize * kRecordSize + 1);
};

std::uint8_t* PutRecord(std::uint8_t* out, std::uint32_t offset, std::uint8_t size) {
  out[0] = static_cast<std::uint8_t>(offset >> 16);
  out[1] = static_cast<std::uint8_t>(offset >> 8);
  out[2] = static_cast<std::uint8_t>(offset);
  out[3] = 0;
  out[4] = size;
  return out + 5;
}

std::uint8_t* PutDifferingByte(std::uint8_t* out, const Block& block, std::uint32_t start, std::size_t i) {
  const std::uint32_t position = start + static_cast<std::uint32_t>(i);
  if (position == kIpsEofOffset) {
    out = PutRecord(out, position - 1, 2);
    *out++ = block.edited[i - 1];
  } else {
    out = PutRecord(out, position, 1);
  }
  *out++ = block.edited[i];
  return out;
}

// In host order: good for telling equal from different.
std::uint64_t LoadWord(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// Little-endian whatever the host, so byte k of the image is bits 8k to 8k+7 of the word.
std::uint64_t LoadLittleEndianWord(const std::uint8_t* bytes) {
  std::uint64_t word = 0;
  for (int k = 7; k >= 0; --k) word = (word << 8) | bytes[k];
  return word;
}

// The index of the lowest nonzero byte of a nonzero word, without a branch per byte.
std::size_t LowestNonzeroByte(std::uint64_t word) {
  constexpr std::uint64_t kByteOnes = 0x0101010101010101;
  std::uint64_t flags = word | (word >> 4);
  flags |= flags >> 2;
  flags |= flags >> 1;
  flags &= kByteOnes;
  // Every byte below the lowest flagged one becomes 0xFF; their flags add up to the index.
  const std::uint64_t below = (flags & (~flags + 1)) - 1;
  return static_cast<std::size_t>(((below & kByteOnes) * kByteOnes) >> 56);
}

bool StretchEqual(const std::uint8_t* edited, const std::uint8_t* unedited) {
  std::uint64_t differing = 0;
  for (std::size_t k = 0; k < kStretch; k += 8) differing |= LoadWord(edited + k) ^ LoadWord(unedited + k);
  return differing == 0;
}

std::uint8_t* PutWordRecords(std::uint8_t* out, const Block& block, std::uint32_t start, std::size_t w) {
  std::uint64_t differing = LoadLittleEndianWord(&block.edited[w]) ^ LoadLittleEndianWord(&block.unedited[w]);
  while (differing != 0) {
    const std::size_t k = LowestNonzeroByte(differing);
    out = PutDifferingByte(out, block, start, w + k);
    differing &= ~(std::uint64_t{0xFF} << (8 * k));
  }
  return out;
}

// Equal stretches and equal words are passed whole; only differing words are taken apart.
std::uint8_t* PutSpanRecords(std::uint8_t* out, const Block& block, std::uint32_t start, std::size_t from,
                             std::size_t end) {
  const std::uint8_t* edited = block.edited.data();
  const std::uint8_t* unedited = block.unedited.data();
  std::size_t i = from;
  for (; i + kStretch <= end; i += kStretch) {
    if (StretchEqual(edited + i, unedited + i)) continue;
    for (std::size_t w = i; w < i + kStretch; w += 8) {
      if (LoadWord(edited + w) != LoadWord(unedited + w)) out = PutWordRecords(out, block, start, w);
    }
  }
  for (; i < end; ++i) {
    if (edited[i] != unedited[i]) out = PutDifferingByte(out, block, start, i);
  }
  return out;
}

bool WriteBlockRecords(Block& block, std::uint32_t start, std::size_t count, ReplacingFile& patch) {
  std::uint8_t* out = block.records.data();
  for (std::size_t i = 0; i < count; i += kSpan) {
    const std::size_t spanEnd = std::min(i + kSpan, count);
    if (std::memcmp(&block.edited[i], &block.unedited[i], spanEnd - i) == 0) continue;
    out = PutSpanRecords(out, block, start, i, spanEnd);
  }
  const std::size_t size = static_cast<std::size_t>(out - block.records.data());
  return size == 0 || patch.Write(block.records.data(), size);
}

bool Rewind(std::FILE* image) {
  if (std::fseek(image, 0, SEEK_SET) != 0) return false;
  std::clearerr(image);
  return true;
}

}  // namespace

IpsResult WriteIpsPatch(std::FILE* edited, std::FILE* unedited, const std::string& patchPath,
                        std::atomic<std::int32_t>& counter) {
  ReplacingFile patch(patchPath);
  if (!patch.Write("PATCH")) return IpsFailed(kIpsCannotWritePatch);
  if (!Rewind(edited) || !Rewind(unedited)) return IpsFailed(kIpsCannotReadRom);
  counter.store(0);

  Block block;
  std::uint32_t position = 0;
  for (;;) {
    const std::size_t editedCount = std::fread(block.edited.data(), 1, kBlockSize, edited);
    const std::size_t uneditedCount = std::fread(block.unedited.data(), 1, kBlockSize, unedited);
    if (std::ferror(edited) || std::ferror(unedited)) return IpsFailed(kIpsCannotReadRom);
    // The comparison ends where the shorter image ends.
    const std::size_t count = std::min(editedCount, uneditedCount);
    if (count > kIpsMaxImageSize - position) return IpsFailed(kIpsRomTooLarge);

    if (!WriteBlockRecords(block, position, count, patch)) return IpsFailed(kIpsCannotWritePatch);
    position += static_cast<std::uint32_t>(count);
    counter.store(static_cast<std::int32_t>(position), std::memory_order_relaxed);
    if (count < kBlockSize) break;
  }
  // The count includes the final round that finds the end of both images.
  counter.store(static_cast<std::int32_t>(position + 1));

  if (!patch.Write("EOF") || !patch.Commit()) return IpsFailed(kIpsCannotWritePatch);
  return IpsWritten();
}
