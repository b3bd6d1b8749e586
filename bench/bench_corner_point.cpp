// Speed of the corner-point placement itself, on the entry lists the
// minimum-size arrangers hand it (landscape rotation and tallest first for
// kind 1, rotations removed for kind 2, and for grouping kind 17 the
// grouping placement with its locked-unit list). bench_placement times the
// same through the C functions, where writing the units back into the job
// texts takes most of the time.
//
//   build/bin/bench_corner_point --benchmark_filter=Equal
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"

namespace {

constexpr double kRollWidth = 1600;
constexpr double kGap = 5;

std::vector<ArrangeEntry> equalLabels(std::int64_t count) {
  std::vector<ArrangeEntry> entries(static_cast<std::size_t>(count));
  for (ArrangeEntry& e : entries) {
    e.MmWidth = 90;
    e.MmHeight = 50;
  }
  return entries;
}

// Seeded random sizes, 20 to 400 mm each way in tenths.
std::vector<ArrangeEntry> mixedSizes(std::int64_t count) {
  std::mt19937 random(15);
  std::uniform_int_distribution<int> tenths(200, 4000);
  std::vector<ArrangeEntry> entries(static_cast<std::size_t>(count));
  for (ArrangeEntry& e : entries) {
    e.MmWidth = tenths(random) / 10.0;
    e.MmHeight = tenths(random) / 10.0;
  }
  return entries;
}

// What the arranger of `kind` does before placing.
std::vector<ArrangeEntry> prepared(std::vector<ArrangeEntry> entries, int kind,
                                   const specialityType::DimDouble& area) {
  entries = kind == 2 ? EntryRotation::resetRotation(std::move(entries))
                      : EntryRotation::rotateLandscape(std::move(entries), area);
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ArrangeEntry& a, const ArrangeEntry& b) { return a.MmHeight > b.MmHeight; });
  return entries;
}

// Arguments: kind (1, 2 or 17), units, sheet length (0: unlimited roll).
void timePlacement(benchmark::State& state, std::vector<ArrangeEntry> entries) {
  const int kind = static_cast<int>(state.range(0));
  const double length = state.range(2) == 0 ? -1.0 : static_cast<double>(state.range(2));
  const std::vector<ArrangeEntry> locked;
  CornerPointPlacement::Settings settings;
  settings.area = {kRollWidth, length};
  settings.gapScan = kGap;
  settings.gapFeed = kGap;
  settings.tryTurned = kind == 1;
  if (kind == 17) settings.locked = &locked;
  const std::vector<ArrangeEntry> input = prepared(std::move(entries), kind, settings.area);
  std::vector<ArrangeEntry> work;
  int32_t sheets = 0;
  for (auto _ : state) {
    state.PauseTiming();
    work = input;
    state.ResumeTiming();
    CornerPointPlacement::place(work, settings);
    benchmark::ClobberMemory();
  }
  for (const ArrangeEntry& e : work) sheets = std::max(sheets, e.ArrangeNum);
  state.counters["units"] = static_cast<double>(state.range(1));
  state.counters["sheets"] = sheets;
}

void BM_EqualLabels(benchmark::State& state) { timePlacement(state, equalLabels(state.range(1))); }

void BM_MixedSizes(benchmark::State& state) { timePlacement(state, mixedSizes(state.range(1))); }

void arguments(benchmark::internal::Benchmark* bench, const std::vector<std::int64_t>& units) {
  bench->ArgNames({"kind", "units", "length"})->Unit(benchmark::kMillisecond);
  for (std::int64_t kind : {1, 2, 17})
    for (std::int64_t count : units)
      for (std::int64_t length : {0, 3000}) bench->Args({kind, count, length});
}

}  // namespace

BENCHMARK(BM_EqualLabels)->Apply([](benchmark::internal::Benchmark* b) {
  arguments(b, {1000, 10000, 100000});
});
BENCHMARK(BM_MixedSizes)->Apply([](benchmark::internal::Benchmark* b) {
  arguments(b, {1000, 10000});
});

BENCHMARK_MAIN();
