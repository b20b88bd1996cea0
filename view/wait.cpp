#include <algorithm>

#include "view/draw.h"

namespace zv {

namespace {
// Short enough that a blink looks smooth, long enough not to spin a core.
constexpr double WAIT_STEP = 0.01;
// Never ask for less: a clock near 86400 s cannot advance by a rounding error.
constexpr double MIN_STEP = 0.001;
}  // namespace

void 待ち時間(Game& g, double IN_秒) {
  const double start = g.io.clock->now();
  for (;;) {
    const double now = g.io.clock->now();
    const double elapsed = 調査_経過秒(start, now);
    if (elapsed >= IN_秒) return;
    g.io.clock->sleep(std::clamp(IN_秒 - elapsed, MIN_STEP, WAIT_STEP));
    // A clock that stands still (no clock was given) can never be waited on.
    if (g.io.clock->now() == now) return;
  }
}

}  // namespace zv
