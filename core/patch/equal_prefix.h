#pragma once

#include <cstddef>
#include <cstdint>

// How many leading bytes of a and b, both count long, are equal.
std::size_t EqualPrefix(const std::uint8_t* a, const std::uint8_t* b, std::size_t count);
