// Cost of the influence survey (run once or twice per trial move of the
// computer), of the mate test and of the pinned-piece survey.
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "engine/engine.h"
#include "engine/survey.h"
#include "model/setup.h"
#include "support/fakes.h"

namespace zv {
namespace {

struct Piece {
  int x, y, code;
};

void place(GameState& s, std::initializer_list<Piece> pieces) {
  s.board = {};
  for (const Piece& p : pieces) s.board[p.x][p.y] = p.code;
}

// An opening gone a few moves: bishops exchanged, rooks active, a knight jumped.
void middlegame_open(GameState& s) {
  place(s,
        {{1, 1, UE_KYOU},  {2, 1, UE_KEI},    {3, 1, UE_GIN},   {4, 1, UE_KIN},  {5, 2, UE_OU},
         {6, 1, UE_KIN},   {7, 2, UE_GIN},    {9, 1, UE_KYOU},  {8, 2, UE_SYA},  {1, 3, UE_HU},
         {2, 4, UE_HU},    {3, 3, UE_HU},     {4, 3, UE_HU},    {5, 4, UE_HU},   {6, 3, UE_HU},
         {7, 3, UE_HU},    {8, 4, UE_HU},     {9, 3, UE_HU},    {7, 5, UE_KEI},  {1, 9, SITA_KYOU},
         {2, 9, SITA_KEI}, {3, 8, SITA_GIN},  {4, 9, SITA_KIN}, {5, 8, SITA_OU}, {6, 9, SITA_KIN},
         {7, 7, SITA_GIN}, {9, 9, SITA_KYOU}, {2, 6, SITA_SYA}, {1, 7, SITA_HU}, {3, 6, SITA_HU},
         {4, 7, SITA_HU},  {5, 6, SITA_HU},   {6, 7, SITA_HU},  {8, 6, SITA_HU}, {9, 7, SITA_HU},
         {8, 8, SITA_KAKU}});
}

// A sharp position: promoted pieces, long lines and a check on the human king.
void middlegame_sharp(GameState& s) {
  place(
      s,
      {{1, 1, UE_KYOU},   {3, 1, UE_GIN},   {4, 2, UE_KIN},   {5, 1, UE_OU},       {6, 2, UE_KIN},
       {8, 1, UE_KEI},    {2, 5, UE_RYU},   {7, 4, UE_UMA},   {1, 3, UE_HU},       {4, 3, UE_HU},
       {5, 3, UE_HU},     {6, 4, UE_HU},    {9, 4, UE_HU},    {3, 7, UE_TO},       {8, 6, UE_KAKU},
       {1, 9, SITA_KYOU}, {3, 9, SITA_KEI}, {4, 8, SITA_GIN}, {5, 9, SITA_KIN},    {6, 8, SITA_OU},
       {7, 9, SITA_KIN},  {2, 8, SITA_RYU}, {5, 5, SITA_UMA}, {1, 7, SITA_HU},     {4, 6, SITA_HU},
       {6, 6, SITA_HU},   {7, 6, SITA_HU},  {9, 6, SITA_HU},  {8, 3, SITA_NARIGIN}});
}

template <void (*Setup)(GameState&)>
void BM_Survey(benchmark::State& state) {
  test::TestGame t;
  初期設定(t.g());
  Setup(t.s());
  for (auto _ : state) {
    勢力調査(t.s());
    benchmark::DoNotOptimize(t.s().man_influence);
    benchmark::ClobberMemory();
  }
}
void starting(GameState&) {}
BENCHMARK(BM_Survey<starting>)->Name("勢力調査/starting");
BENCHMARK(BM_Survey<middlegame_open>)->Name("勢力調査/middlegame_open");
BENCHMARK(BM_Survey<middlegame_sharp>)->Name("勢力調査/middlegame_sharp");

void BM_MateTestInCheck(benchmark::State& state) {
  test::TestGame t;
  middlegame_sharp(t.s());
  t.s().man_hand[SLOT_HU] = 1;
  t.s().man_hand_total = 1;
  勢力調査(t.s());
  if (t.s().com_influence[t.s().man_king_x][t.s().man_king_y] == 0) state.SkipWithError("no check");
  for (auto _ : state) benchmark::DoNotOptimize(詰めかMAN(t.s()));
}
BENCHMARK(BM_MateTestInCheck)->Name("詰めかMAN/middlegame_sharp");

void BM_Pins(benchmark::State& state) {
  test::TestGame t;
  middlegame_sharp(t.s());
  勢力調査(t.s());
  for (auto _ : state) {
    調査_移動不可駒(t.s());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Pins)->Name("調査_移動不可駒/middlegame_sharp");

}  // namespace
}  // namespace zv
