#include "core/patch/make_bps_patch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/io/replacing_file.h"
#include "core/patch/apply_bps_patch.h"
#include "core/patch/arriving_image.h"
#include "core/patch/patch_messages.h"
#include "core/patch/write_bps_patch.h"
#include "core/rom/rom_session.h"

IpsResult MakeBpsPatch(PatchImage edited, PatchImage unedited, const std::string& patchPath, IpsProgress progress) {
  progress.bytesDone.store(0);
  const std::int64_t total = std::int64_t{GetRomSize(edited.file)} + GetRomSize(unedited.file);
  progress.totalBytes.store(static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX)));
  ArrivingImage editedImage(edited.file, edited.headerSize, kMaxPatchedRomSize + edited.headerSize,
                            kImageReadMessages, progress.bytesDone);
  ArrivingImage uneditedImage(unedited.file, unedited.headerSize, kMaxPatchedRomSize + unedited.headerSize,
                              kImageReadMessages, progress.bytesDone);
  if (const char* failure = editedImage.Failure()) return IpsFailed(failure);
  if (const char* failure = uneditedImage.Failure()) return IpsFailed(failure);

  const std::vector<std::uint8_t> patch = WriteBpsPatch(editedImage, uneditedImage);
  if (const char* failure = editedImage.Failure()) return IpsFailed(failure);
  if (const char* failure = uneditedImage.Failure()) return IpsFailed(failure);
  ReplacingFile file(patchPath);
  if (!file.Write(patch.data(), patch.size()) || !file.Commit()) return IpsFailed(kBpsCannotWritePatch);
  return IpsWritten();
}
