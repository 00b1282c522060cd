#pragma once

#include <cstdint>
#include <cstdio>

// The size of an open file in 64 bits, as a long cannot hold it on Windows; 0 when it
// cannot be told. Leaves the stream at the end.
std::int64_t FileSize(std::FILE* file);
