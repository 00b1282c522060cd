#pragma once

#include <string>

// The texts the IPS creator shows, in "Warning" boxes or on the command line.
extern const char* const kIpsCannotOpenRom;
extern const char* const kIpsRomsNotCompatible;
extern const char* const kIpsLayoutsDiffer;
extern const char* const kIpsRomsDifferInSize;
extern const char* const kIpsRomTooLarge;
extern const char* const kIpsCannotReadRom;
extern const char* const kIpsCannotWritePatch;
extern const char* const kIpsPatchWouldReplaceRom;
extern const char* const kPatchWorkCannotStart;
// Create IPS (or BPS) pressed with one of its two boxes empty; the box is named by its
// label without the colon.
std::string EmptyPatchBoxMessage(const std::string& boxName);
extern const char* const kUneditedRomBoxName;
// Before a patch file named in Create IPS's box replaces one that exists, as a save dialog asks.
std::string ReplaceFileQuestion(const std::string& path);
