// The computer's search timed on the fixed suite of positions, and the hash of
// its choices there (a change of any choice changes the hash).
//   zorvane_bench                     run the timings, then print the summary
//   zorvane_bench --generate FILE     write a fresh suite by random play
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "engine/bench_suite.h"

namespace {

using zv::bench::Position;

const std::vector<Position>& suite() {
  static const std::vector<Position> positions = zv::bench::load_suite(zv::bench::suite_path());
  return positions;
}

void BM_ComSearch(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const auto& positions = suite();
  if (positions.empty()) {
    state.SkipWithError("no bench positions");
    return;
  }
  zv::bench::QuietGame q;
  std::size_t i = 0;
  long trials = 0;
  for (auto _ : state) {
    state.PauseTiming();
    zv::bench::set_up(q.g(), positions[i], level);
    state.ResumeTiming();
    benchmark::DoNotOptimize(zv::com_search(q.g()));
    trials += q.g().st.trial_moves;
    i = (i + 1) % positions.size();
  }
  state.counters["trial_moves/s"] =
      benchmark::Counter(static_cast<double>(trials), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComSearch)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Per-turn times: every position searched a few times, the fastest run kept.
void print_summary() {
  const auto& positions = suite();
  zv::bench::QuietGame q;
  std::printf("\nComputer turn on %zu positions (fastest of 3 runs per position):\n",
              positions.size());
  for (int level = 1; level <= 3; ++level) {
    std::vector<double> ms;
    double total_s = 0;
    long trials = 0;
    for (const auto& p : positions) {
      double best = 1e9;
      for (int run = 0; run < 3; ++run) {
        zv::bench::set_up(q.g(), p, level);
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(zv::com_search(q.g()));
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
      }
      ms.push_back(best);
      total_s += best / 1000.0;
      trials += q.g().st.trial_moves;
    }
    std::sort(ms.begin(), ms.end());
    const double median =
        ms.empty() ? 0 : (ms.size() % 2 ? ms[ms.size() / 2]
                                        : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2);
    std::printf("  level %d: median %.3f ms, max %.3f ms, %.0f trial moves/s\n", level, median,
                ms.empty() ? 0 : ms.back(), total_s > 0 ? trials / total_s : 0);
  }
  std::printf("Choice hash: %llu\n",
              static_cast<unsigned long long>(zv::bench::suite_hash(positions)));
}

int generate(const char* path) {
  const auto positions = zv::bench::generate_suite(60, 0x5eed5eedull);
  std::ofstream out(path);
  out << "# Positions for the computer's search bench: the upper side (the computer)\n"
         "# to move, from random games with warps and drops.\n";
  int n = 0;
  for (const auto& p : positions) zv::bench::write_position(out, p, ++n);
  std::printf("wrote %d positions to %s\n", n, path);
  return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--generate") == 0) return generate(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  print_summary();
  return 0;
}
