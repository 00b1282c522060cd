#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// What to say when a file cannot be read whole.
struct WholeFileMessages {
  const char* tooLarge;
  const char* cannotRead;
};

// Reads an open file from its start into bytes, adding what it reads to bytesRead as it
// goes, so another thread can show progress. Refuses a file larger than limit unread.
// Returns the message of a failure, or null.
const char* ReadWholeFile(std::FILE* file, std::size_t limit, const WholeFileMessages& messages,
                          std::vector<std::uint8_t>& bytes, std::atomic<std::int32_t>& bytesRead);
