#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/patch/byte_span.h"

// "BPS1", the source, target and metadata sizes, the actions, then three CRC-32s.
constexpr char kBpsMagic[4] = {'B', 'P', 'S', '1'};
constexpr std::size_t kBpsFooterSize = 12;

inline bool StartsAsBpsPatch(ByteSpan bytes) {
  return bytes.size >= sizeof kBpsMagic && std::memcmp(bytes.data, kBpsMagic, sizeof kBpsMagic) == 0;
}

// An action is one number: its command in the low two bits, its length less one above.
enum class BpsCommand : std::uint8_t {
  SourceRead = 0,  // the source's bytes at the output position
  TargetRead = 1,  // literal bytes from the patch
  SourceCopy = 2,  // the source's bytes at its relative offset
  TargetCopy = 3,  // bytes already written, at the target's relative offset
};

inline std::uint64_t BpsAction(BpsCommand command, std::uint64_t length) {
  return ((length - 1) << 2) | static_cast<std::uint64_t>(command);
}

// A relative offset moves by a signed amount: its size shifted up, the sign in bit 0.
inline std::uint64_t BpsOffsetMove(std::int64_t move) {
  return move < 0 ? static_cast<std::uint64_t>(-move) << 1 | 1 : static_cast<std::uint64_t>(move) << 1;
}
