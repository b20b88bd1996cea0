#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "settings/settings.h"
#include "view/draw.h"
#include "view_test_util.h"

namespace zv {
namespace {
using namespace test;

struct Format {
  double seconds;
  const char* text;
  friend std::ostream& operator<<(std::ostream& os, const Format& f) { return os << f.seconds; }
};

class ClockText : public ::testing::TestWithParam<Format> {};

TEST_P(ClockText, HoursMinutesSeconds) {
  EXPECT_EQ(調査_時間秒追加結果(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ClockText,
                         ::testing::Values(Format{0, "00:00:00"}, Format{59.9, "00:00:59"},
                                           Format{60, "00:01:00"}, Format{3599.99, "00:59:59"},
                                           Format{3600, "01:00:00"}, Format{3661, "01:01:01"},
                                           Format{359999, "99:59:59"},
                                           // 100 hours and more lose the hour field.
                                           Format{360000, ":00:00"}, Format{363661, ":01:01"}));

TEST(ClockText, SenselessValuesDoNotBreakIt) {
  for (double v : {-5.0, 1e300, std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    const std::string s = 調査_時間秒追加結果(v);
    EXPECT_LE(s.size(), 8u) << v;
  }
}

TEST(TwoDigits, PadsOneDigitAndDropsLonger) {
  EXPECT_EQ(変換_数字から文字(0), "00");
  EXPECT_EQ(変換_数字から文字(7), "07");
  EXPECT_EQ(変換_数字から文字(10), "10");
  EXPECT_EQ(変換_数字から文字(99), "99");
  EXPECT_EQ(変換_数字から文字(100), "");
  EXPECT_EQ(変換_数字から文字(-1), "");
}

TEST(Elapsed, SameDayAndAcrossMidnight) {
  EXPECT_DOUBLE_EQ(調査_経過秒(100, 160.5), 60.5);
  EXPECT_DOUBLE_EQ(調査_経過秒(5, 5), 0);
  EXPECT_DOUBLE_EQ(調査_経過秒(86390, 5), 15);
}

// A game with the clock option on, the lower side to move.
struct ClockGame : TestGame {
  ClockGame() {
    s().background = HAIKEI_TATAMI;
    s().checked[M_KEIKA] = true;
    s().timer1_enabled = true;
    s().man_side = SENTE;
    s().com_side = GOTE;
    s().turn = SENTE;
    s().turn_start_time = 36000;
    clock.t = 36000;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const DrawOp& o : canvas.of(DrawOp::Text)) out.push_back(o.text);
    return out;
  }
};

TEST(DrawClock, LowerSideRightOfTheBoard) {
  ClockGame t;
  描画_所有時間(t.g(), SENTE, 3661);
  expect_ops(t.canvas.ops,
             {pic(HAIKEI_TATAMI, 13, 9), pic(HAIKEI_TATAMI, 14, 9), pic(HAIKEI_TATAMI, 15, 9),
              txt(13.1, 9.3, "01:01:01", COL_SHADOW, 12), txt(13, 9.2, "01:01:01", COL_WHITE, 12)});
}

TEST(DrawClock, UpperSideLeftOfTheBoardRestoresTheEdge) {
  ClockGame t;
  描画_所有時間(t.g(), GOTE, 59.9);
  expect_ops(t.canvas.ops, {pic(HAIKEI_TATAMI, -2, 9), pic(HAIKEI_TATAMI, -1, 9),
                            pic(HAIKEI_TATAMI, 0, 9), txt(-1.5, 9.3, "00:00:59", COL_SHADOW, 12),
                            txt(-1.6, 9.2, "00:00:59", COL_WHITE, 12), outline(COL_BOARD, 1, 9)});
}

TEST(DrawClock, NothingWithTheOptionOffOrForNoSide) {
  ClockGame t;
  描画_所有時間(t.g(), NO_TURN, 10);
  t.s().checked[M_KEIKA] = false;
  描画_所有時間(t.g(), SENTE, 10);
  描画_所有時間(t.g(), GOTE, 10);
  EXPECT_TRUE(t.canvas.ops.empty());
}

TEST(Timer, DrawsOnlyWhenTheWholeSecondChanges) {
  ClockGame t;
  t.s().man_total_seconds = 100;
  t.clock.t = 36000.3;
  Timer1_Timer(t.g());  // first tick: nothing shown yet
  EXPECT_EQ(t.texts(), (std::vector<std::string>{"00:01:40", "00:01:40"}));
  EXPECT_EQ(t.canvas.ops.back().kind, DrawOp::Refresh);
  EXPECT_EQ(t.s().shown_second, 0);
  t.canvas.clear();
  t.clock.t = 36000.95;
  Timer1_Timer(t.g());
  EXPECT_TRUE(t.canvas.ops.empty());
  EXPECT_NEAR(t.s().turn_seconds, 0.95, 1e-6);
  t.clock.t = 36001.0;
  Timer1_Timer(t.g());
  EXPECT_EQ(t.texts(), (std::vector<std::string>{"00:01:41", "00:01:41"}));
  EXPECT_EQ(t.s().shown_second, 1);
  EXPECT_EQ(t.s().man_total_seconds, 100);  // the total only grows when the move is made
}

TEST(Timer, UpperSideUsesItsOwnTotal) {
  ClockGame t;
  t.s().turn = GOTE;
  t.s().com_total_seconds = 3600;
  t.s().man_total_seconds = 5;
  t.clock.t = 36002.5;
  Timer1_Timer(t.g());
  EXPECT_EQ(t.texts(), (std::vector<std::string>{"01:00:02", "01:00:02"}));
  EXPECT_DOUBLE_EQ(t.canvas.of(DrawOp::Text)[1].a, tx(-1.6));
}

TEST(Timer, KeepsCountingAcrossMidnight) {
  ClockGame t;
  t.s().turn_start_time = 86399.5;
  t.clock.t = 1.7;
  Timer1_Timer(t.g());
  EXPECT_NEAR(t.s().turn_seconds, 2.2, 1e-6);
  EXPECT_EQ(t.texts(), (std::vector<std::string>{"00:00:02", "00:00:02"}));
}

TEST(Timer, StoppedTimerOrFinishedGameDoNothing) {
  ClockGame t;
  t.clock.t = 36005;
  t.s().timer1_enabled = false;
  Timer1_Timer(t.g());
  t.s().timer1_enabled = true;
  t.s().winner = SENTE;
  Timer1_Timer(t.g());
  EXPECT_TRUE(t.canvas.ops.empty());
  EXPECT_EQ(t.s().shown_second, -1);
}

TEST(Timer, OptionOffDrawsNoClock) {
  ClockGame t;
  t.s().checked[M_KEIKA] = false;
  for (double now : {36000.5, 36001.5, 36002.5}) {
    t.clock.t = now;
    Timer1_Timer(t.g());
  }
  EXPECT_TRUE(t.canvas.of(DrawOp::Text).empty());
  EXPECT_TRUE(t.canvas.of(DrawOp::Picture).empty());
}

TEST(ClockOption, TurningOffErasesBothClocksLowerFirst) {
  ClockGame t;
  KEIKA_Click(t.g());
  EXPECT_FALSE(t.s().checked[M_KEIKA]);
  EXPECT_FALSE(t.s().timer1_enabled);
  expect_ops(t.canvas.ops,
             {pic(HAIKEI_TATAMI, 13, 9), pic(HAIKEI_TATAMI, 14, 9), pic(HAIKEI_TATAMI, 15, 9),
              pic(HAIKEI_TATAMI, -2, 9), pic(HAIKEI_TATAMI, -1, 9), pic(HAIKEI_TATAMI, 0, 9)});
}

TEST(ClockOption, TurningOnDrawsUpperThenLowerTotals) {
  ClockGame t;
  t.s().checked[M_KEIKA] = false;
  t.s().timer1_enabled = false;
  t.s().com_total_seconds = 61;
  t.s().man_total_seconds = 7322;
  KEIKA_Click(t.g());
  EXPECT_TRUE(t.s().checked[M_KEIKA]);
  EXPECT_TRUE(t.s().timer1_enabled);
  EXPECT_EQ(t.texts(), (std::vector<std::string>{"00:01:01", "00:01:01", "02:02:02", "02:02:02"}));
}

}  // namespace
}  // namespace zv
