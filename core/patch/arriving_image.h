#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "core/patch/byte_span.h"
#include "core/patch/crc32.h"
#include "core/patch/read_whole_file.h"

// The ROM data of an open image, read a piece at a time as its reader asks for it, each piece
// added to the CRC-32 while it is still in the cache. Only the bytes from the reader's keep
// position on are held, so reading an image costs a little reused memory instead of the
// whole image's worth of fresh pages; the reader asks for the whole image only when it must
// look anywhere in it.
class ArrivingImage {
 public:
  // The data after headerSize bytes of file, refused unread when the file is larger than
  // limit. bytesRead counts the file's bytes as they arrive, header included.
  ArrivingImage(std::FILE* file, std::uint32_t headerSize, std::size_t limit, const WholeFileMessages& messages,
                std::atomic<std::int32_t>& bytesRead);
  // Bytes already whole in memory.
  explicit ArrivingImage(ByteSpan bytes);

  std::size_t Size() const { return size_; }
  // Reads until the bytes before end have arrived; bytes before keep may go to make room.
  void Arrive(std::size_t end, std::size_t keep);
  // Every byte, held at once; nothing held goes from now on.
  ByteSpan Whole();
  // Where the bytes not yet arrived begin; past any position once all have.
  std::size_t ArrivedOrAll() const { return arrived_ == size_ ? static_cast<std::size_t>(-1) : arrived_; }
  // An arrived byte still held, and the bytes after it.
  const std::uint8_t* At(std::size_t position) const { return data_ + (position - first_); }

  // The message of a refusal or of a failed read, or null; a read may still fail until
  // every byte has arrived.
  const char* Failure() const { return failure_; }
  // Once every byte has arrived, the CRC-32 of the data.
  std::uint32_t Crc() const { return crc_.Value(); }

 private:
  void MakeRoom(std::size_t keep);
  void ReadPiece();
  // Keeps the first failure for Failure to tell.
  void Fail(const char* message);

  std::FILE* file_ = nullptr;
  std::uint32_t headerSize_ = 0;
  WholeFileMessages messages_{};
  std::atomic<std::int32_t>* bytesRead_ = nullptr;
  std::size_t size_ = 0;
  FileBytes held_;
  const std::uint8_t* data_ = nullptr;
  // The position of data_[0], and of the first byte not yet arrived.
  std::size_t first_ = 0;
  std::size_t arrived_ = 0;
  bool whole_ = false;
  const char* failure_ = nullptr;
  Crc32Stream crc_;
};
