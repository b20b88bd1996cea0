// The core's own cost of a full redraw: a canvas that only counts calls, so
// whatever the window spends on real painting comes on top of this.
#include <benchmark/benchmark.h>

#include "model/setup.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace {

struct CountingCanvas : zv::Canvas {
  long pictures = 0, boxes = 0, texts = 0, refreshes = 0;
  void picture(int, double, double) override { ++pictures; }
  void box(int, double, double, double, double) override { ++boxes; }
  void text(double, double, std::string_view s, int, double, bool) override {
    texts += static_cast<long>(!s.empty());
  }
  void refresh() override { ++refreshes; }
};

void BM_FullRedraw(benchmark::State& state) {
  zv::test::TestGame t;
  zv::初期設定(t.g());
  auto& s = t.s();
  s.background = zv::HAIKEI_TATAMI;
  s.game_mode = zv::MODE_COM;
  s.checked[zv::M_KEIKA] = true;
  s.man_hand[zv::SLOT_HU] = 3;
  s.com_hand[zv::SLOT_KAKU] = 1;
  CountingCanvas canvas;
  t.g().io.canvas = &canvas;
  for (auto _ : state) {
    zv::画面_再描画(t.g());
    benchmark::DoNotOptimize(canvas.pictures);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["pictures"] = canvas.pictures / n;
  state.counters["boxes"] = canvas.boxes / n;
  state.counters["texts"] = canvas.texts / n;
}
BENCHMARK(BM_FullRedraw);

void BM_TimerTick(benchmark::State& state) {
  zv::test::TestGame t;
  auto& s = t.s();
  s.checked[zv::M_KEIKA] = true;
  s.timer1_enabled = true;
  s.turn = s.man_side;
  CountingCanvas canvas;
  t.g().io.canvas = &canvas;
  for (auto _ : state) {
    t.clock.t += 1.0;  // every tick a new whole second, so the clock is drawn
    zv::Timer1_Timer(t.g());
  }
}
BENCHMARK(BM_TimerTick);

}  // namespace
