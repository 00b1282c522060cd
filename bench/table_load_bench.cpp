#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "core/item/item_order.h"
#include "core/tables/game_tables.h"
#include "tests/support/fixture_image.h"

namespace {

// A full-size image whose enemy and item names are varied enough to make the sorts work.
const std::string& BenchImagePath() {
  static const std::string path = [] {
    FixtureImage image;
    image.SetKind(RomKind::EarthBoundRom);
    auto name = [](std::uint32_t n) {
      std::string text;
      for (std::uint32_t v = n * 2654435761u, i = 0; i < 3 + n % 19; ++i, v = v * 1103515245u + 12345u) {
        text += static_cast<char>((i % 2 ? 'a' : 'A') + (v >> 16) % 26);
      }
      return text;
    };
    for (std::uint32_t n = 0; n < kItemCount; ++n) {
      image.PutGameText(Headered(kItemTableRomPosition) + n * kItemRecordSize, name(n), kNameFieldLength);
      image.PutByte(Headered(kItemTableRomPosition) + n * kItemRecordSize + kItemTypeField, static_cast<std::uint8_t>(n % 12));
    }
    for (std::uint32_t n = 0; n < kEnemyCount; ++n) {
      image.PutGameText(Headered(kEnemyTableRomPosition) + n * kEnemyRecordSize + EnemyFieldOffset::kName, name(n + 300),
                        kNameFieldLength);
    }
    const std::string made = TempPath("bench.smc");
    image.WriteTo(made);
    return made;
  }();
  return path;
}

void PlainReadOfTheImage(benchmark::State& state) {
  std::vector<unsigned char> buffer(FixtureImage::kFullSize);
  for (auto _ : state) {
    std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), file));
    std::fclose(file);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(buffer.size()));
}
BENCHMARK(PlainReadOfTheImage);

void LoadGameTablesOfTheImage(benchmark::State& state) {
  GameTables tables;
  const ListOrders orders;
  for (auto _ : state) {
    std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
    LoadGameTables(file, kHeaderedLayout, orders, tables);
    std::fclose(file);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(LoadGameTablesOfTheImage);

ItemTable ItemsInRomOrder() {
  std::FILE* file = std::fopen(BenchImagePath().c_str(), "rb");
  ItemTable items;
  LoadItemTable(file, kHeaderedLayout, items);
  std::fclose(file);
  return items;
}

void SortItemsFromRomOrder(benchmark::State& state, void (*sort)(ItemTable&)) {
  const ItemTable romOrder = ItemsInRomOrder();
  ItemTable items;
  for (auto _ : state) {
    items = romOrder;
    sort(items);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(SortItemsFromRomOrder, ByName, SortItemsByName);
BENCHMARK_CAPTURE(SortItemsFromRomOrder, ByType, SortItemsByType);
BENCHMARK_CAPTURE(SortItemsFromRomOrder, ByNumber, SortItemsByNumber);

}  // namespace
