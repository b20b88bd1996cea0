// Saving and loading a record of 500 positions, through the panel's commands.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "record/kifu_format.h"
#include "record/record.h"
#include "support/fakes.h"

namespace {

using namespace zv;

// A full history: lower pawns taken into the upper hand one by one and back.
void fill_history(GameState& s) {
  test::TestGame t;
  for (int k = 0; k <= HISTORY_MAX; ++k) {
    Grid b{};
    constexpr int back[10] = {0,     UE_KYOU, UE_KEI, UE_GIN, UE_KIN,
                              UE_OU, UE_KIN,  UE_GIN, UE_KEI, UE_KYOU};
    const int taken = k % 9;
    for (int x = 1; x <= BAN_SIZE; ++x) {
      b[x][1] = back[x];
      b[x][3] = UE_HU;
      b[x][7] = x <= taken ? EMPTY : SITA_HU;
      b[x][9] = -back[x];
    }
    b[2][2] = UE_SYA;
    b[8][2] = UE_KAKU;
    b[2][8] = SITA_KAKU;
    b[8][8] = SITA_SYA;
    s.hist_board[k] = b;
    Grid w{};
    w[1][4] = w[9][6] = IRVU_KURO;
    w[2][5] = w[7][4] = IRVU_AKA;
    w[3][6] = w[8][5] = IRVU_AO;
    w[4][4] = w[6][6] = IRVU_MURA;
    s.hist_warp[k] = w;
    s.hist_man_hand[k] = {};
    s.hist_com_hand[k] = {};
    s.hist_com_hand[k][SLOT_HU] = taken;
    s.hist_time[k] = {double(k), double(k + 3), double(2 * k), double(2 * k)};
  }
  s.history_last = HISTORY_MAX;
  s.history_filled = HISTORY_MAX + 1;
}

struct Folder {
  std::string path;
  Folder() {
    std::string t = std::filesystem::temp_directory_path().string() + "/zv_bench_XXXXXX";
    path = ::mkdtemp(t.data()) ? t : ".";
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

void BM_SaveRecord500(benchmark::State& state) {
  test::TestGame t;
  Folder dir;
  fill_history(t.s());
  for (auto _ : state) {
    t.s().dir_path = dir.path;
    t.s().Text1 = "bench";
    t.s().Text2 = "名人戦";
    t.s().Text3 = "先手";
    t.s().Text4 = "後手";
    Command1_Click(t.g());
    t.dialogs.shown.clear();
  }
}
BENCHMARK(BM_SaveRecord500)->Unit(benchmark::kMillisecond);

void BM_LoadRecord500(benchmark::State& state) {
  Folder dir;
  {
    test::TestGame t;
    fill_history(t.s());
    t.s().dir_path = dir.path;
    t.s().Text1 = "bench";
    Command1_Click(t.g());
  }
  test::TestGame t;
  t.s().dir_path = dir.path;
  for (auto _ : state) {
    File1_Click(t.g(), "bench.棋譜");
    if (t.s().history_last != HISTORY_MAX) state.SkipWithError("record not loaded");
    t.dialogs.shown.clear();
    t.canvas.clear();
  }
}
BENCHMARK(BM_LoadRecord500)->Unit(benchmark::kMillisecond);

void BM_ParseRecord500(benchmark::State& state) {
  KifuRecord r;
  r.title = "名人戦";
  {
    test::TestGame t;
    fill_history(t.s());
    for (int k = 1; k <= HISTORY_MAX; ++k) {
      KifuEntry e;
      e.board = t.s().hist_board[k];
      e.warp = t.s().hist_warp[k];
      e.com_hand = t.s().hist_com_hand[k];
      r.entries.push_back(e);
    }
  }
  std::string bytes;
  encode_kifu(r, bytes);
  for (auto _ : state) {
    KifuRecord out;
    benchmark::DoNotOptimize(parse_kifu(bytes, out));
  }
}
BENCHMARK(BM_ParseRecord500)->Unit(benchmark::kMillisecond);

}  // namespace
