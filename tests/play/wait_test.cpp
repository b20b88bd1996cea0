#include <gtest/gtest.h>

#include "play/play.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace zv {
namespace {

TEST(Wait, EndsAfterTheGivenTimeEvenAcrossMidnight) {
  for (double start : {36000.0, 86399.5, 86398.8}) {
    test::TestGame t;
    t.clock.t = start;
    待ち時間(t.g(), 1.5);
    double waited = t.clock.t - start;
    if (waited < 0) waited += 86400;
    EXPECT_GE(waited, 1.5 - 1e-9) << start;
    EXPECT_LT(waited, 1.52) << start;
  }
}

// A blink is four painted steps of 0.2 s each per repetition.
TEST(Wait, BlinkPaintsEveryStepAndTakesItsTime) {
  test::TestGame t;
  const double start = t.clock.t;
  描画_駒点滅(t.g(), SITA_HU, 3, 4, 3);
  EXPECT_NEAR(t.clock.t - start, 3 * 2 * 0.2, 0.01);
  EXPECT_EQ(t.canvas.of(test::DrawOp::Refresh).size(), 6u);
  const auto pics = t.canvas.of(test::DrawOp::Picture);
  ASSERT_FALSE(pics.empty());
  EXPECT_EQ(pics.back().code, SITA_HU) << "the square ends showing the piece";
}

}  // namespace
}  // namespace zv
