#include <array>

#include "core/patch/crc32_paths.h"

namespace {

using Crc32Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// Table k gives the register's change for a byte followed by k zero bytes, so eight bytes
// are taken in one step.
Crc32Tables MakeTables() {
  Crc32Tables tables{};
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    std::uint32_t crc = byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    tables[0][byte] = crc;
  }
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    for (std::size_t k = 1; k < tables.size(); ++k) {
      const std::uint32_t previous = tables[k - 1][byte];
      tables[k][byte] = (previous >> 8) ^ tables[0][previous & 0xFF];
    }
  }
  return tables;
}

const Crc32Tables& Tables() {
  static const Crc32Tables tables = MakeTables();
  return tables;
}

}  // namespace

std::uint32_t Crc32ByTables(std::uint32_t state, const std::uint8_t* bytes, std::size_t size) {
  const Crc32Tables& t = Tables();
  for (; size >= 8; bytes += 8, size -= 8) {
    const std::uint32_t low = state ^ (bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t{bytes[3]} << 24);
    state = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
            t[3][bytes[4]] ^ t[2][bytes[5]] ^ t[1][bytes[6]] ^ t[0][bytes[7]];
  }
  for (; size > 0; ++bytes, --size) state = (state >> 8) ^ t[0][(state ^ *bytes) & 0xFF];
  return state;
}
