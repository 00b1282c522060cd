#include "core/rom/rom_kind_text.h"

const char* RomKindText(RomKind kind) {
  switch (kind) {
    case RomKind::UnrecognizedRom:
      return " - Unrecognized ROM - ";
    case RomKind::EarthBoundRom:
      return " - EarthBound ROM - ";
    case RomKind::Mother2Rom:
      return " - Mother 2 ROM - ";
    default:
      return " - No ROM loaded - ";
  }
}
