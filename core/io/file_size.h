#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The size of an open file in 64 bits, as a long cannot hold it on Windows; 0 when it
// cannot be told. Leaves the stream at the end.
std::int64_t FileSize(std::FILE* file);

// The size of the file at path; 0 when it cannot be opened or told.
std::int64_t FileSizeAt(const std::string& path);
