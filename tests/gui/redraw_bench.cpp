// Speed of the window's drawing: a full redraw painted at the default size
// and at a large one, and a first paint with every picture still to render.
// Not a test; built on request: cmake --build build --target gui_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>

#include "model/setup.h"
#include "play/qt/board_view.h"
#include "play/qt/form1.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace {

struct Window {
  zv::test::ScriptedDialogs dialogs;
  zv::test::VirtualClock clock;
  zv::test::SeqRandom random;
  zv::shell::SilentSound sound;
  zv::shell::Form1 form{{&dialogs, &clock, &random, &sound, false}};
  explicit Window(QSize size = {}) {
    form.Form_Load();
    if (size.isValid()) form.resize(size);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) std::abort();
    form.board_view()->repaint();
  }
};

void redraw(benchmark::State& state, QSize size) {
  Window w(size);
  auto* view = w.form.board_view();
  for (auto _ : state) {
    zv::画面_再描画(w.form.game());
    view->repaint();
  }
  state.counters["ops_kept"] = static_cast<double>(view->display_list().alive_count());
  state.counters["width"] = view->width();
}

void BM_FullRedrawDefaultSize(benchmark::State& state) {
  redraw(state, {});
}
void BM_FullRedrawLarge(benchmark::State& state) {
  redraw(state, {1900, 1600});
}
BENCHMARK(BM_FullRedrawDefaultSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRedrawLarge)->Unit(benchmark::kMillisecond);

// After a resize every picture is rendered afresh at the new size.
void BM_ResizeAndRepaint(benchmark::State& state) {
  Window w;
  int grow = 0;
  for (auto _ : state) {
    w.form.resize(620 + (grow++ % 2) * 7, 533);
    w.form.board_view()->repaint();
  }
}
BENCHMARK(BM_ResizeAndRepaint)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaint(benchmark::State& state) {
  for (auto _ : state) Window w;
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
