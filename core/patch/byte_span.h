#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A read-only view of bytes, so the patch formats work on arrays, files read into memory
// or parts of either alike.
struct ByteSpan {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;

  ByteSpan() = default;
  ByteSpan(const std::uint8_t* bytes, std::size_t count) : data(bytes), size(count) {}
  ByteSpan(const std::vector<std::uint8_t>& bytes) : data(bytes.data()), size(bytes.size()) {}

  const std::uint8_t& operator[](std::size_t i) const { return data[i]; }
  // The bytes from offset on; empty when offset lies past the end.
  ByteSpan From(std::size_t offset) const {
    return offset < size ? ByteSpan(data + offset, size - offset) : ByteSpan();
  }
};
