#include "core/rom/rom_checksum.h"

#include "core/rom/apply_messages.h"
#include "core/rom/image_action.h"
#include "core/rom/rom_session.h"

namespace {

bool IsPowerOfTwo(std::size_t size) {
  return size != 0 && (size & (size - 1)) == 0;
}

std::size_t LargestPowerOfTwoBelow(std::size_t size) {
  std::size_t power = 1;
  while (power * 2 < size) power *= 2;
  return power;
}

std::uint32_t Sum(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
  return sum;
}

std::vector<std::uint8_t> ReadRomData(std::FILE* image, const RomLayout& layout) {
  const std::int64_t fileSize = GetRomSize(image);
  if (fileSize <= layout.headerSize || fileSize > kMaximumRomSize) return {};
  std::vector<std::uint8_t> data(static_cast<std::size_t>(fileSize) - layout.headerSize);
  if (!ReadRomBytes(image, layout.FileOffset(0), data.data(), data.size())) return {};
  return data;
}

std::uint16_t StoredValue(const std::vector<std::uint8_t>& data, std::uint32_t position) {
  return static_cast<std::uint16_t>(data[position] | data[position + 1] << 8);
}

}  // namespace

bool ComputeRomChecksum(std::vector<std::uint8_t> romData, std::uint32_t internalHeader, std::uint16_t& checksum) {
  const std::size_t size = romData.size();
  if (internalHeader + kChecksumInHeader + 2 > size) return false;
  const std::uint8_t fields[4] = {0xFF, 0xFF, 0x00, 0x00};
  for (std::size_t i = 0; i < sizeof fields; ++i) romData[internalHeader + kChecksumComplementInHeader + i] = fields[i];

  std::uint32_t sum = 0;
  if (IsPowerOfTwo(size)) {
    sum = Sum(romData.data(), size);
  } else {
    const std::size_t whole = LargestPowerOfTwoBelow(size);
    const std::size_t rest = size - whole;
    if (!IsPowerOfTwo(rest)) return false;
    const std::uint32_t restSum = Sum(romData.data() + whole, rest);
    sum = Sum(romData.data(), whole) + restSum * static_cast<std::uint32_t>(whole / rest);
  }
  checksum = static_cast<std::uint16_t>(sum);
  return true;
}

RomChecksum ReadRomChecksum(std::FILE* image, const RomLayout& layout) {
  RomChecksum result;
  std::vector<std::uint8_t> data = ReadRomData(image, layout);
  if (!ComputeRomChecksum(data, layout.internalHeader, result.computed)) return result;
  result.known = true;
  result.stored = StoredValue(data, layout.internalHeader + kChecksumInHeader);
  result.storedComplement = StoredValue(data, layout.internalHeader + kChecksumComplementInHeader);
  return result;
}

namespace {

ChecksumFixResult FixRomChecksum(std::FILE* image, const RomLayout& layout, const RomChecksum& checksum) {
  if (!checksum.known) return {ChecksumFix::Unknown, 0};
  if (checksum.Valid()) return {ChecksumFix::AlreadyRight, checksum.computed};
  const std::uint16_t complement = checksum.computed ^ 0xFFFF;
  const std::uint8_t fields[4] = {static_cast<std::uint8_t>(complement), static_cast<std::uint8_t>(complement >> 8),
                                  static_cast<std::uint8_t>(checksum.computed),
                                  static_cast<std::uint8_t>(checksum.computed >> 8)};
  const std::uint32_t at = layout.FileOffset(layout.internalHeader + kChecksumComplementInHeader);
  const bool written = WriteRomBytes(image, at, fields, sizeof fields) && FlushRom(image);
  return {written ? ChecksumFix::Fixed : ChecksumFix::NotWritten, checksum.computed};
}

}  // namespace

ChecksumFixResult FixRomChecksum(std::FILE* image, const RomLayout& layout) {
  return FixRomChecksum(image, layout, ReadRomChecksum(image, layout));
}

ChecksumFixResult FixRomChecksum(RomSession& session) {
  const RomChecksum checksum = ReadRomChecksum(session.romFile, session.romLayout);
  ChecksumFixResult result{ChecksumFix::NotWritten, checksum.computed};
  const auto fix = [&] {
    result = FixRomChecksum(session.romFile, session.romLayout, checksum);
    return result.outcome != ChecksumFix::NotWritten;
  };
  // A checksum that needs no writing makes neither a backup nor a step to undo.
  if (!checksum.known || checksum.Valid()) {
    fix();
    return result;
  }
  const ActionOutcome written = RunImageAction(session, {"Fix Checksum", ""}, fix);
  if (written == ActionOutcome::Written) return result;
  const bool refused = written != ActionOutcome::NotWritten;
  return {refused ? ChecksumFix::Refused : ChecksumFix::NotWritten, checksum.computed, written};
}

std::string ChecksumFixMessage(const ChecksumFixResult& result, const std::string& imagePath) {
  switch (result.outcome) {
    case ChecksumFix::Fixed: {
      char text[40];
      std::snprintf(text, sizeof text, "The checksum is now 0x%04X.", result.checksum);
      return text;
    }
    case ChecksumFix::AlreadyRight:
      return "The checksum was already right.";
    case ChecksumFix::Unknown:
      return "The checksum of an image of this size is unknown, so it cannot be fixed.";
    case ChecksumFix::NotWritten:
    case ChecksumFix::Refused:
      break;
  }
  return ActionOutcomeMessage(result.writing, imagePath);
}
