#include "tools/resgen/ico_writer.h"

#include "tools/resgen/bmp_writer.h"

namespace {

constexpr std::uint32_t kIconHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;
constexpr std::size_t kPaletteEntries = 256;  // icon readers assume the full table for 8 bits

// The AND mask: one bit per pixel, set where the picture is clear, rows bottom-up.
void AppendMask(ByteBuffer& out, const IndexedImage& image) {
  const int stride = ((image.width + 31) / 32) * 4;
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
    for (int x = 0; x < image.width; ++x) {
      if (!image.opaque[static_cast<std::size_t>(y) * image.width + x]) row[x / 8] |= 0x80 >> (x % 8);
    }
    for (std::uint8_t byte : row) out.U8(byte);
  }
}

ByteBuffer EncodeIconImage(const IndexedImage& image) {
  ByteBuffer pixels;
  AppendPaletteRows(pixels, image);
  AppendMask(pixels, image);
  ByteBuffer out;
  // An icon's header counts the colour rows and the mask rows together.
  AppendInfoHeader(out, image.width, image.height * 2, 8, static_cast<std::uint32_t>(pixels.size()), 0);
  AppendPalette(out, image.palette, kPaletteEntries);
  out.Bytes(pixels.bytes());
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<IndexedImage>& images) {
  std::vector<ByteBuffer> encoded;
  for (const IndexedImage& image : images) encoded.push_back(EncodeIconImage(image));

  ByteBuffer out;
  out.U16(0);
  out.U16(1);  // icon, not cursor
  out.U16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = kIconHeaderSize + kDirectoryEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.U8(images[i].width % 256);
    out.U8(images[i].height % 256);
    out.U8(0);  // 0 colours: 256
    out.U8(0);
    out.U16(1);
    out.U16(8);
    out.U32(static_cast<std::uint32_t>(encoded[i].size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const ByteBuffer& image : encoded) out.Bytes(image.bytes());
  return out.bytes();
}
