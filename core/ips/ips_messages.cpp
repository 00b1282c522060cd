#include "core/ips/ips_messages.h"

const char* const kIpsCannotOpenRom = "Error Opening ROM for Reading";
const char* const kIpsRomsNotCompatible = "The two ROM are not compatible.";
const char* const kIpsLayoutsDiffer =
    "One of the two images has a copier header and the other has none, so their bytes do not line up. Use two "
    "images of the same kind.";
const char* const kIpsRomsDifferInSize = "The two ROM are of different size";
const char* const kIpsRomTooLarge = "The ROM is larger than 16 MiB, too large for an IPS patch.";
const char* const kIpsCannotReadRom = "Error Reading ROM";
const char* const kIpsCannotWritePatch = "Error Writing IPS File";
const char* const kIpsPatchWouldReplaceRom = "The IPS file cannot be one of the two ROM.";
const char* const kPatchWorkCannotStart = "The work on the patch could not be started; nothing was written.";
const char* const kUneditedRomBoxName = "Un-edited ROM to compare against";

std::string EmptyPatchBoxMessage(const std::string& boxName) {
  return "The box \"" + boxName + "\" is empty.  Fill it in or choose a file with Browse.";
}

std::string ReplaceFileQuestion(const std::string& path) {
  return path + " already exists.\nDo you want to replace it?";
}
