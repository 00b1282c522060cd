#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ips/make_ips_patch.h"
#include "core/patch/applied_patch.h"
#include "core/patch/byte_span.h"
#include "core/patch/read_whole_file.h"

struct PatchFiles {
  std::string patch;
  std::string image;
  // May be the image itself: it is backed up first, then replaced only by a complete result.
  std::string result;
};

// A patch applied in memory: the whole result, header included, or the exact text of why
// there is none.
struct PatchedImage {
  std::string message;
  PatchFormat format = PatchFormat::Ips;
  std::uint32_t headerSize = 0;
  FileBytes inPlace;                 // the image as read; a BPS patch is applied in it
  std::vector<std::uint8_t> built;  // an IPS result is built apart
  // A BPS patch made over the whole file, copier header included, applied to it so.
  bool wholeFile = false;

  bool Applied() const { return message.empty(); }
  ByteSpan Result() const {
    return format == PatchFormat::Bps ? ByteSpan(inPlace.data(), inPlace.size()) : ByteSpan(built);
  }
};

// Reads the patch and the image whole, counting the bytes read against a total of both
// sizes, and applies the patch with every check applying makes. Writes nothing.
PatchedImage PatchImageInMemory(const std::string& patchPath, const std::string& imagePath, IpsProgress progress);

// How applying ended: the result written, or the exact text of why nothing was.
struct PatchFilesApplied {
  bool written = false;
  std::string message;
  PatchFormat format = PatchFormat::Ips;
  // A BPS patch made over the whole file, copier header included, was applied to it so.
  bool wholeFile = false;
};

// Writes a patched image to files.result, with the refusals and the backup below.
PatchFilesApplied WritePatchedImage(const PatchFiles& files, const PatchedImage& patched);

// Whether the file at path begins as an IPS patch does ("PATCH"): such a patch carries no
// check of the image, so the user is asked first.
bool IsIpsPatchFile(const std::string& path);

// Reads the patch and the image whole, counting the bytes read against a total of both
// sizes, applies the patch and writes the result. Refuses, writing nothing, a result that
// would replace the patch, an image whose backup cannot be made before it is replaced, and
// every refusal of ApplyPatch.
PatchFilesApplied ApplyPatchFiles(const PatchFiles& files, IpsProgress progress);
