#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"
#include "core/enemy/outside_pictures.h"
#include "tests/support/fixture_image.h"

namespace {

// A full-size image whose enemy table and sprite graphics hold random bytes, with names of
// mixed-case letters so the name sort meets case ties.
const std::string& BenchImagePath() {
  static const std::string path = [] {
    FixtureImage image;
    std::mt19937 random(2024);
    for (std::size_t i = 0x110200; i < image.bytes.size(); ++i) image.bytes[i] = random() & 0xFF;
    const char letters[] = "aAbBcCdDeE";
    for (std::size_t enemy = 0; enemy < kEnemyCount; ++enemy) {
      std::string name;
      for (std::size_t length = 3 + random() % 20; name.size() < length;) name += letters[random() % 10];
      image.PutGameText(Headered(kEnemyTableRomPosition) + kEnemyRecordSize * enemy + EnemyFieldOffset::kName, name,
                        kNameFieldLength);
    }
    const std::string written = TempPath("bench.smc");
    image.WriteTo(written);
    return written;
  }();
  return path;
}

EnemyTable ScrambledTable() {
  std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
  EnemyTable table;
  LoadEnemyTable(file, kHeaderedLayout, table);
  std::fclose(file);
  std::shuffle(table.begin(), table.end(), std::mt19937(5));
  return table;
}

void BM_CopyEnemyTable(benchmark::State& state) {
  const EnemyTable scrambled = ScrambledTable();
  for (auto _ : state) {
    EnemyTable table = scrambled;
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_CopyEnemyTable);

template <void (*Sort)(EnemyTable&)>
void BM_SortEnemies(benchmark::State& state) {
  const EnemyTable scrambled = ScrambledTable();
  for (auto _ : state) {
    EnemyTable table = scrambled;
    Sort(table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK_TEMPLATE(BM_SortEnemies, SortEnemiesByName)->Name("BM_SortEnemiesByName");
BENCHMARK_TEMPLATE(BM_SortEnemies, SortEnemiesByGameOrder)->Name("BM_SortEnemiesByGameOrder");
BENCHMARK_TEMPLATE(BM_SortEnemies, SortEnemiesByNumber)->Name("BM_SortEnemiesByNumber");

void BM_ReadEnemyTableBytes(benchmark::State& state) {
  std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
  std::vector<std::uint8_t> bytes(kEnemyTableSize);
  for (auto _ : state) {
    std::fseek(file, Headered(kEnemyTableRomPosition), SEEK_SET);
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
  }
  std::fclose(file);
}
BENCHMARK(BM_ReadEnemyTableBytes);

void BM_LoadEnemyTable(benchmark::State& state) {
  std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
  EnemyTable table;
  for (auto _ : state) {
    LoadEnemyTable(file, kHeaderedLayout, table);
    benchmark::DoNotOptimize(table);
  }
  std::fclose(file);
}
BENCHMARK(BM_LoadEnemyTable);

void BM_DecodeAllOutsidePictures(benchmark::State& state) {
  std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
  PictureBuffer pixels;
  for (auto _ : state) {
    for (std::uint32_t frame : OutsidePictureFrames) {
      DecodeSpriteFrame(file, kHeaderedLayout, frame, pixels);
      benchmark::DoNotOptimize(pixels);
    }
  }
  std::fclose(file);
  state.SetItemsProcessed(state.iterations() * kOutsidePictureCount);
}
BENCHMARK(BM_DecodeAllOutsidePictures);

}  // namespace
