#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/csv/csv_reader.h"
#include "core/csv/csv_record.h"
#include "core/csv/read_csv_file.h"
#include "core/csv/table_export.h"
#include "core/csv/table_in_image.h"
#include "core/io/text_dump.h"
#include "core/tables/game_tables.h"
#include "tests/support/fixture_image.h"

namespace {

// A 3 MiB image whose tables hold random bytes, and two CSV files of its enemy table: as
// exported, and with every enemy's HP changed.
struct CsvBenchFiles {
  std::string image = TempPath("csv-bench.smc");
  std::string exported = TempPath("csv-bench-enemies.csv");
  std::string edited = TempPath("csv-bench-enemies-edited.csv");
};

std::string HpsChanged(const std::string& csv) {
  CsvRows read = ReadCsv(csv);
  std::string edited = CsvRecord(read.rows[0]);
  for (std::size_t r = 1; r < read.rows.size(); ++r) {
    std::string& hp = read.rows[r][2];
    hp = std::to_string((std::stoul(hp) + 1) % 65536);
    edited += CsvRecord(read.rows[r]);
  }
  return edited;
}

const CsvBenchFiles& BenchFiles() {
  static const CsvBenchFiles files = [] {
    CsvBenchFiles made;
    FixtureImage image;
    std::mt19937 random(24);
    for (const KnownTable& table : KnownTables()) {
      for (std::uint32_t i = 0; i < table.Size(); ++i) {
        image.PutByte(Headered(table.romPosition + i), static_cast<std::uint8_t>(random()));
      }
    }
    image.WriteTo(made.image);
    GameTables tables;
    DecodeGameTables(ByteSpan(image.bytes).From(kCopierHeaderSize), tables);
    const std::string csv = TableCsv(EnemyTableFields(), tables);
    WriteDumpFile(made.exported, csv);
    WriteDumpFile(made.edited, HpsChanged(csv));
    return made;
  }();
  return files;
}

// The goals compare these figures within one run, and one run on a shared machine can be off
// by a third: each is taken five times, and its median and least are reported.
void TakenFiveTimes(benchmark::internal::Benchmark* bench) {
  bench->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
  bench->ComputeStatistics("min", [](const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
  });
}

// What export enemies does: read the tables, make the CSV, write it through the safe replace.
// Over the export before it, as when a user exports again; or into a new file. The file
// system's part differs: ext4 starts writing a file renamed over another at once, so that a
// crash cannot lose both, and the replaced file's blocks are freed.
void ExportEnemyTable(benchmark::State& state, bool overTheExportBefore) {
  const CsvBenchFiles& files = BenchFiles();
  const std::string out = TempPath("csv-bench-out.csv");
  GameTables tables;
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) {
    std::FILE* image = std::fopen(files.image.c_str(), "rb");
    ReadTableOfImage(image, kHeaderedLayout, EnemyTableFields(), tables, bytes);
    std::fclose(image);
    benchmark::DoNotOptimize(WriteDumpFile(out, TableCsv(EnemyTableFields(), tables)));
    if (!overTheExportBefore) {
      state.PauseTiming();
      std::remove(out.c_str());
      state.ResumeTiming();
    }
  }
}
BENCHMARK_CAPTURE(ExportEnemyTable, OverTheExportBefore, true)->Apply(TakenFiveTimes);
BENCHMARK_CAPTURE(ExportEnemyTable, IntoANewFile, false)->Apply(TakenFiveTimes);

// What import enemies does to a loaded image: read the CSV and the tables, check every cell,
// list the changes and write them into the image as one action; every run changes all 230
// HPs, alternately to the edited values and back. The backup and the image's bytes kept for
// the checks before a write are made once a load, not once an import, so the loading is left
// out, as it is in the GUI's import.
void ImportEnemyTable(benchmark::State& state) {
  const CsvBenchFiles& files = BenchFiles();
  RomSession session;
  session.romFile = std::fopen(files.image.c_str(), "r+b");
  session.romLayout = kHeaderedLayout;
  session.romPath = files.image;
  session.backedUp = true;
  RememberLoadedImage(session);
  GameTables tables;
  std::vector<std::uint8_t> bytes;
  bool toEdited = true;
  std::size_t changes = 0;
  for (auto _ : state) {
    std::string csv;
    ReadCsvFile(toEdited ? files.edited : files.exported, csv);
    ReadTableOfImage(session.romFile, kHeaderedLayout, EnemyTableFields(), tables, bytes);
    const TableImport import = ReadTableImport(EnemyTableFields(), tables, std::move(bytes), csv);
    if (WriteTableImport(session, EnemyTableFields(), import) != ActionOutcome::Written) {
      state.SkipWithError("the import was not written");
      break;
    }
    changes = import.changes.size();
    toEdited = !toEdited;
    state.PauseTiming();
    session.journal = {};  // the undo steps would only pile up here
    state.ResumeTiming();
  }
  std::fclose(session.romFile);
  state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(ImportEnemyTable)->Apply(TakenFiveTimes);

// The goals are measured against this.
void LoadAllTablesOfTheCsvImage(benchmark::State& state) {
  const CsvBenchFiles& files = BenchFiles();
  GameTables tables;
  for (auto _ : state) {
    std::FILE* image = std::fopen(files.image.c_str(), "rb");
    LoadGameTables(image, kHeaderedLayout, ListOrders{}, tables);
    std::fclose(image);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(LoadAllTablesOfTheCsvImage)->Apply(TakenFiveTimes);

}  // namespace
