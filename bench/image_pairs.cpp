#include "bench/image_pairs.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "tests/support/fixture_image.h"

const ImagePair& BenchImagePair(std::size_t size, int differences) {
  static std::map<std::pair<std::size_t, int>, ImagePair> pairs;
  auto found = pairs.find({size, differences});
  if (found != pairs.end()) return found->second;
  FixtureImage unedited(size);
  std::mt19937 random(static_cast<unsigned>(size + differences));
  for (auto& byte : unedited.bytes) byte = static_cast<std::uint8_t>(random());
  FixtureImage edited = unedited;
  for (int i = 0; i < differences; ++i) edited.bytes[random() % size] ^= 0x5A;
  ImagePair pair{TempPath("edited.smc"), TempPath("unedited.smc")};
  edited.WriteTo(pair.edited);
  unedited.WriteTo(pair.unedited);
  return pairs.emplace(std::make_pair(size, differences), pair).first->second;
}

void ReadAndCompare(const ImagePair& pair) {
  std::vector<char> a(64 * 1024);
  std::vector<char> b(64 * 1024);
  std::FILE* edited = std::fopen(pair.edited.c_str(), "rb");
  std::FILE* unedited = std::fopen(pair.unedited.c_str(), "rb");
  int differingBlocks = 0;
  for (;;) {
    const std::size_t got = std::fread(a.data(), 1, a.size(), edited);
    const std::size_t other = std::fread(b.data(), 1, b.size(), unedited);
    const std::size_t count = got < other ? got : other;
    differingBlocks += std::memcmp(a.data(), b.data(), count) != 0;
    if (count < a.size()) break;
  }
  benchmark::DoNotOptimize(differingBlocks);
  std::fclose(edited);
  std::fclose(unedited);
}
