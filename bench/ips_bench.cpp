#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <map>
#include <random>

#include "core/ips/write_ips_patch.h"
#include "tests/support/fixture_image.h"

namespace {

struct ImagePair {
  std::string edited;
  std::string unedited;
};

// Pairs are written once and shared by the patch run and the plain comparison.
const ImagePair& Pair(std::size_t size, int differences) {
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

std::size_t SizeArg(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

void WriteIpsPatchRun(benchmark::State& state) {
  const ImagePair& pair = Pair(SizeArg(state), static_cast<int>(state.range(1)));
  const std::string patchPath = TempPath("bench.ips");
  std::atomic<std::int32_t> counter{0};
  for (auto _ : state) {
    std::FILE* edited = std::fopen(pair.edited.c_str(), "rb");
    std::FILE* unedited = std::fopen(pair.unedited.c_str(), "rb");
    const IpsResult result = WriteIpsPatch(edited, unedited, patchPath, counter);
    std::fclose(edited);
    std::fclose(unedited);
    if (!result.written) state.SkipWithError(result.message.c_str());
  }
}

// The limit: read both files and compare them, nothing more.
void ReadAndCompareRun(benchmark::State& state) {
  const ImagePair& pair = Pair(SizeArg(state), static_cast<int>(state.range(1)));
  std::vector<char> a(64 * 1024);
  std::vector<char> b(64 * 1024);
  for (auto _ : state) {
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
}

void Cases(benchmark::internal::Benchmark* bench) {
  // A full headered image and the largest image IPS offsets can address.
  const std::int64_t fullImage = FixtureImage::kFullSize;
  const std::int64_t largest = kIpsMaxImageSize;
  bench->ArgNames({"bytes", "differences"})->Args({fullImage, 1000})->Args({fullImage, 100000})->Args({largest, 1000});
  bench->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(WriteIpsPatchRun)->Apply(Cases);
BENCHMARK(ReadAndCompareRun)->Apply(Cases);
