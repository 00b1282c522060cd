#pragma once

#include <cstdint>
#include <string>

#include "core/patch/read_whole_file.h"

// The texts of making and applying patches, shown in "Warning" boxes or on the command line.
extern const char* const kPatchNotRecognised;
extern const char* const kIpsPatchDamaged;
extern const char* const kBpsPatchDamaged;
extern const char* const kPatchedImageTooLarge;
extern const char* const kRomTooLargeForPatch;
extern const char* const kPatchFileTooLarge;
extern const char* const kIpsCarriesNoCheck;
extern const char* const kBpsAppliedToWholeFile;
extern const char* const kBpsCannotWritePatch;
extern const char* const kBpsPatchWouldReplaceRom;
extern const char* const kCannotOpenPatch;
extern const char* const kCannotReadPatch;
extern const char* const kCannotWritePatchedRom;
extern const char* const kPatchedRomWouldReplacePatch;
extern const char* const kApplyIpsQuestion;

// The note once a file is complete, naming it and its size:
// "The IPS patch was saved as C:\out.ips (26 bytes)."
std::string FileSavedMessage(const std::string& what, const std::string& path, std::int64_t size);

// An image too large for a patch, or unreadable.
extern const WholeFileMessages kImageReadMessages;

// The refusals that name a CRC-32 the patch records and the one found.
std::string BpsWrongImageMessage(std::uint32_t expected, std::uint32_t found);
std::string BpsPatchCrcMessage(std::uint32_t expected, std::uint32_t found);
std::string BpsResultCrcMessage(std::uint32_t expected, std::uint32_t found);
