// The computer's search timed on the fixed suite of positions, and the hash of
// its choices there (a change of any choice changes the hash).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/bench_suite.h"

namespace {

using zv::bench::Position;

const std::vector<Position>& suite() {
  static const std::vector<Position> positions = zv::bench::load_suite(zv::bench::suite_path());
  return positions;
}

// Mean time of one computer turn's search, the suite played round-robin.
void BM_ComSearch(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const auto& positions = suite();
  if (positions.empty()) {
    state.SkipWithError("no bench positions");
    return;
  }
  auto q = std::make_unique<zv::bench::QuietGame>();
  std::size_t i = 0;
  double trials = 0;
  for (auto _ : state) {
    state.PauseTiming();
    zv::bench::set_up(q->g(), positions[i], level);
    state.ResumeTiming();
    benchmark::DoNotOptimize(zv::com_search(q->g().st));
    trials += static_cast<double>(q->g().st.trial_moves);
    i = (i + 1) % positions.size();
  }
  state.counters["trial_moves/s"] = benchmark::Counter(trials, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComSearch)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// A heavy turn: the starting position with two pawns and one of every other
// piece in the computer's hand (some 500 drops to try besides the board moves).
void BM_ComSearchFullHand(benchmark::State& state) {
  auto q = std::make_unique<zv::bench::QuietGame>();
  zv::初期設定(q->g());
  zv::bench::Position p;
  p.board = q->g().st.board;
  p.warp = q->g().st.warp_map;
  p.com_hand = {0, 2, 1, 1, 1, 1, 1, 1};
  double trials = 0;
  for (auto _ : state) {
    state.PauseTiming();
    zv::bench::set_up(q->g(), p, static_cast<int>(state.range(0)));
    state.ResumeTiming();
    benchmark::DoNotOptimize(zv::com_search(q->g().st));
    trials += static_cast<double>(q->g().st.trial_moves);
  }
  state.counters["trial_moves/s"] = benchmark::Counter(trials, benchmark::Counter::kIsRate);
  state.counters["trials/turn"] = static_cast<double>(q->g().st.trial_moves);
}
BENCHMARK(BM_ComSearchFullHand)->Arg(3)->Unit(benchmark::kMillisecond);

// Median and slowest turn of the suite: every position searched five times,
// its fastest run kept (the machine is shared, so the fastest is the cost).
void BM_ComTurnSpread(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const auto& positions = suite();
  auto q = std::make_unique<zv::bench::QuietGame>();
  std::vector<double> ms;
  double seconds = 0, trials = 0;
  for (auto _ : state) {
    ms.clear();
    for (const auto& p : positions) {
      double best = 1e9;
      for (int run = 0; run < 5; ++run) {
        zv::bench::set_up(q->g(), p, level);
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(zv::com_search(q->g().st));
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
      }
      ms.push_back(best);
      seconds += best / 1000;
      trials += static_cast<double>(q->g().st.trial_moves);
    }
  }
  std::sort(ms.begin(), ms.end());
  const std::size_t n = ms.size();
  const double median = n == 0 ? 0 : (n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2);
  state.counters["median_ms"] = median;
  state.counters["max_ms"] = n == 0 ? 0 : ms.back();
  state.counters["trial_moves/s"] = seconds > 0 ? trials / seconds : 0;
  std::printf(
      "level %d: median %.3f ms per turn, slowest %.3f ms, %.0f trial moves/s (%zu positions)\n",
      level, median, n == 0 ? 0 : ms.back(), seconds > 0 ? trials / seconds : 0, n);
}
BENCHMARK(BM_ComTurnSpread)->Arg(1)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

// The chosen moves of the whole suite at levels 1-3 as one number; the test
// ComSearchBench pins it.
void BM_ChoiceHash(benchmark::State& state) {
  std::uint64_t hash = 0;
  for (auto _ : state) hash = zv::bench::suite_hash(suite());
  state.SetLabel("choice hash " + std::to_string(hash));
  std::printf("Choice hash: %llu\n", static_cast<unsigned long long>(hash));
}
BENCHMARK(BM_ChoiceHash)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
