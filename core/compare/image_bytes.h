#pragma once

#include <cstdint>
#include <cstdio>

#include "core/patch/byte_span.h"
#include "core/patch/read_whole_file.h"
#include "core/rom/rom_layout.h"

// An image read whole, with where its ROM data starts.
struct ImageBytes {
  FileBytes bytes;
  std::uint32_t headerSize = 0;

  ByteSpan RomData() const { return ByteSpan(bytes.data(), bytes.size()).From(headerSize); }
};

// Reads an open image of that layout whole. Returns the message of a failure, or null.
const char* ReadImageBytes(std::FILE* image, const RomLayout& layout, ImageBytes& read);
