#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

// Leaves the bytes a resize adds unset: a whole read fills them at once, and clearing
// megabytes first would cost as much as a CRC-32 of them.
template <class T>
struct UnsetBytesAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UnsetBytesAllocator<U>;
  };
  UnsetBytesAllocator() = default;
  template <class U>
  UnsetBytesAllocator(const UnsetBytesAllocator<U>&) {}
  template <class U>
  void construct(U* at) {
    ::new (static_cast<void*>(at)) U;
  }
};

using FileBytes = std::vector<std::uint8_t, UnsetBytesAllocator<std::uint8_t>>;

// What to say when a file cannot be read whole.
struct WholeFileMessages {
  const char* tooLarge;
  const char* cannotRead;
};

// Whether a file read to the size it was measured at ends there: one that grew while it
// was read is not the one that was measured.
bool EndsWhereRead(std::FILE* file);

// Reads an open file from its start into bytes, adding what it reads to bytesRead as it
// goes, so another thread can show progress. Refuses a file larger than limit unread.
// Returns the message of a failure, or null.
const char* ReadWholeFile(std::FILE* file, std::size_t limit, const WholeFileMessages& messages,
                          FileBytes& bytes, std::atomic<std::int32_t>& bytesRead);
