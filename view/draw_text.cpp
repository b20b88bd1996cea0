// Numbers and labels printed on the board grid, each with its drop shadow.
#include <charconv>
#include <cmath>
#include <string>

#include "view/draw.h"
#include "view/paint.h"
#include "view/text_tables.h"

namespace zv {

namespace {
constexpr int MODE_PLAIN = 0;
constexpr double MOVE_TEXT_SIZE = 12;

// Plain decimal text of a number, without the blank some printers put first.
std::string decimal(double v) {
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
    return std::to_string(static_cast<long long>(v) + 0);  // "+ 0" folds -0 into 0
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

// The kanji digit of a value 1..9; anything else (fractions included) has none.
std::string_view kanji_of(double v) {
  if (v >= 1 && v <= 9 && v == std::floor(v)) return kanji_digit(static_cast<int>(v));
  return {};
}

void print_at(Game& g, double q, double r, std::string_view s, int colour, double size) {
  paint::text(g, paint::twips_x(q), paint::twips_y(r), s, colour, size);
}
}  // namespace

void 描画_数値(Game& g, double 入力X, double 入力Y, double 数値, int 描画色, int モード,
               double フォントサイズ) {
  if (モード == MODE_PLAIN)
    print_at(g, 入力X, 入力Y, decimal(数値), 描画色, フォントサイズ);
  else
    print_at(g, 入力X, 入力Y, kanji_of(数値), 描画色, フォントサイズ);
}

void 描画_数値(Game& g, double 入力X, double 入力Y, std::string_view 文字, int 描画色, int モード,
               double フォントサイズ) {
  if (モード == MODE_PLAIN) {
    print_at(g, 入力X, 入力Y, 文字, 描画色, フォントサイズ);
    return;
  }
  // A text that is a whole number 1..9 still turns into its kanji digit.
  int n = 0;
  auto res = std::from_chars(文字.data(), 文字.data() + 文字.size(), n);
  if (res.ec == std::errc{} && res.ptr == 文字.data() + 文字.size())
    print_at(g, 入力X, 入力Y, kanji_digit(n), 描画色, フォントサイズ);
}

void 描画_移動駒種類(Game& g, double x, double y, std::string_view text, int 描画色) {
  print_at(g, x, y, text, 描画色, MOVE_TEXT_SIZE);
}

void 描画_文字列(Game& g, double x, double y, int code, int 描画色, double size) {
  constexpr double INSET_X = 120, INSET_Y = 160;
  paint::text(g, paint::twips_x(x) + INSET_X, paint::twips_y(y) + INSET_Y, coded_text(code), 描画色,
              size);
}

void 描画_桝_数値(Game& g) {
  constexpr int PLAIN = 0, KANJI = 1;
  g.st.font_bold = true;  // stays bold for every later text
  for (int i = 1; i <= BAN_SIZE; ++i) {
    paint::tile(g, i, 0);
    描画_数値(g, i + 0.2, 0.5, 10 - i, COL_SHADOW, PLAIN, 16);
    描画_数値(g, i + 0.1, 0.4, 10 - i, COL_YELLOW, PLAIN, 16);
    paint::tile(g, 10, i);
    描画_数値(g, 10.2, i + 0.4, i, COL_SHADOW, KANJI, 12);
    描画_数値(g, 10.1, i + 0.3, i, COL_YELLOW, KANJI, 12);
    描画_桝輪郭(g, COL_BOARD, 9, i);
  }
}

namespace {

// Spot 0 is the upper side's text (left of the board), 1 the lower side's.
int text_spot(const GameState& s, int side) {
  return side == s.com_side ? 0 : side == s.man_side ? 1 : -1;
}

void draw_move_text(Game& g, int spot, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
  // File digit, rank kanji and piece name: shadow position, then the
  // position of the coloured text a tenth of a cell up and left.
  struct Spot {
    double sq, sr, q, r;
  };
  static constexpr Spot SPOTS[2][3] = {
      {{-1.5, 8.5, -1.6, 8.4}, {-1.1, 8.5, -1.2, 8.4}, {-0.5, 8.5, -0.6, 8.4}},
      {{12.5, 2.5, 12.4, 2.4}, {12.9, 2.5, 12.8, 2.4}, {13.5, 2.5, 13.4, 2.4}}};
  const Spot* spots = SPOTS[spot];
  const std::string texts[3] = {文字列変換(10 - 移動先X), 文字列変換(RANK_BASE + 移動先Y),
                                文字列変換(移動駒)};
  for (int k = 0; k < 3; ++k) {
    描画_移動駒種類(g, spots[k].sq, spots[k].sr, texts[k], COL_SHADOW);
    描画_移動駒種類(g, spots[k].q, spots[k].r, texts[k], 駒色);
  }
  if (spot == 0) 描画_桝輪郭(g, COL_BOARD, 1, 8);
}

}  // namespace

void 描画_移動結果(Game& g, int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
  消去_移動結果(g, IN_手番);
  const int spot = text_spot(g.st, IN_手番);
  if (spot < 0) return;
  draw_move_text(g, spot, 移動先X, 移動先Y, 移動駒, 駒色);
  g.st.move_text[spot] = {true, 移動先X, 移動先Y, 移動駒, 駒色};
}

void 消去_移動結果(Game& g, int IN_手番) {
  if (const int spot = text_spot(g.st, IN_手番); spot >= 0) g.st.move_text[spot].shown = false;
  if (IN_手番 == g.st.com_side) {
    paint::tile(g, -1, 8);
    paint::tile(g, 0, 8);
    描画_桝輪郭(g, COL_BOARD, -1, 7);
    描画_桝輪郭(g, COL_BOARD, 1, 8);
  } else if (IN_手番 == g.st.man_side) {
    paint::tile(g, 12, 2);
    paint::tile(g, 13, 2);
    paint::tile(g, 14, 2);
  }
}

void 描画_手数(Game& g, int n, int 描画色) {
  constexpr int PLAIN = 0;
  g.st.shown_move_number = n;
  g.st.shown_move_number_colour = 描画色;
  paint::tile(g, 13, 3);
  paint::tile(g, 14, 3);
  描画_桝輪郭(g, COL_BOARD, 11, 3);
  // Longer numbers start further left so their right ends line up.
  const double sq = n < 10 ? 13.3 : n < 100 ? 13.2 : 13.1;
  const double q = n < 10 ? 13.2 : n < 100 ? 13.1 : 13.0;
  描画_数値(g, sq, 3.4, n, COL_SHADOW, PLAIN, 12);
  描画_数値(g, q, 3.3, n, 描画色, PLAIN, 12);
  描画_文字列(g, 13.9, 3.2, TEXT_TEMOKU, COL_SHADOW, 10);
  描画_文字列(g, 13.8, 3.1, TEXT_TEMOKU, COL_WHITE, 10);
}

void 描画_レベル(Game& g, int n) {
  constexpr int PLAIN = 0;
  描画_数値(g, -1.4, 0.2, "LEVEL", COL_SHADOW, PLAIN, 10);
  描画_数値(g, -1.5, 0.1, "LEVEL", COL_WHITE, PLAIN, 10);
  描画_数値(g, 0.1, 0.1, n, COL_SHADOW, PLAIN, 12);
  描画_数値(g, 0, 0, n, COL_WHITE, PLAIN, 12);
}

void 消去_思考中(Game& g) {
  g.st.move_text[0].shown = false;  // the upper side's move text shares the place
  paint::tile(g, -2, 8);
  paint::tile(g, -1, 8);
  paint::tile(g, 0, 8);
  描画_桝輪郭(g, COL_BOARD, -1, 7);
  描画_桝輪郭(g, COL_BOARD, 1, 8);
}

void 描画_ハンデレベル(Game& g, int IN_ハンデレベル) {
  描画_絵(g, PIC_KARA, 11, 1);
  描画_文字列(g, 11.1, 1.1, IN_ハンデレベル, COL_BLACK, 10);
  描画_文字列(g, 11, 1, IN_ハンデレベル, COL_WHITE, 10);
}

void 描画_表示中の文字(Game& g) {
  for (int spot = 0; spot < 2; ++spot) {
    const auto& t = g.st.move_text[spot];
    if (t.shown) draw_move_text(g, spot, t.x, t.y, t.piece, t.colour);
  }
  if (g.st.shown_move_number >= 0)
    描画_手数(g, g.st.shown_move_number, g.st.shown_move_number_colour);
}

}  // namespace zv
