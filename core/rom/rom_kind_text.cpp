#include "core/rom/rom_kind_text.h"

namespace {

const char* KindName(RomKind kind) {
  switch (kind) {
    case RomKind::UnrecognizedRom:
      return "Unrecognized ROM";
    case RomKind::EarthBoundRom:
      return "EarthBound ROM";
    case RomKind::Mother2Rom:
      return "Mother 2 ROM";
    default:
      return nullptr;
  }
}

}  // namespace

std::string RomKindText(RomKind kind, const RomLayout& layout) {
  const char* name = KindName(kind);
  if (!name) return " - No ROM loaded - ";
  return std::string(" - ") + name + (layout.headerSize == 0 ? " (no header)" : "") + " - ";
}
