#include "core/rom/rom_layout.h"

#include <initializer_list>

#include "core/rom/rom_session.h"

namespace {

constexpr std::uint32_t kSizeUnit = 0x8000;
// An expanded internal header needs this much ROM data around it.
constexpr std::uint32_t kExpandedRomData = 0x410000;

bool NamesTheGame(std::FILE* image, const RomLayout& layout) {
  return IdentifyRom(image, layout) != RomKind::UnrecognizedRom;
}

bool HoldsExpandedHeader(std::FILE* image, std::int64_t fileSize, std::uint32_t headerSize) {
  const RomLayout expanded{headerSize, kExpandedInternalHeader};
  return fileSize >= std::int64_t{headerSize} + kExpandedRomData &&
         NamesTheGame(image, expanded);
}

}  // namespace

RomLayout DecideRomLayout(std::FILE* image) {
  const std::int64_t fileSize = GetRomSize(image);
  for (const std::uint32_t headerSize : {kCopierHeaderSize, 0u}) {
    if (NamesTheGame(image, {headerSize, kInternalHeader})) {
      const bool expanded = HoldsExpandedHeader(image, fileSize, headerSize);
      return {headerSize, expanded ? kExpandedInternalHeader : kInternalHeader};
    }
  }
  for (const std::uint32_t headerSize : {kCopierHeaderSize, 0u}) {
    if (HoldsExpandedHeader(image, fileSize, headerSize)) return {headerSize, kExpandedInternalHeader};
  }
  return fileSize % kSizeUnit == 0 ? kHeaderlessLayout : kHeaderedLayout;
}
