#pragma once

#include <cstddef>
#include <cstdint>

// Where the count bytes of a and b first differ; count when they are the same.
std::size_t FirstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t count);
