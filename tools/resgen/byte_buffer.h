#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Little-endian output as the Windows file formats want it.
class ByteBuffer {
 public:
  void U8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(std::uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value);
    U16(value >> 16);
  }
  void Text(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void Bytes(const std::vector<std::uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};
