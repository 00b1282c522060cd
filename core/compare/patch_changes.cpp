#include "core/compare/patch_changes.h"

#include "core/compare/compare_images.h"
#include "core/compare/image_bytes.h"
#include "core/io/open_rom_for_reading.h"
#include "core/ips/ips_messages.h"

const char* const kSavePatchedImageQuestion = "Save the patched image?";

DescribedPatch DescribePatchFiles(const std::string& patchPath, const std::string& imagePath, IpsProgress progress) {
  DescribedPatch described;
  PatchedImage& patched = described.patched;
  patched = PatchImageInMemory(patchPath, imagePath, progress);
  if (!patched.Applied()) return described;
  // A BPS patch is applied in the bytes read, so the image is read again to compare with.
  std::FILE* file = OpenRomForReading(imagePath);
  if (!file) {
    patched.message = kIpsCannotOpenRom;
    return described;
  }
  ImageBytes unedited;
  const char* failure = ReadImageBytes(file, {patched.headerSize, kInternalHeader}, unedited);
  std::fclose(file);
  if (failure) {
    patched.message = failure;
    return described;
  }
  described.changes = CompareImages(unedited.RomData(), patched.Result().From(patched.headerSize));
  return described;
}
