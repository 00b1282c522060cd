#include "core/patch/apply_patch_files.h"

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <vector>

#include "core/io/file_messages.h"
#include "core/io/open_rom_for_reading.h"
#include "core/io/replacing_file.h"
#include "core/io/same_file.h"
#include "core/ips/ips_messages.h"
#include "core/patch/apply_bps_patch.h"
#include "core/patch/apply_patch.h"
#include "core/patch/bps_format.h"
#include "core/patch/patch_messages.h"
#include "core/patch/read_whole_file.h"
#include "core/rom/apply_messages.h"
#include "core/rom/image_backup.h"
#include "core/rom/rom_session.h"

namespace {

// Patches that turn a small image into a large one carry little more than its new bytes;
// an IPS patch of one record per byte takes six times as much.
constexpr std::size_t kMaxPatchFileSize = 8 * kMaxPatchedRomSize;

PatchFilesApplied Refused(std::string message, PatchFormat format = PatchFormat::Ips) {
  return {false, std::move(message), format};
}

// Opens, reads and closes the file, so the result may take its place afterwards. Returns
// the message of a failure, or an empty one.
std::string ReadClosed(const std::string& path, std::size_t limit, const char* cannotOpen,
                       const WholeFileMessages& messages, FileBytes& bytes, IpsProgress progress) {
  std::FILE* file = OpenRomForReading(path);
  if (!file) return CannotOpenMessage(path, cannotOpen);
  const std::int64_t size = GetRomSize(file);
  progress.totalBytes.fetch_add(static_cast<std::int32_t>(std::min<std::int64_t>(size, INT32_MAX / 2)));
  const char* failure = ReadWholeFile(file, limit, messages, bytes, progress.bytesDone);
  std::fclose(file);
  return failure ? failure : "";
}

// The copier header of the image at path; one that cannot be opened fails its read later.
std::uint32_t HeaderSizeOf(const std::string& path) {
  std::FILE* file = OpenRomForReading(path);
  if (!file) return kCopierHeaderSize;
  const std::uint32_t headerSize = DecideRomLayout(file).headerSize;
  std::fclose(file);
  return headerSize;
}

// The image as the file still holds it, for a patch that copies from bytes it has already
// written over in memory.
ImageAgain FromFile(const std::string& path) {
  return [&path](std::size_t offset, std::uint8_t* into, std::size_t count) {
    std::FILE* file = OpenRomForReading(path);
    if (!file) return kIpsCannotOpenRom;
    const bool read = std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
                      std::fread(into, 1, count, file) == count;
    std::fclose(file);
    return read ? nullptr : kImageReadMessages.cannotRead;
  };
}

// An image replaced by its own patched copy is backed up first, as an editor backs up an
// image before its first write; a result that may not be written makes no backup.
PatchFilesApplied WriteResult(const PatchFiles& files, const PatchedImage& patched) {
  const PatchFormat format = patched.format;
  const std::string refusal = WriteRefusal(files.result);
  if (!refusal.empty()) return Refused(refusal, format);
  if (IsSameFile(files.result, files.image) && !MakeImageBackup(files.image, LocalTimeNow())) {
    return Refused(BackupFailedMessage(files.image), format);
  }
  ReplacingFile result(files.result);
  const ByteSpan image = patched.Result();
  if (!result.Write(image.data, image.size) || !result.Commit()) return Refused(kCannotWritePatchedRom, format);
  return {true, "", format, patched.wholeFile};
}

}  // namespace

PatchedImage PatchImageInMemory(const std::string& patchPath, const std::string& imagePath, IpsProgress progress) {
  progress.bytesDone.store(0);
  progress.totalBytes.store(0);
  PatchedImage patched;
  FileBytes patch;
  patched.message =
      ReadClosed(patchPath, kMaxPatchFileSize, kCannotOpenPatch, {kPatchFileTooLarge, kCannotReadPatch}, patch, progress);
  if (!patched.Applied()) return patched;
  patched.headerSize = HeaderSizeOf(imagePath);
  FileBytes& image = patched.inPlace;
  // Room for a larger result from the start spares copying the image to make it.
  image.reserve(patched.headerSize + BpsResultRoom(ByteSpan(patch.data(), patch.size())));
  patched.message = ReadClosed(imagePath, kMaxPatchedRomSize + patched.headerSize, kIpsCannotOpenRom,
                               kImageReadMessages, image, progress);
  if (!patched.Applied()) return patched;

  const ByteSpan patchBytes(patch.data(), patch.size());
  // A BPS result is made in the image's own bytes: a second image's worth of memory would
  // cost more than applying the patch does.
  if (StartsAsBpsPatch(patchBytes)) {
    patched.format = PatchFormat::Bps;
    BpsApplied applied = ApplyBpsPatchInPlace(patchBytes, image, patched.headerSize, FromFile(imagePath));
    patched.message = std::move(applied.message);
    patched.wholeFile = applied.wholeFile;
    return patched;
  }
  AppliedPatch applied = ApplyPatch(patchBytes, ByteSpan(image.data(), image.size()), patched.headerSize);
  patched.format = applied.format;
  patched.message = std::move(applied.message);
  patched.built = std::move(applied.image);
  patched.wholeFile = applied.wholeFile;
  return patched;
}

PatchFilesApplied WritePatchedImage(const PatchFiles& files, const PatchedImage& patched) {
  if (IsSameFile(files.result, files.patch)) return Refused(kPatchedRomWouldReplacePatch, patched.format);
  return WriteResult(files, patched);
}

PatchFilesApplied ApplyPatchFiles(const PatchFiles& files, IpsProgress progress) {
  if (IsSameFile(files.result, files.patch)) return Refused(kPatchedRomWouldReplacePatch);
  const PatchedImage patched = PatchImageInMemory(files.patch, files.image, progress);
  if (!patched.Applied()) return Refused(patched.message, patched.format);
  return WritePatchedImage(files, patched);
}

bool IsIpsPatchFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char start[5] = {};
  const bool ips = std::fread(start, 1, sizeof start, file) == sizeof start && std::memcmp(start, "PATCH", 5) == 0;
  std::fclose(file);
  return ips;
}
