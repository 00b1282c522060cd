// Making a patch of two images and applying it to the unedited one gives the edited one,
// in both formats; a BPS patch made while the images arrive a piece at a time is the one
// made of them whole.
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/ips/write_ips_patch.h"
#include "core/patch/apply_patch.h"
#include "core/patch/arriving_image.h"
#include "core/patch/patch_messages.h"
#include "core/patch/write_bps_patch.h"
#include "fuzz/fuzz_input.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ApplyOrStop(const Bytes& patch, const Bytes& image) {
  const AppliedPatch applied = ApplyPatch(ByteSpan(patch.data(), patch.size()), ByteSpan(image.data(), image.size()), 0);
  if (!applied.applied) std::abort();
  return applied.image;
}

// The edited image: the unedited one with runs of bytes put at chosen places, then cut or
// grown to a chosen size.
Bytes Edited(const Bytes& unedited, FuzzInput& input) {
  Bytes edited = unedited;
  edited.resize(input.Number(2));
  while (input.Left() > 0 && !edited.empty()) {
    const std::size_t at = input.Number(2) % edited.size();
    for (const std::uint8_t byte : input.Bytes(input.Byte() % 64)) {
      if (at < edited.size()) edited[at] = byte;
    }
  }
  return edited;
}

std::string PatchPath() {
  static const std::string path = "/tmp/quillon-round-trip-" + std::to_string(getpid()) + ".ips";
  return path;
}

Bytes IpsPatchOf(Bytes edited, Bytes unedited) {
  std::FILE* editedFile = fmemopen(edited.data(), edited.size(), "rb");
  std::FILE* uneditedFile = fmemopen(unedited.data(), unedited.size(), "rb");
  std::atomic<std::int32_t> counter{0};
  const bool written = editedFile && uneditedFile && WriteIpsPatch(editedFile, uneditedFile, PatchPath(), counter).written;
  if (editedFile) std::fclose(editedFile);
  if (uneditedFile) std::fclose(uneditedFile);
  if (!written) std::abort();
  Bytes patch;
  std::FILE* file = std::fopen(PatchPath().c_str(), "rb");
  for (int c; file && (c = std::fgetc(file)) != EOF;) patch.push_back(static_cast<std::uint8_t>(c));
  if (file) std::fclose(file);
  std::remove(PatchPath().c_str());
  return patch;
}

Bytes ArrivingBpsPatchOf(Bytes edited, Bytes unedited) {
  std::FILE* editedFile = fmemopen(edited.data(), edited.size(), "rb");
  std::FILE* uneditedFile = fmemopen(unedited.data(), unedited.size(), "rb");
  if (!editedFile || !uneditedFile) std::abort();
  std::atomic<std::int32_t> read{0};
  ArrivingImage editedArriving(editedFile, 0, 1 << 24, kImageReadMessages, read);
  ArrivingImage uneditedArriving(uneditedFile, 0, 1 << 24, kImageReadMessages, read);
  const Bytes patch = WriteBpsPatch(editedArriving, uneditedArriving);
  std::fclose(editedFile);
  std::fclose(uneditedFile);
  return patch;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const Bytes unedited = input.Bytes(input.Number(2));
  const Bytes edited = Edited(unedited, input);

  const Bytes bps = WriteBpsPatch(ByteSpan(edited.data(), edited.size()), ByteSpan(unedited.data(), unedited.size()));
  if (ApplyOrStop(bps, unedited) != edited) std::abort();
  if (!edited.empty() && !unedited.empty() && ArrivingBpsPatchOf(edited, unedited) != bps) std::abort();

  Bytes sameSize = edited;
  sameSize.resize(unedited.size());
  if (!unedited.empty() && ApplyOrStop(IpsPatchOf(sameSize, unedited), unedited) != sameSize) std::abort();
  return 0;
}
