#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_table.h"
#include "core/item/item_table.h"
#include "core/rom/image_action.h"
#include "core/rom/image_backup.h"
#include "tests/support/fixture_image.h"

namespace {

const std::string& ImagePath() {
  static const std::string path = [] {
    const std::string written = TempPath("undo-bench.smc");
    FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(written);
    return written;
  }();
  return path;
}

// The backup against the plain copy it stands for, both of the same full-size image.
void BM_PlainFileCopy(benchmark::State& state) {
  const std::string target = TempPath("plain-copy.smc");
  for (auto _ : state) {
    std::filesystem::copy_file(ImagePath(), target, std::filesystem::copy_options::overwrite_existing);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(FixtureImage::kFullSize));
}
BENCHMARK(BM_PlainFileCopy)->Unit(benchmark::kMillisecond);

void BM_MakeImageBackup(benchmark::State& state) {
  const std::tm now = LocalTimeNow();
  for (auto _ : state) {
    if (!MakeImageBackup(ImagePath(), now)) state.SkipWithError("the backup could not be made");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(FixtureImage::kFullSize));
}
BENCHMARK(BM_MakeImageBackup)->Unit(benchmark::kMillisecond);

// One enemy Apply that changes its HP each time, bare and as a journalled action.
struct ApplyBench {
  ApplyBench() {
    session.romFile = std::fopen(ImagePath().c_str(), "r+b");
    session.romLoaded = 1;
    session.romLayout = kHeaderedLayout;
    session.romPath = ImagePath();
    RememberLoadedImage(session);
    LoadEnemyTable(session.romFile, kHeaderedLayout, enemies);
    LoadItemTable(session.romFile, kHeaderedLayout, items);
  }
  ~ApplyBench() { CloseRom(session); }

  bool Apply(bool odd) {
    boxes.hp = odd ? "100" : "200";
    return ApplyEnemy(session.romFile, enemies, items, 5, boxes, ListOrder::Original).written;
  }

  RomSession session;
  EnemyTable enemies;
  ItemTable items{};
  EnemyBoxes boxes;
};

void BM_ApplyEnemy(benchmark::State& state) {
  ApplyBench bench;
  bool odd = false;
  for (auto _ : state) {
    if (!bench.Apply(odd = !odd)) state.SkipWithError("the apply failed");
  }
}
BENCHMARK(BM_ApplyEnemy);

void BM_ApplyEnemyWithJournalEntry(benchmark::State& state) {
  ApplyBench bench;
  bench.session.backedUp = true;
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    if (RunImageAction(bench.session, [&] { return bench.Apply(odd); }) != ActionOutcome::Written) {
      state.SkipWithError("the apply failed");
    }
  }
  state.counters["journal entries"] = static_cast<double>(bench.session.journal.undo.size());
}
BENCHMARK(BM_ApplyEnemyWithJournalEntry);

}  // namespace
