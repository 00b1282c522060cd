// Applying any patch to any image gives what a plain applier written from the formats gives:
// the same refusal or the same bytes. The first input byte can seal a BPS patch with the
// right CRC-32s, so the fuzzer reaches its actions past the checks.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "core/patch/apply_patch.h"
#include "core/patch/crc32.h"
#include "fuzz/fuzz_input.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kLargestResult = 16 * 1024 * 1024;
constexpr std::size_t kFooter = 12;

std::uint32_t Crc(const Bytes& bytes, std::size_t from = 0) {
  return Crc32(ByteSpan(bytes.data(), bytes.size()).From(from));
}

std::uint32_t Read32(const Bytes& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

void Write32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::optional<Bytes> PlainIps(const Bytes& patch, Bytes image) {
  if (patch.size() < 5 || std::memcmp(patch.data(), "PATCH", 5) != 0) return std::nullopt;
  std::size_t at = 5;
  const auto big = [&](std::size_t count) {
    std::size_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value = value << 8 | patch[at++];
    return value;
  };
  for (;;) {
    if (patch.size() - at < 3) return std::nullopt;
    const std::size_t offset = big(3);
    const std::size_t left = patch.size() - at;
    if (offset == 0x454F46 && (left == 0 || left == 3)) {
      if (left == 3) {
        const std::size_t cut = big(3);
        if (cut < image.size()) image.resize(cut);
      }
      return image;
    }
    if (left < 2) return std::nullopt;
    std::size_t size = big(2);
    Bytes bytes;
    if (size > 0) {
      if (patch.size() - at < size) return std::nullopt;
      bytes.assign(patch.begin() + at, patch.begin() + at + size);
      at += size;
    } else {
      if (patch.size() - at < 3) return std::nullopt;
      size = big(2);
      bytes.assign(size, patch[at++]);
    }
    if (size == 0) continue;
    if (offset + size > kLargestResult) return std::nullopt;
    if (image.size() < offset + size) image.resize(offset + size);
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
  }
}

// A number of seven bits a byte, each longer form starting where the shorter ones end.
bool Number(const Bytes& patch, std::size_t& at, std::size_t end, std::uint64_t& number) {
  unsigned __int128 value = 0;
  unsigned __int128 shift = 1;
  for (int length = 0; length < 11; ++length) {
    if (at == end) return false;
    const std::uint8_t byte = patch[at++];
    value += (byte & 0x7F) * shift;
    if (byte & 0x80) {
      if (value > UINT64_MAX) return false;
      number = static_cast<std::uint64_t>(value);
      return true;
    }
    shift <<= 7;
    value += shift;
  }
  return false;
}

struct BpsRun {
  bool ok = false;
  Bytes target;
};

// The actions of a patch over source, without its CRC-32s.
BpsRun PlainBpsActions(const Bytes& patch, std::size_t at, std::size_t end, const Bytes& source,
                       std::uint64_t targetSize) {
  BpsRun run;
  Bytes& target = run.target;
  target.reserve(static_cast<std::size_t>(targetSize));
  std::int64_t sourceOffset = 0;
  std::int64_t targetOffset = 0;
  const auto move = [&](std::int64_t& offset, std::int64_t limit) {
    std::uint64_t number;
    if (!Number(patch, at, end, number)) return false;
    const std::uint64_t distance = number >> 1;
    if (distance >= static_cast<std::uint64_t>(INT64_MAX / 2)) return false;
    offset += (number & 1) ? -static_cast<std::int64_t>(distance) : static_cast<std::int64_t>(distance);
    return offset >= 0 && offset < limit;
  };
  while (at < end) {
    std::uint64_t action;
    if (!Number(patch, at, end, action)) return run;
    const std::uint64_t length = (action >> 2) + 1;
    if (length > targetSize - target.size()) return run;
    const std::size_t output = target.size();
    switch (action & 3) {
      case 0:
        if (output + length > source.size()) return run;
        target.insert(target.end(), source.begin() + output, source.begin() + output + length);
        break;
      case 1:
        if (length > end - at) return run;
        target.insert(target.end(), patch.begin() + at, patch.begin() + at + length);
        at += length;
        break;
      case 2:
        if (!move(sourceOffset, static_cast<std::int64_t>(source.size())) || length > source.size() - sourceOffset) {
          return run;
        }
        target.insert(target.end(), source.begin() + sourceOffset, source.begin() + sourceOffset + length);
        sourceOffset += length;
        break;
      default:
        if (!move(targetOffset, static_cast<std::int64_t>(output))) return run;
        for (std::uint64_t i = 0; i < length; ++i) target.push_back(target[targetOffset++]);
        break;
    }
  }
  run.ok = target.size() == targetSize;
  return run;
}

struct BpsLayout {
  std::uint64_t sourceSize;
  std::uint64_t targetSize;
  std::size_t actions;
  std::size_t footer;
};

std::optional<BpsLayout> ReadBpsLayout(const Bytes& patch) {
  if (patch.size() < 4 + 3 + kFooter || std::memcmp(patch.data(), "BPS1", 4) != 0) return std::nullopt;
  BpsLayout layout{0, 0, 4, patch.size() - kFooter};
  std::uint64_t metadata;
  if (!Number(patch, layout.actions, layout.footer, layout.sourceSize) ||
      !Number(patch, layout.actions, layout.footer, layout.targetSize) ||
      !Number(patch, layout.actions, layout.footer, metadata) || metadata > layout.footer - layout.actions) {
    return std::nullopt;
  }
  layout.actions += static_cast<std::size_t>(metadata);
  return layout;
}

// The ROM data after the header is the source; a patch made over the whole file has it all.
std::optional<Bytes> PlainBps(const Bytes& patch, const Bytes& image, std::size_t header, bool& wholeFile) {
  if (patch.size() < 4 + 3 + kFooter || std::memcmp(patch.data(), "BPS1", 4) != 0) return std::nullopt;
  if (Crc32(ByteSpan(patch.data(), patch.size() - 4)) != Read32(patch, patch.size() - 4)) return std::nullopt;
  const std::optional<BpsLayout> layout = ReadBpsLayout(patch);
  if (!layout) return std::nullopt;
  const auto fits = [&](std::size_t from) {
    return layout->sourceSize == image.size() - from && Crc(image, from) == Read32(patch, layout->footer);
  };
  std::size_t start = header < image.size() ? header : image.size();
  if (!fits(start)) {
    if (start == 0 || !fits(0)) return std::nullopt;
    start = 0;
  }
  if (layout->targetSize > kLargestResult) return std::nullopt;
  const Bytes source(image.begin() + start, image.end());
  BpsRun run = PlainBpsActions(patch, layout->actions, layout->footer, source, layout->targetSize);
  if (!run.ok || Crc(run.target) != Read32(patch, layout->footer + 4)) return std::nullopt;
  wholeFile = start == 0 && header > 0;
  Bytes result(image.begin(), image.begin() + start);
  result.insert(result.end(), run.target.begin(), run.target.end());
  return result;
}

// Gives the patch the CRC-32s that make it pass its checks over the image's ROM data.
void Seal(Bytes& patch, const Bytes& image, std::size_t header) {
  const std::optional<BpsLayout> layout = ReadBpsLayout(patch);
  if (!layout) return;
  const Bytes source(image.begin() + (header < image.size() ? header : image.size()), image.end());
  Write32(patch, layout->footer, Crc(source));
  if (layout->targetSize <= kLargestResult) {
    const BpsRun run = PlainBpsActions(patch, layout->actions, layout->footer, source, layout->targetSize);
    if (run.ok) Write32(patch, layout->footer + 4, Crc(run.target));
  }
  Write32(patch, patch.size() - 4, Crc32(ByteSpan(patch.data(), patch.size() - 4)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t choices = input.Byte();
  const std::size_t header = (choices & 1) ? 512 : 0;
  const Bytes image = input.Bytes(input.Number(2));
  Bytes patch = input.Rest();
  // Sealed over the whole file, a patch tries the way older tools made them.
  if (choices & 2) Seal(patch, image, (choices & 4) ? 0 : header);

  bool wholeFile = false;
  const bool isBps = patch.size() >= 4 && std::memcmp(patch.data(), "BPS1", 4) == 0;
  const std::optional<Bytes> expected = isBps ? PlainBps(patch, image, header, wholeFile) : PlainIps(patch, image);
  const AppliedPatch applied = ApplyPatch(ByteSpan(patch.data(), patch.size()), ByteSpan(image.data(), image.size()), header);
  if (applied.applied != expected.has_value()) std::abort();
  if (expected && (applied.image != *expected || applied.wholeFile != wholeFile)) std::abort();
  if (!applied.applied && applied.message.empty()) std::abort();
  return 0;
}
