#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "bench/image_pairs.h"
#include "core/compare/change_texts.h"
#include "core/compare/compare_images.h"
#include "core/compare/image_bytes.h"
#include "core/tables/table_fields.h"
#include "tests/support/fixture_image.h"

namespace {

constexpr std::size_t kImageSize = 6 * 1024 * 1024 + kCopierHeaderSize;
constexpr std::size_t kChangedFieldsPerTable = 500;
constexpr std::size_t kChangedStretches = 200;

// Changes the first byte of field number (n / records) of record (n % records), each of the
// first n fields of the table once.
void ChangeFields(FixtureImage& image, const KnownTable& table, std::size_t count) {
  for (std::size_t n = 0; n < count; ++n) {
    const TableField& field = table.fields[n / table.recordCount];
    const std::uint32_t record = static_cast<std::uint32_t>(n % table.recordCount);
    image.bytes[Headered(table.romPosition + record * table.recordSize + field.offset)] ^= field.bits & -field.bits;
  }
}

// Two 6 MiB images of random bytes behind their headers: the edited one has 1,000 fields of
// the enemy and item tables changed and 200 stretches of 64 bytes outside the tables.
const ImagePair& ComparedPair() {
  static const ImagePair pair = [] {
    FixtureImage unedited(kImageSize);
    std::mt19937 random(23);
    for (auto& byte : unedited.bytes) byte = static_cast<std::uint8_t>(random());
    FixtureImage edited = unedited;
    ChangeFields(edited, EnemyTableFields(), kChangedFieldsPerTable);
    ChangeFields(edited, ItemTableFields(), kChangedFieldsPerTable);
    for (std::uint32_t s = 0; s < kChangedStretches; ++s) {
      for (std::uint32_t b = 0; b < 64; ++b) edited.bytes[Headered(0x200000 + s * 0x1000 + b)] ^= 0x5A;
    }
    ImagePair made{TempPath("compare-edited.smc"), TempPath("compare-unedited.smc")};
    edited.WriteTo(made.edited);
    unedited.WriteTo(made.unedited);
    return made;
  }();
  return pair;
}

ImageBytes ReadImage(const std::string& path) {
  ImageBytes image;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ReadImageBytes(file, kHeaderedLayout, image);
  std::fclose(file);
  return image;
}

// What diff does: read both images, compare them and put every change into words.
void CompareImagesRun(benchmark::State& state) {
  const ImagePair& pair = ComparedPair();
  std::size_t fields = 0;
  for (auto _ : state) {
    const ImageBytes unedited = ReadImage(pair.unedited);
    const ImageBytes edited = ReadImage(pair.edited);
    const ImageChanges changes = CompareImages(unedited.RomData(), edited.RomData());
    benchmark::DoNotOptimize(ChangeLines(changes).size());
    fields = changes.fields.size();
  }
  state.counters["fields"] = static_cast<double>(fields);
}

// Its goal is measured against this: load the tables of both images, then the loop that
// reads both and compares them.
void LoadTablesOfBothAndReadAndCompareRun(benchmark::State& state) {
  const ImagePair& pair = ComparedPair();
  GameTables tables;
  for (auto _ : state) {
    for (const std::string& path : {pair.unedited, pair.edited}) {
      std::FILE* file = std::fopen(path.c_str(), "rb");
      LoadGameTables(file, kHeaderedLayout, ListOrders{}, tables);
      std::fclose(file);
    }
    ReadAndCompare(pair);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(CompareImagesRun)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTablesOfBothAndReadAndCompareRun)->Unit(benchmark::kMillisecond);
