#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <vector>

#include "bench/image_pairs.h"
#include "core/patch/apply_patch_files.h"
#include "core/patch/crc32.h"
#include "core/patch/make_bps_patch.h"
#include "core/rom/rom_session.h"
#include "tests/support/fixture_image.h"

namespace {

const ImagePair& PairOf(const benchmark::State& state) {
  return BenchImagePair(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
}

IpsResult MakeBps(const ImagePair& pair, const std::string& patchPath) {
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  std::FILE* edited = std::fopen(pair.edited.c_str(), "rb");
  std::FILE* unedited = std::fopen(pair.unedited.c_str(), "rb");
  const IpsResult result =
      MakeBpsPatch({edited, kCopierHeaderSize}, {unedited, kCopierHeaderSize}, patchPath, {bytesDone, totalBytes});
  std::fclose(edited);
  std::fclose(unedited);
  return result;
}

void MakeBpsRun(benchmark::State& state) {
  const ImagePair& pair = PairOf(state);
  const std::string patchPath = TempPath("bench.bps");
  for (auto _ : state) {
    const IpsResult result = MakeBps(pair, patchPath);
    if (!result.written) state.SkipWithError(result.message.c_str());
  }
}

void ApplyBpsRun(benchmark::State& state) {
  const ImagePair& pair = PairOf(state);
  const std::string patchPath = TempPath("bench.bps");
  const std::string resultPath = TempPath("patched.smc");
  if (!MakeBps(pair, patchPath).written) state.SkipWithError("no patch to apply");
  std::atomic<std::int32_t> bytesDone{0};
  std::atomic<std::int32_t> totalBytes{0};
  for (auto _ : state) {
    const PatchFilesApplied applied = ApplyPatchFiles({patchPath, pair.unedited, resultPath}, {bytesDone, totalBytes});
    if (!applied.written) state.SkipWithError(applied.message.c_str());
  }
}

// The limit of making a patch, the loop the IPS benchmark measures too.
void ReadAndCompareLoopRun(benchmark::State& state) {
  const ImagePair& pair = PairOf(state);
  for (auto _ : state) ReadAndCompare(pair);
}

// The limit of applying one: read the image whole and write it to a new file.
void PlainCopyRun(benchmark::State& state) {
  const ImagePair& pair = PairOf(state);
  const std::string copyPath = TempPath("copy.smc");
  std::vector<char> bytes(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::FILE* from = std::fopen(pair.unedited.c_str(), "rb");
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), from);
    std::fclose(from);
    std::FILE* to = std::fopen(copyPath.c_str(), "wb");
    const std::size_t written = std::fwrite(bytes.data(), 1, read, to);
    std::fclose(to);
    if (written != bytes.size()) state.SkipWithError("the copy failed");
  }
}

// What no BPS patch can be made in less than: the loop above, with the CRC-32s the format
// records taken over each block as it is read, and without the compare.
void ReadAndSumLoopRun(benchmark::State& state) {
  const ImagePair& pair = PairOf(state);
  std::vector<std::uint8_t> edited(64 * 1024);
  std::vector<std::uint8_t> unedited(64 * 1024);
  for (auto _ : state) {
    std::FILE* editedFile = std::fopen(pair.edited.c_str(), "rb");
    std::FILE* uneditedFile = std::fopen(pair.unedited.c_str(), "rb");
    Crc32Stream editedCrc;
    Crc32Stream uneditedCrc;
    for (;;) {
      const std::size_t got = std::fread(edited.data(), 1, edited.size(), editedFile);
      const std::size_t other = std::fread(unedited.data(), 1, unedited.size(), uneditedFile);
      editedCrc.Add(ByteSpan(edited.data(), got));
      uneditedCrc.Add(ByteSpan(unedited.data(), other));
      if (got < edited.size()) break;
    }
    std::fclose(editedFile);
    std::fclose(uneditedFile);
    benchmark::DoNotOptimize(editedCrc.Value() ^ uneditedCrc.Value());
  }
}

void Crc32OfBothRun(benchmark::State& state) {
  const ImagePair& pair = PairOf(state);
  const std::vector<std::uint8_t> edited = ReadFileBytes(pair.edited);
  const std::vector<std::uint8_t> unedited = ReadFileBytes(pair.unedited);
  for (auto _ : state) benchmark::DoNotOptimize(Crc32(edited) ^ Crc32(unedited));
}

void Cases(benchmark::internal::Benchmark* bench) {
  // A 3 MiB and a 6 MiB image, each behind its copier header.
  const std::int64_t sizes[] = {3 * 1024 * 1024 + kCopierHeaderSize, 6 * 1024 * 1024 + kCopierHeaderSize};
  bench->ArgNames({"bytes", "differences"});
  for (const std::int64_t size : sizes) bench->Args({size, 1000})->Args({size, 100000});
  bench->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(MakeBpsRun)->Apply(Cases);
BENCHMARK(ReadAndCompareLoopRun)->Apply(Cases);
BENCHMARK(ReadAndSumLoopRun)->Apply(Cases);
BENCHMARK(Crc32OfBothRun)->Apply(Cases);
BENCHMARK(ApplyBpsRun)->Apply(Cases);
BENCHMARK(PlainCopyRun)->Apply(Cases);
