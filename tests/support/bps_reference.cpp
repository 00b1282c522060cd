#include "tests/support/bps_reference.h"

#include <algorithm>
#include <iterator>

#include "core/patch/bps_number.h"
#include "core/patch/crc32.h"

namespace {

std::size_t NumberSize(std::uint64_t number) {
  std::vector<std::uint8_t> bytes;
  PutBpsNumber(bytes, number);
  return bytes.size();
}

}  // namespace

std::size_t PlainBpsPatchSize(const std::vector<std::uint8_t>& edited, const std::vector<std::uint8_t>& unedited) {
  std::size_t size = 4 + NumberSize(unedited.size()) + NumberSize(edited.size()) + NumberSize(0) + 12;
  const std::size_t common = std::min(edited.size(), unedited.size());
  std::size_t p = 0;
  while (p < edited.size()) {
    const bool equal = p < common && edited[p] == unedited[p];
    std::size_t end = p;
    while (end < edited.size() && (end < common && edited[end] == unedited[end]) == equal) ++end;
    const std::size_t length = end - p;
    size += equal ? NumberSize((length - 1) << 2) : NumberSize((length - 1) << 2 | 1) + length;
    p = end;
  }
  return size;
}

void ResealBpsPatch(std::vector<std::uint8_t>& patch) {
  const std::uint32_t crc = Crc32(ByteSpan(patch.data(), patch.size() - 4));
  for (int i = 0; i < 4; ++i) patch[patch.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

std::vector<std::uint8_t> SealedBpsPatch(const std::vector<std::uint8_t>& source,
                                         const std::vector<std::uint8_t>& target,
                                         const std::vector<std::uint8_t>& body) {
  const std::uint8_t magic[] = {'B', 'P', 'S', '1'};
  std::vector<std::uint8_t> patch(sizeof magic + body.size());
  std::copy(std::begin(magic), std::end(magic), patch.begin());
  std::copy(body.begin(), body.end(), patch.begin() + sizeof magic);
  for (const std::uint32_t crc : {Crc32(source), Crc32(target), std::uint32_t{0}}) {
    for (int i = 0; i < 4; ++i) patch.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
  }
  ResealBpsPatch(patch);
  return patch;
}
