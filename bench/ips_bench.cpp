#include <benchmark/benchmark.h>

#include <atomic>

#include "bench/image_pairs.h"
#include "core/ips/write_ips_patch.h"
#include "tests/support/fixture_image.h"

namespace {

std::size_t SizeArg(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

void WriteIpsPatchRun(benchmark::State& state) {
  const ImagePair& pair = BenchImagePair(SizeArg(state), static_cast<int>(state.range(1)));
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
  const ImagePair& pair = BenchImagePair(SizeArg(state), static_cast<int>(state.range(1)));
  for (auto _ : state) ReadAndCompare(pair);
}

void Cases(benchmark::internal::Benchmark* bench) {
  // A full headered image and the largest image IPS offsets can address.
  const std::int64_t fullImage = FixtureImage::kFullSize;
  const std::int64_t largest = kIpsMaxImageSize;
  bench->ArgNames({"bytes", "differences"})
      ->Args({fullImage, 1000})
      ->Args({fullImage, 100000})
      ->Args({largest, 1000})
      ->Args({largest, 100000});
  bench->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(WriteIpsPatchRun)->Apply(Cases);
BENCHMARK(ReadAndCompareRun)->Apply(Cases);
