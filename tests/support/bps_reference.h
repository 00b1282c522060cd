#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The size of the plainest BPS patch for a pair: a source read for every equal stretch and
// literal bytes for every changed one. The encoder must never do worse.
std::size_t PlainBpsPatchSize(const std::vector<std::uint8_t>& edited, const std::vector<std::uint8_t>& unedited);

// Recomputes the patch's own CRC-32 in its last four bytes after a test has altered it.
void ResealBpsPatch(std::vector<std::uint8_t>& patch);

// A whole patch from its body (the sizes, the metadata and the actions): "BPS1" before it,
// the CRC-32s of source, target and patch after it.
std::vector<std::uint8_t> SealedBpsPatch(const std::vector<std::uint8_t>& source,
                                         const std::vector<std::uint8_t>& target,
                                         const std::vector<std::uint8_t>& body);
