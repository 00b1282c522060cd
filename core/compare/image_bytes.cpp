#include "core/compare/image_bytes.h"

#include <atomic>

#include "core/patch/patch_messages.h"
#include "core/rom/rom_session.h"

const char* ReadImageBytes(std::FILE* image, const RomLayout& layout, ImageBytes& read) {
  std::atomic<std::int32_t> bytesRead{0};
  read.headerSize = layout.headerSize;
  return ReadWholeFile(image, kMaximumRomSize + layout.headerSize, kImageReadMessages, read.bytes, bytesRead);
}
