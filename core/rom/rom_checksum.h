#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/rom/image_writes.h"
#include "core/rom/rom_layout.h"
#include "core/rom/rom_session.h"

// The internal checksum: the 16-bit sum of the ROM data, kept little-endian in the internal
// header with its complement just before it.
constexpr std::uint32_t kChecksumComplementInHeader = 0x1C;
constexpr std::uint32_t kChecksumInHeader = 0x1E;

// The checksum of ROM data (copier header excluded) whose internal header is at
// internalHeader: every byte summed modulo 0x10000, the checksum field counted as 0x0000 and
// its complement as 0xFFFF. A size of P + R bytes (P the largest power of two below it, R a
// power of two) is first mirrored up to 2P as the console maps it: the last R bytes count
// P / R times. False for any other size, or when the fields lie outside the data.
bool ComputeRomChecksum(std::vector<std::uint8_t> romData, std::uint32_t internalHeader, std::uint16_t& checksum);

struct RomChecksum {
  bool known = false;  // false: the size has no checksum, or the image could not be read
  std::uint16_t stored = 0;
  std::uint16_t storedComplement = 0;
  std::uint16_t computed = 0;
  bool Valid() const { return known && stored == computed && storedComplement == (computed ^ 0xFFFF); }
};

RomChecksum ReadRomChecksum(std::FILE* image, const RomLayout& layout);

enum class ChecksumFix { Fixed, AlreadyRight, Unknown, NotWritten, Refused };

struct ChecksumFixResult {
  ChecksumFix outcome;
  std::uint16_t checksum;  // the computed value, when known
  // Why the session's image was not written, for NotWritten and Refused.
  ActionOutcome writing = ActionOutcome::NotWritten;
  // Fixed or already right: an information to show rather than a "Warning".
  bool Succeeded() const { return outcome == ChecksumFix::Fixed || outcome == ChecksumFix::AlreadyRight; }
};

// Writes the computed checksum and its complement and flushes; writes nothing when both are
// already right or the checksum is unknown.
ChecksumFixResult FixRomChecksum(std::FILE* image, const RomLayout& layout);

// The same on the session's image as one undoable action. Only a checksum that needs
// writing makes the image's backup first. Refused, with nothing written, as RunImageAction
// refuses: no backup, a read-only image, one changed behind the program's back.
ChecksumFixResult FixRomChecksum(RomSession& session);

// "The checksum is now 0x1234." or "The checksum was already right."; for the failures the
// text of the "Warning" to show.
std::string ChecksumFixMessage(const ChecksumFixResult& result, const std::string& imagePath);
