#include "tests/support/fixture_image.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "core/text/game_text.h"

FixtureImage::FixtureImage(std::size_t size, RomLayout imageLayout) : layout(imageLayout), bytes(size, 0) {}

FixtureImage FixtureImage::OfLayout(const RomLayout& imageLayout) {
  return FixtureImage(kRomDataSize + imageLayout.headerSize, imageLayout);
}

FixtureImage FixtureImage::HeaderlessTwin() const {
  FixtureImage twin(0, kHeaderlessLayout);
  twin.bytes.assign(bytes.begin() + layout.headerSize, bytes.end());
  return twin;
}

FixtureImage& FixtureImage::SetTitle(const std::string& title) {
  const std::uint32_t start = FileOffset(layout.internalHeader);
  for (std::size_t i = 0; i < kRomTitleLength; ++i) bytes.at(start + i) = i < title.size() ? title[i] : ' ';
  return *this;
}

FixtureImage& FixtureImage::SetKind(RomKind kind) {
  switch (kind) {
    case RomKind::EarthBoundRom:
      return SetTitle("EARTH BOUND (J)");
    case RomKind::Mother2Rom:
      return SetTitle("MOTHER-2");
    default:
      return SetTitle("SOME OTHER GAME");
  }
}

FixtureImage& FixtureImage::Put(std::uint32_t offset, const std::vector<std::uint8_t>& data) {
  for (std::size_t i = 0; i < data.size(); ++i) bytes.at(offset + i) = data[i];
  return *this;
}

FixtureImage& FixtureImage::PutByte(std::uint32_t offset, std::uint8_t value) {
  bytes.at(offset) = value;
  return *this;
}

FixtureImage& FixtureImage::PutValue(std::uint32_t offset, std::uint32_t value, unsigned width) {
  for (unsigned i = 0; i < width; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
  return *this;
}

FixtureImage& FixtureImage::PutGameText(std::uint32_t offset, const std::string& text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) bytes.at(offset + i) = i < text.size() ? EncodeGameChar(text[i]) : 0;
  return *this;
}

void FixtureImage::WriteTo(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path);
}

void FixtureImage::WriteTo(const std::string& path, std::uint64_t size) const {
  WriteTo(path);
  std::filesystem::resize_file(path, size);
}

namespace {

struct TempFolder {
  TempFolder() {
    // Unique per process, so parallel test runs never share files.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path = std::filesystem::temp_directory_path() /
           ("quillon-test-" + std::to_string(stamp) + "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

}  // namespace

std::string TempPath(const std::string& name) {
  static TempFolder folder;
  static int counter = 0;
  return (folder.path / (std::to_string(++counter) + "-" + name)).string();
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  // One bulk read: tests compare whole 3 MiB images, often under the sanitizers.
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFileText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}
