#include "tools/resgen/bmp_writer.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi

std::uint32_t RowStride(int width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }

std::vector<std::uint8_t> WithFileHeader(const ByteBuffer& body, std::uint32_t pixelOffset) {
  ByteBuffer file;
  file.Text("BM");
  file.U32(kFileHeaderSize + static_cast<std::uint32_t>(body.size()));
  file.U32(0);
  file.U32(kFileHeaderSize + pixelOffset);
  file.Bytes(body.bytes());
  return file.bytes();
}

}  // namespace

void AppendInfoHeader(ByteBuffer& out, int width, int height, int bitCount, std::uint32_t imageSize,
                      std::uint32_t coloursUsed) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(height));  // positive: rows are stored bottom-up
  out.U16(1);
  out.U16(static_cast<std::uint32_t>(bitCount));
  out.U32(0);  // BI_RGB
  out.U32(imageSize);
  out.U32(kPixelsPerMetre);
  out.U32(kPixelsPerMetre);
  out.U32(coloursUsed);
  out.U32(0);
}

void AppendPalette(ByteBuffer& out, const std::vector<Rgb>& palette, std::size_t entries) {
  for (std::size_t i = 0; i < entries; ++i) {
    const Rgb colour = i < palette.size() ? palette[i] : Rgb{};
    out.U8(colour.b);
    out.U8(colour.g);
    out.U8(colour.r);
    out.U8(0);
  }
}

void AppendPaletteRows(ByteBuffer& out, const IndexedImage& image) {
  const std::uint32_t padding = RowStride(image.width, 8) - static_cast<std::uint32_t>(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) out.U8(image.pixels[static_cast<std::size_t>(y) * image.width + x]);
    out.Zeros(padding);
  }
}

std::vector<std::uint8_t> EncodePaletteBmp(const IndexedImage& image) {
  const std::uint32_t imageSize = RowStride(image.width, 8) * static_cast<std::uint32_t>(image.height);
  const std::uint32_t colours = static_cast<std::uint32_t>(image.palette.size());
  ByteBuffer body;
  AppendInfoHeader(body, image.width, image.height, 8, imageSize, colours);
  AppendPalette(body, image.palette, colours);
  const std::uint32_t pixelOffset = static_cast<std::uint32_t>(body.size());
  AppendPaletteRows(body, image);
  return WithFileHeader(body, pixelOffset);
}

std::vector<std::uint8_t> EncodeRgbBmp(const RgbImage& image) {
  const std::uint32_t stride = RowStride(image.width, 24);
  ByteBuffer body;
  AppendInfoHeader(body, image.width, image.height, 24, stride * static_cast<std::uint32_t>(image.height), 0);
  const std::uint32_t pixelOffset = static_cast<std::uint32_t>(body.size());
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb colour = image.pixels[static_cast<std::size_t>(y) * image.width + x];
      body.U8(colour.b);
      body.U8(colour.g);
      body.U8(colour.r);
    }
    body.Zeros(stride - static_cast<std::uint32_t>(image.width) * 3);
  }
  return WithFileHeader(body, pixelOffset);
}
