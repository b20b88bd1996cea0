// Every label and number beside the board reads clearly: against each pixel
// of the background behind its ink, its colour has a contrast ratio (relative
// luminance, as for web text) of at least 4.5:1, on every background; and the
// title picture covers none of them. The texts are those the game prints
// while playing a handicap game against the computer with full hands and the
// clocks on, then loading a record and stepping through it.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>

#include "play/play.h"
#include "play/qt/pictures.h"
#include "record/record.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace zv::shell {
namespace {

constexpr double PX = 0.2;  // tile pixels a twip: twice the natural size

double luminance(QColor c) {
  auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

QRectF ink(const test::DrawOp& op) {
  QFont f(board_font_family());
  f.setPixelSize(static_cast<int>(std::lround(op.size * 20)));  // 20 twips a point
  f.setBold(op.bold);
  const QFontMetricsF m(f);
  return m.tightBoundingRect(QString::fromStdString(op.text)).translated(op.a, op.b + m.ascent());
}

std::vector<test::DrawOp> play_everything(int background) {
  test::TestGame t;
  Game& g = t.g();
  auto& s = t.s();
  s.background = background;
  s.checked[M_KEIKA] = true;
  for (int i = 0; i < 10; ++i) LBEL_UP_Click(g);
  GOTE_Click(g);  // the computer opens: thinking mark, its move, level line
  for (int k = 1; k <= 7; ++k) s.man_hand[k] = s.com_hand[k] = k == 1 ? 18 : k;
  画面_再描画(g);
  描画_移動結果(g, s.man_side, 2, 2, SITA_RYU, COL_WHITE);
  描画_移動結果(g, s.com_side, 8, 8, UE_NARIGIN, COL_WHITE);
  描画_手数(g, 123, COL_WHITE);
  描画_所有時間(g, s.man_side, 99 * 3600 + 59 * 60 + 59);
  s.dir_path = ZORVANE_TEST_DATA "/records";
  KIFU_READ_Click(g);
  File1_Click(g, "game40.棋譜");  // title in light red, players' names in white
  for (int i = 0; i < 4; ++i) AFTER_Click(g);
  return t.canvas.ops;
}

QRectF picture_rect(const test::DrawOp& op) {
  return {QPointF(X0 + CELL_W * op.a, Y0 + CELL_H * op.b), picture_size(op.code)};
}

// The tiles are the same in every cell, so the pixel behind any point is the
// tile's pixel at the point's place in its cell. (The handicap line's first
// characters lie on an empty square, not on the background.)
TEST(Legibility, EveryTextReadsClearlyOnEveryBackgroundAndNoneIsUnderTheTitle) {
  for (int b : {HAIKEI_MIDORI, HAIKEI_TATAMI, HAIKEI_TAKE, HAIKEI_UCHU, HAIKEI_RENGA}) {
    const QImage tile = render_picture(b, std::lround(CELL_W * PX), std::lround(CELL_H * PX));
    const auto ops = play_everything(b);
    const auto title = std::find_if(ops.begin(), ops.end(), [](const test::DrawOp& op) {
      return op.kind == test::DrawOp::Picture && op.code == PIC_ZORVANE;
    });
    ASSERT_NE(title, ops.end());
    EXPECT_LE(picture_rect(*title).right(), 9300) << "inside the design area";
    std::map<int, double> worst;  // by text colour
    for (const test::DrawOp& op : ops) {
      if (op.kind == test::DrawOp::Picture && op.code != PIC_ZORVANE && !is_background(op.code)) {
        EXPECT_FALSE(picture_rect(*title).intersects(picture_rect(op))) << op.a << ", " << op.b;
      }
      if (op.kind != test::DrawOp::Text || op.code == COL_SHADOW) continue;
      const QRectF r = ink(op);
      EXPECT_FALSE(picture_rect(*title).intersects(r)) << op.text;
      const double text = luminance(palette_colour(op.code));
      double& w = worst.try_emplace(op.code, 99).first->second;
      for (double y = r.top(); y < r.bottom(); y += 1 / PX)
        for (double x = r.left(); x < r.right(); x += 1 / PX) {
          const int tx = static_cast<int>((x - X0 - CELL_W * std::floor((x - X0) / CELL_W)) * PX);
          const int ty = static_cast<int>((y - Y0 - CELL_H * std::floor((y - Y0) / CELL_H)) * PX);
          const double ground = luminance(tile.pixelColor(tx, ty));
          w = std::min(w, (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05));
        }
    }
    EXPECT_EQ(worst.size(), 3u) << "yellow, light red and white texts";
    for (const auto& [colour, ratio] : worst) {
      std::cout << "background " << b << ", colour " << colour << ": " << ratio << ":1\n";
      EXPECT_GE(ratio, 4.5) << "background " << b << ", colour " << colour;
    }
  }
}

}  // namespace
}  // namespace zv::shell
