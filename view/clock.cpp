// The elapsed-time clock of the side to move.
#include <cmath>
#include <string>

#include "view/draw.h"
#include "view/paint.h"

namespace zv {

namespace {
constexpr double SECONDS_PER_DAY = 86400;

// Two-digit field of a whole number held as a double; a value that does not
// fit two digits (negative, 100 or more, not a number) gives no text.
std::string two_digits(double n) {
  if (!(n >= 0 && n < 100)) return {};
  return 変換_数字から文字(static_cast<int>(n));
}
}  // namespace

std::string 変換_数字から文字(int n) {
  if (n < 0 || n > 99) return {};
  const char text[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  return std::string(text, 2);
}

std::string 調査_時間秒追加結果(double s) {
  const double h = s >= 3600 ? std::floor(s / 3600) : 0;
  const double r = s - 3600 * h;
  const double m = std::floor(r / 60);
  const double sec = r - 60 * m;
  return two_digits(h) + ":" + two_digits(m) + ":" + two_digits(std::floor(sec));
}

double 調査_経過秒(double start, double now) {
  return start <= now ? now - start : now + SECONDS_PER_DAY - start;
}

void 消去_所有時間(Game& g, int side) {
  if (side == g.st.man_side) {
    for (int q : {13, 14, 15}) paint::tile(g, q, 9);
  } else if (side == g.st.com_side) {
    for (int q : {-2, -1, 0}) paint::tile(g, q, 9);
  }
}

void 描画_所有時間(Game& g, int side, double seconds) {
  constexpr int PLAIN = 0;
  constexpr double SIZE = 12;
  if (!g.st.checked[M_KEIKA]) return;
  const std::string text = 調査_時間秒追加結果(seconds);
  消去_所有時間(g, side);
  if (side == g.st.man_side) {
    描画_数値(g, 13.1, 9.3, text, COL_SHADOW, PLAIN, SIZE);
    描画_数値(g, 13, 9.2, text, COL_WHITE, PLAIN, SIZE);
  } else if (side == g.st.com_side) {
    描画_数値(g, -1.5, 9.3, text, COL_SHADOW, PLAIN, SIZE);
    描画_数値(g, -1.6, 9.2, text, COL_WHITE, PLAIN, SIZE);
    描画_桝輪郭(g, COL_BOARD, 1, 9);
  }
}

void Timer1_Timer(Game& g) {
  if (!g.st.timer1_enabled || g.st.winner != 0) return;
  g.st.turn_seconds = 調査_経過秒(g.st.turn_start_time, g.io.clock->now());
  const double whole = std::floor(g.st.turn_seconds);
  if (whole == g.st.shown_second) return;
  g.st.shown_second = static_cast<int>(whole);
  if (g.st.turn == g.st.com_side)
    描画_所有時間(g, g.st.com_side, g.st.turn_seconds + g.st.com_total_seconds);
  if (g.st.turn == g.st.man_side)
    描画_所有時間(g, g.st.man_side, g.st.turn_seconds + g.st.man_total_seconds);
  paint::refresh(g);
}

}  // namespace zv
