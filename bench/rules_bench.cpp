// 移動チェック is the innermost call of the computer player: time it over every
// origin/destination pair of a fixed set of positions.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "model/allowed_moves.h"
#include "model/moves.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "model/setup.h"
#include "support/fakes.h"

namespace zv {
namespace {

// Positions reached by a fixed random walk from the start, warps included.
std::vector<BoardState> positions() {
  test::TestGame t;
  auto& s = t.s();
  初期設定(t.g());
  std::mt19937 rng(2026);
  std::vector<BoardState> out{s};
  int side = 1;
  for (int n = 0; n < 400 && out.size() < 16; ++n) {
    struct M {
      int fx, fy, tx, ty, c;
    };
    std::vector<M> ms;
    for_each_allowed_move(s, side > 0, [&](int fx, int fy, int i, int j, int c) {
      if (on_board(fx, fy) && s.board[i][j] != UE_OU && s.board[i][j] != SITA_OU)
        ms.push_back({fx, fy, i, j, c});
      return false;
    });
    if (ms.empty()) break;
    const M m = ms[rng() % ms.size()];
    駒移動_仮(s, m.fx, m.fy, m.tx, m.ty, m.c);
    if (s.warp_map[m.tx][m.ty] != 0) 駒移動_IRVU_仮(s, m.tx, m.ty, m.c);
    side = -side;
    if (n % 25 == 24) out.push_back(s);
  }
  return out;
}

void BM_MoveCheckAllPairs(benchmark::State& state) {
  const auto ps = positions();
  int64_t calls = 0;
  for (auto _ : state) {
    int yes = 0;
    for (const auto& s : ps)
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          const int c = s.board[x][y];
          if (c == 0) continue;
          for (int i = 1; i <= 9; ++i)
            for (int j = 1; j <= 9; ++j) yes += 移動チェック(s, x, y, i, j, c);
        }
    benchmark::DoNotOptimize(yes);
    for (const auto& s : ps)
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) calls += s.board[x][y] != 0 ? 81 : 0;
  }
  state.counters["calls/s"] =
      benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MoveCheckAllPairs);

void BM_MoveCheckDrops(benchmark::State& state) {
  const auto ps = positions();
  int64_t calls = 0;
  for (auto _ : state) {
    int yes = 0;
    for (const auto& s : ps)
      for (int k = 1; k <= HAND_SLOTS; ++k)
        for (int i = 1; i <= 9; ++i)
          for (int j = 1; j <= 9; ++j) yes += 移動チェック(s, COM_HAND_X, k, i, j, SLOT_CODE[k]);
    benchmark::DoNotOptimize(yes);
    calls += static_cast<int64_t>(ps.size()) * HAND_SLOTS * 81;
  }
  state.counters["calls/s"] =
      benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MoveCheckDrops);

}  // namespace
}  // namespace zv
