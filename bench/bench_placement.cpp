// Placement speed through the C functions, as a host calls them: the
// minimum-size kinds on equal and on mixed labels, the grouping
// minimum-size kind, and a whole job-text round trip.
//
//   build/bin/bench_placement --benchmark_filter=Equal
//
// A run the library refuses (false from the execution) is reported as an
// error row rather than a time. The library's log records are switched off,
// as a host without a sink would want: Boost.Log would otherwise print every
// trace record to the console, inside the timed runs.
#include <benchmark/benchmark.h>

#include <boost/log/core.hpp>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition.h"

namespace {

constexpr double kRollWidth = 1600;
constexpr double kGap = 5;
constexpr double kSheetLength = 3000;
constexpr double kUnlimited = -1;

// One job of `copies` copies of a width x height image.
std::string copiesJob(const std::string& id, double width, double height,
                      int copies) {
  std::ostringstream text;
  text << "[Job]\nJobID=\"" << id << "\"\nParamVersion=\"1.17\"\n"
       << "[Composite]\npages=1\nscale=" << width << ',' << height
       << "\nduplicateCount=" << copies << '\n';
  return text.str();
}

// `count` single-copy jobs of seeded random sizes, 20 to 400 mm each way.
std::vector<std::string> mixedJobs(int count) {
  std::mt19937 random(15);
  std::uniform_int_distribution<int> tenths(200, 4000);
  std::vector<std::string> jobs;
  for (int i = 0; i < count; ++i) {
    const double width = tenths(random) / 10.0;
    const double height = tenths(random) / 10.0;
    jobs.push_back(copiesJob("M" + std::to_string(i), width, height, 1));
  }
  return jobs;
}

// A group whose primary is its only member, with `copies` copies of its
// image: the grouping kinds place the copies one by one.
std::string groupJob(double width, double height, int copies) {
  std::ostringstream text;
  text << "[Job]\nJobID=\"G\"\nPrimary=\"G\"\nGroupingPrimary=\"G\"\n"
       << "ParamVersion=\"1.17\"\n[Print]\ngroupingMember=G\n[Composite]\n"
       << "pages=1\nscale=" << width << ',' << height
       << "\nduplicateCount=" << copies << '\n';
  return text.str();
}

// An instance holding `jobs`, set up for `kind` on the 1600 mm roll.
class Library {
 public:
  Library(int kind, double length) : instance_(CreateInstance()) {
    init(instance_, kind, kGap, kGap, false, kRollWidth, length, 0, 0);
  }
  ~Library() { disposeInstance(instance_); }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  void load(const std::vector<std::string>& jobs) {
    clearJob(instance_);
    for (const std::string& job : jobs) addJob(instance_, job.c_str());
  }
  bool arrange() {
    double x = 0, y = 0, width = 0, height = 0;
    return alignmentJobPositionExec(instance_, &x, &y, &width, &height, 0);
  }
  bool arrangeGroups() { return alignmentGroupingJobPositionExec(instance_); }
  // Reads every job back as text; answers the bytes read.
  std::uint64_t readBack() {
    int count = 0;
    std::uint64_t total = 0;
    if (!getAlignmentJobCount(instance_, &count)) return 0;
    std::string text;
    for (int i = 0; i < count; ++i) {
      std::uint64_t size = 0;
      if (!getAlignmentJobSize(instance_, i, &size)) return 0;
      text.resize(size);
      if (!copyAlignmentJobParam(instance_, text.data(), size)) return 0;
      total += size;
    }
    return total;
  }

 private:
  void* instance_;
};

// Times `run` alone: loading the jobs is outside the clock. One untimed
// run first tells a refusal from a time.
template <typename Run>
void timeArrangement(benchmark::State& state, Library& library,
                     const std::vector<std::string>& jobs, Run run) {
  library.load(jobs);
  if (!run()) {
    state.SkipWithError("refused by the library");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    library.load(jobs);
    state.ResumeTiming();
    benchmark::DoNotOptimize(run());
  }
  state.counters["units"] = static_cast<double>(state.range(1));
}

// Arguments: kind, units, sheet length (0: unlimited roll).
double lengthOf(const benchmark::State& state) {
  return state.range(2) == 0 ? kUnlimited : static_cast<double>(state.range(2));
}

void BM_EqualLabels(benchmark::State& state) {
  Library library(static_cast<int>(state.range(0)), lengthOf(state));
  const auto jobs = std::vector<std::string>{
      copiesJob("E", 90, 50, static_cast<int>(state.range(1)))};
  timeArrangement(state, library, jobs, [&] { return library.arrange(); });
}

void BM_MixedSizes(benchmark::State& state) {
  Library library(static_cast<int>(state.range(0)), lengthOf(state));
  const auto jobs = mixedJobs(static_cast<int>(state.range(1)));
  timeArrangement(state, library, jobs, [&] { return library.arrange(); });
}

void BM_GroupingEqualLabels(benchmark::State& state) {
  Library library(static_cast<int>(state.range(0)), lengthOf(state));
  const auto jobs = std::vector<std::string>{
      groupJob(90, 50, static_cast<int>(state.range(1)))};
  timeArrangement(state, library, jobs,
                  [&] { return library.arrangeGroups(); });
}

// addJob, arrange and read back, all on the clock.
void BM_RoundTrip(benchmark::State& state) {
  Library library(static_cast<int>(state.range(0)), kUnlimited);
  const auto jobs = std::vector<std::string>{
      copiesJob("R", 90, 50, static_cast<int>(state.range(1)))};
  for (auto _ : state) {
    library.load(jobs);
    if (!library.arrange()) {
      state.SkipWithError("refused by the library");
      break;
    }
    benchmark::DoNotOptimize(library.readBack());
  }
}

// Kinds 1 and 2 (minimum size, with and without rotation), every size on an
// unlimited roll and on 3000 mm sheets.
void placementArguments(benchmark::internal::Benchmark* bench,
                        const std::vector<std::int64_t>& units) {
  bench->ArgNames({"kind", "units", "length"})->Unit(benchmark::kMillisecond);
  for (std::int64_t kind : {1, 2})
    for (std::int64_t count : units)
      for (std::int64_t length : {0, static_cast<int>(kSheetLength)})
        bench->Args({kind, count, length});
}

}  // namespace

BENCHMARK(BM_EqualLabels)->Apply([](benchmark::internal::Benchmark* b) {
  placementArguments(b, {1000, 10000, 100000});
});
BENCHMARK(BM_MixedSizes)->Apply([](benchmark::internal::Benchmark* b) {
  placementArguments(b, {1000, 10000});
});
BENCHMARK(BM_GroupingEqualLabels)
    ->ArgNames({"kind", "units", "length"})
    ->Unit(benchmark::kMillisecond)
    ->Args({17, 1000, 0})
    ->Args({17, 1000, static_cast<int>(kSheetLength)})
    ->Args({17, 10000, 0})
    ->Args({17, 10000, static_cast<int>(kSheetLength)});
// Kind 9 (sequential) keeps the time on the texts; kind 1 adds its placement.
BENCHMARK(BM_RoundTrip)
    ->ArgNames({"kind", "copies"})
    ->Unit(benchmark::kMillisecond)
    ->Args({9, 1000})
    ->Args({1, 1000});

int main(int argc, char** argv) {
  boost::log::core::get()->set_logging_enabled(false);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
