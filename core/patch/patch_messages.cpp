#include "core/patch/patch_messages.h"

#include <cstdio>

#include "core/ips/ips_messages.h"

const char* const kPatchNotRecognised = "This file is not an IPS or BPS patch.";
const char* const kIpsPatchDamaged = "The IPS patch is damaged: it ends inside a record or has no \"EOF\".";
const char* const kBpsPatchDamaged = "The BPS patch is damaged: its actions do not fit the images it describes.";
const char* const kPatchedImageTooLarge = "The patched ROM would be larger than 16 MiB.";
const char* const kRomTooLargeForPatch = "The ROM is larger than 16 MiB, larger than any ROM a patch is made for.";
const char* const kPatchFileTooLarge = "The patch file is larger than 128 MiB, larger than any patch for a ROM.";
const char* const kIpsCarriesNoCheck =
    "An IPS patch carries no check of its ROM: make sure it was made for this one (and with or without its header).";
const char* const kBpsAppliedToWholeFile =
    "The patch was made for the whole file, copier header included, so it was applied to the whole file.";
const char* const kBpsCannotWritePatch = "Error Writing BPS File";
const char* const kBpsPatchWouldReplaceRom = "The BPS file cannot be one of the two ROM.";
const char* const kCannotOpenPatch = "Error Opening Patch for Reading";
const char* const kCannotReadPatch = "Error Reading Patch";
const char* const kCannotWritePatchedRom = "Error Writing Patched ROM";
const char* const kPatchedRomWouldReplacePatch = "The patched ROM cannot be saved over the patch.";

const char* const kApplyIpsQuestion =
    "An IPS patch carries no check of the image it was made for. Apply it anyway?";

const WholeFileMessages kImageReadMessages = {kRomTooLargeForPatch, kIpsCannotReadRom};

namespace {

std::string WithCrcs(const char* text, std::uint32_t expected, std::uint32_t found) {
  char crcs[64];
  std::snprintf(crcs, sizeof crcs, " Expected CRC32 %08X, found %08X.", static_cast<unsigned>(expected),
                static_cast<unsigned>(found));
  return std::string(text) + crcs;
}

}  // namespace

std::string BpsWrongImageMessage(std::uint32_t expected, std::uint32_t found) {
  return WithCrcs("This patch was made for another image.", expected, found);
}

std::string BpsPatchCrcMessage(std::uint32_t expected, std::uint32_t found) {
  return WithCrcs("The BPS patch is damaged.", expected, found);
}

std::string BpsResultCrcMessage(std::uint32_t expected, std::uint32_t found) {
  return WithCrcs("The patched ROM does not match the patch.", expected, found);
}

std::string FileSavedMessage(const std::string& what, const std::string& path, std::int64_t size) {
  return what + " was saved as " + path + " (" + std::to_string(size) + " bytes).";
}
