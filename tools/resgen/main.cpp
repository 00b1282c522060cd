// resgen: turns the text sources of the program's art and sounds into BMP, ICO and WAV files.
//   resgen SOURCE OUTPUT
// The source's extension says what it holds: .icon (pixel art to ICO), .bitmap (pixel art to
// BMP), .scene (drawing steps to BMP), .sound (notes to WAV).
#include <cstdio>
#include <string>
#include <vector>

#include "core/io/replacing_file.h"
#include "tools/resgen/bmp_writer.h"
#include "tools/resgen/ico_writer.h"
#include "tools/resgen/pixel_art.h"
#include "tools/resgen/scene.h"
#include "tools/resgen/sound.h"
#include "tools/resgen/source_text.h"

namespace {

std::string Extension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

std::vector<std::uint8_t> BuildResource(const std::string& sourcePath) {
  const std::string kind = Extension(sourcePath);
  if (kind == ".icon") return EncodeIco(ReadPixelArt(sourcePath, TransparentPixels::Allowed));
  if (kind == ".bitmap") {
    const std::vector<IndexedImage> images = ReadPixelArt(sourcePath, TransparentPixels::Forbidden);
    if (images.size() != 1) throw SourceError(sourcePath + ": a bitmap holds exactly one image");
    return EncodePaletteBmp(images[0]);
  }
  if (kind == ".scene") return EncodeRgbBmp(RenderScene(sourcePath));
  if (kind == ".sound") return EncodeWav(ReadSound(sourcePath));
  throw SourceError(sourcePath + ": unknown kind of source (expected .icon, .bitmap, .scene or .sound)");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: resgen SOURCE OUTPUT\n");
    return 2;
  }
  std::vector<std::uint8_t> bytes;
  try {
    bytes = BuildResource(argv[1]);
  } catch (const SourceError& error) {
    std::fprintf(stderr, "resgen: %s\n", error.what());
    return 1;
  }
  ReplacingFile output(argv[2]);
  if (!output.Write(bytes.data(), bytes.size()) || !output.Commit()) {
    std::fprintf(stderr, "resgen: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
