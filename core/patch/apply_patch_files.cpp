#include "core/patch/apply_patch_files.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/io/open_rom_for_reading.h"
#include "core/io/replacing_file.h"
#include "core/io/same_file.h"
#include "core/ips/ips_messages.h"
#include "core/patch/apply_bps_patch.h"
#include "core/patch/apply_patch.h"
#include "core/patch/patch_messages.h"
#include "core/patch/read_whole_file.h"
#include "core/rom/rom_session.h"

namespace {

// Patches that turn a small image into a large one carry little more than its new bytes;
// an IPS patch of one record per byte takes six times as much.
constexpr std::size_t kMaxPatchFileSize = 8 * kMaxPatchedRomSize;

PatchFilesApplied Refused(std::string message, PatchFormat format = PatchFormat::Ips) {
  return {false, std::move(message), format};
}

// Opens, reads and closes the file, so the result may take its place afterwards. Returns
// the message of a failure, or null.
const char* ReadClosed(const std::string& path, std::size_t limit, const char* cannotOpen,
                       const WholeFileMessages& messages, FileBytes& bytes, IpsProgress progress) {
  std::FILE* file = OpenRomForReading(path);
  if (!file) return cannotOpen;
  const std::int64_t size = GetRomSize(file);
  progress.totalBytes.fetch_add(static_cast<std::int32_t>(std::min<std::int64_t>(size, INT32_MAX / 2)));
  const char* failure = ReadWholeFile(file, limit, messages, bytes, progress.bytesDone);
  std::fclose(file);
  return failure;
}

// The copier header of the image at path; one that cannot be opened fails its read later.
std::uint32_t HeaderSizeOf(const std::string& path) {
  std::FILE* file = OpenRomForReading(path);
  if (!file) return kCopierHeaderSize;
  const std::uint32_t headerSize = DecideRomLayout(file).headerSize;
  std::fclose(file);
  return headerSize;
}

}  // namespace

PatchFilesApplied ApplyPatchFiles(const PatchFiles& files, IpsProgress progress) {
  if (IsSameFile(files.result, files.patch)) return Refused(kPatchedRomWouldReplacePatch);
  progress.bytesDone.store(0);
  progress.totalBytes.store(0);

  FileBytes patch;
  if (const char* failure = ReadClosed(files.patch, kMaxPatchFileSize, kCannotOpenPatch,
                                       {kPatchFileTooLarge, kCannotReadPatch}, patch, progress)) {
    return Refused(failure);
  }
  const std::uint32_t headerSize = HeaderSizeOf(files.image);
  FileBytes image;
  if (const char* failure = ReadClosed(files.image, kMaxPatchedRomSize + headerSize, kIpsCannotOpenRom,
                                       kImageReadMessages, image, progress)) {
    return Refused(failure);
  }

  AppliedPatch applied =
      ApplyPatch(ByteSpan(patch.data(), patch.size()), ByteSpan(image.data(), image.size()), headerSize);
  if (!applied.applied) return Refused(applied.message, applied.format);
  ReplacingFile result(files.result);
  if (!result.Write(applied.image.data(), applied.image.size()) || !result.Commit()) {
    return Refused(kCannotWritePatchedRom, applied.format);
  }
  return {true, "", applied.format};
}
