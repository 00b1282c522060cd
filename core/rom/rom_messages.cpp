#include "core/rom/rom_messages.h"

const char* const kErrorReadingFile = "Error reading file.";
const char* const kLoadRomFirst = "Load a ROM image first (File > Load ROM).";

std::string UnrecognizedRomMessage(const std::string& path) {
  return path +
         "\n\n This is an unrecognized ROM image.  Please be aware that editing this ROM will most likely make "
         "it unplayable.  Make sure to create a backup before editing.";
}

std::string TooSmallRomMessage(const std::string& path) {
  return path +
         "\n\nThis file is too small to be an EarthBound ROM image, so it was not loaded.  The file has not "
         "been changed.";
}

std::string TooLargeRomMessage(const std::string& path) {
  return path +
         "\n\nThis file is larger than 16 MiB, too large to be an EarthBound ROM image, so it was not loaded.  The "
         "file has not been changed.";
}

std::string Mother2RomMessage() {
  // "Mother 2 images cannot be handled yet; perhaps in the future" in code page 932.
  static const char kJapaneseNote[] =
      "\x82\xA0\x82\xA2\x82\xC9\x82\xAD\x82\xC5\x82\xB7\x82\xAA\x81" "A\x8C\xBB\x8D\xDD\x81" "AMOTHER2\x82\xCCROM"
      "\n"
      "\x82\xCD\x96\xB3\x97\x9D\x82\xC5\x82\xB7\x81" "B\x8F\xAB\x97\x88\x81" "A\x95\xD2\x8FW\x82\xC5\x82\xAB\x82\xE9"
      "\x82\xE6\x82\xA4\x82\xC9"
      "\n"
      "\x82\xC8\x82\xE9\x82\xA9\x82\xE0\x82\xB5\x82\xEA\x82\xC8\x82\xA2\x82\xA9\x82\xE7\x81" "A\x8Ay\x82\xB5\x82\xDD"
      "\x82\xC9\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2!";
  return std::string(
             "You have loaded a Mother 2 ROM.  However, the current version of Quillon is incompatible with it. "
             "Any editing you do to this ROM will caused unexpected results.  Make sure to create a backup "
             "before editing.") +
         "\n\n" + kJapaneseNote;
}
