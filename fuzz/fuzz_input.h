#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The fuzzer's bytes taken from the front, a piece at a time; past the end they read as zeros.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : at_(data), end_(data + size) {}

  std::uint8_t Byte() { return at_ == end_ ? 0 : *at_++; }
  // A little-endian number of width bytes.
  std::uint32_t Number(unsigned width) {
    std::uint32_t value = 0;
    for (unsigned i = 0; i < width; ++i) value |= std::uint32_t{Byte()} << (8 * i);
    return value;
  }
  std::vector<std::uint8_t> Bytes(std::size_t count) {
    const std::size_t taken = count < Left() ? count : Left();
    std::vector<std::uint8_t> bytes(at_, at_ + taken);
    at_ += taken;
    return bytes;
  }
  std::vector<std::uint8_t> Rest() { return Bytes(Left()); }
  std::size_t Left() const { return static_cast<std::size_t>(end_ - at_); }

 private:
  const std::uint8_t* at_;
  const std::uint8_t* end_;
};
