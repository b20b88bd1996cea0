// The searching computer (level 4) on the fixed suite of positions: nodes per
// second at a fixed node count per position (the choices stay the same from
// run to run, so only the speed is measured).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "engine/bench_suite.h"
#include "engine/search4.h"

namespace {

constexpr std::int64_t NODES_PER_POSITION = 100000;

void BM_Search4NodesPerSecond(benchmark::State& state) {
  static const std::vector<zv::bench::Position> suite =
      zv::bench::load_suite(zv::bench::suite_path());
  if (suite.empty()) {
    state.SkipWithError("no bench positions");
    return;
  }
  zv::s4::Searcher searcher;
  const zv::s4::Limits limits{0, NODES_PER_POSITION, 0};
  double nodes = 0, seconds = 0;
  int depth_sum = 0;
  for (auto _ : state) {
    for (const auto& p : suite) {
      zv::BoardState s;
      s.board = p.board;
      s.warp_map = p.warp;
      s.com_hand = p.com_hand;
      s.man_hand = p.man_hand;
      zv::s4::Result r;
      benchmark::DoNotOptimize(zv::s4::search4_move(searcher, s, zv::SENTE, limits, nullptr, &r));
      nodes += static_cast<double>(r.nodes);
      seconds += r.seconds;
      depth_sum += r.depth;
    }
  }
  const double rate = seconds > 0 ? nodes / seconds : 0;
  state.counters["nodes/s"] = rate;
  std::printf("level 4: %.0f nodes/s, mean depth %.1f at %lld nodes (%zu positions)\n", rate,
              static_cast<double>(depth_sum) / suite.size(),
              static_cast<long long>(NODES_PER_POSITION), suite.size());
}
BENCHMARK(BM_Search4NodesPerSecond)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
