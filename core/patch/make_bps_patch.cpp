#include "core/patch/make_bps_patch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/io/replacing_file.h"
#include "core/patch/apply_bps_patch.h"
#include "core/patch/patch_messages.h"
#include "core/patch/write_bps_patch.h"
#include "core/rom/rom_session.h"

IpsResult MakeBpsPatch(PatchImage edited, PatchImage unedited, const std::string& patchPath, IpsProgress progress) {
  progress.bytesDone.store(0);
  const std::int64_t total = std::int64_t{GetRomSize(edited.file)} + GetRomSize(unedited.file);
  progress.totalBytes.store(static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX)));
  FileBytes editedBytes;
  FileBytes uneditedBytes;
  const auto read = [&](PatchImage image, FileBytes& bytes) {
    return ReadWholeFile(image.file, kMaxPatchedRomSize + image.headerSize, kImageReadMessages, bytes,
                         progress.bytesDone);
  };
  if (const char* failure = read(edited, editedBytes)) return IpsFailed(failure);
  if (const char* failure = read(unedited, uneditedBytes)) return IpsFailed(failure);

  const std::vector<std::uint8_t> patch =
      WriteBpsPatch(ByteSpan(editedBytes.data(), editedBytes.size()).From(edited.headerSize),
                    ByteSpan(uneditedBytes.data(), uneditedBytes.size()).From(unedited.headerSize));
  ReplacingFile file(patchPath);
  if (!file.Write(patch.data(), patch.size()) || !file.Commit()) return IpsFailed(kBpsCannotWritePatch);
  return IpsWritten();
}
