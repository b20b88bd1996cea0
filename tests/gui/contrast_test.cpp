// Every label and number beside the board reads clearly. The contrast ratio
// between its colour and each background pixel behind it (relative
// luminance, as for web text) is at least 4.5:1 on every background, and
// the title picture covers none of them. The texts are the ones the game
// really prints, gathered by playing: a handicap, a game against the
// computer, full hands, the clocks, and a loaded record stepped through.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <map>
#include <vector>

#include "engine/engine.h"
#include "play/play.h"
#include "play/qt/pictures.h"
#include "record/record.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace zv::shell {
namespace {

constexpr double MIN_RATIO = 4.5;
constexpr double TWIPS_PER_POINT = 20;
// The pictures are laid out at 0.2 pixels a twip (a cell is 99 x 123 pixels),
// about twice the size of the window at its design size.
constexpr double PX = 0.2;
constexpr double LEFT = -1500, TOP = -1200, RIGHT = 10500, BOTTOM = 8800;

double channel(int c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double luminance(QRgb c) {
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double ratio(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

const int BACKGROUNDS[] = {HAIKEI_MIDORI, HAIKEI_TATAMI, HAIKEI_TAKE, HAIKEI_UCHU, HAIKEI_RENGA};

bool is_background(int code) {
  return std::find(std::begin(BACKGROUNDS), std::end(BACKGROUNDS), code) != std::end(BACKGROUNDS);
}

// The worst contrast of one text colour, on background pixels and on any
// other picture (the handicap line starts on an empty square).
QRectF ink_rect(const test::DrawOp& op) {
  QFont f(board_font_family());
  f.setPixelSize(static_cast<int>(std::lround(op.size * TWIPS_PER_POINT)));
  f.setBold(op.bold);
  const QFontMetricsF m(f);
  return m.tightBoundingRect(QString::fromStdString(op.text)).translated(op.a, op.b + m.ascent());
}

QRectF picture_rect(int code, double q, double r) {
  return {QPointF(X0 + CELL_W * q, Y0 + CELL_H * r), picture_size(code)};
}

struct Worst {
  double on_background = 99, on_other = 99;
  int texts = 0;
  std::string where;  // the text with the worst background contrast
};

// Lays the recorded pictures out as they would appear and, at each text,
// looks at what lies under its ink.
class Layer {
 public:
  Layer()
      : img_(px(RIGHT - LEFT), px(BOTTOM - TOP), QImage::Format_RGB32),
        kind_(img_.size(), QImage::Format_Grayscale8) {
    img_.fill(palette_colour(COL_WHITE));
    kind_.fill(NOTHING);
  }

  void picture(int code, double q, double r) {
    const QRectF t = picture_rect(code, q, r);
    if (t.isEmpty()) return;
    const int x1 = px(t.left() - LEFT), y1 = px(t.top() - TOP);
    const int x2 = px(t.right() - LEFT), y2 = px(t.bottom() - TOP);
    const QRect target(x1, y1, x2 - x1, y2 - y1);
    const std::uint64_t key = (static_cast<std::uint64_t>(code + 2000) << 32) |
                              (static_cast<std::uint64_t>(target.width()) << 16) |
                              static_cast<std::uint64_t>(target.height());
    auto it = cache_.find(key);
    if (it == cache_.end())
      it = cache_.emplace(key, render_picture(code, target.width(), target.height())).first;
    QPainter(&img_).drawImage(target.topLeft(), it->second);
    QPainter(&kind_).fillRect(target, QColor(is_background(code) ? BACKGROUND : OTHER,
                                             is_background(code) ? BACKGROUND : OTHER,
                                             is_background(code) ? BACKGROUND : OTHER));
  }

  void text(const test::DrawOp& op, Worst& w) {
    const QRectF ink = ink_rect(op);
    const double text_l = luminance(palette_colour(op.code).rgb());
    const QRect r(QPoint(px(ink.left() - LEFT), px(ink.top() - TOP)),
                  QPoint(px(ink.right() - LEFT) - 1, px(ink.bottom() - TOP) - 1));
    ASSERT_TRUE(img_.rect().contains(r)) << op.text << " at " << op.a << ", " << op.b;
    ++w.texts;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const double c = ratio(text_l, luminance(img_.pixel(x, y)));
        const int kind = qGray(kind_.pixel(x, y));
        if (kind == BACKGROUND && c < w.on_background) {
          w.on_background = c;
          w.where = op.text + " at (" + std::to_string(static_cast<int>(op.a)) + ", " +
                    std::to_string(static_cast<int>(op.b)) + ")";
        }
        if (kind == OTHER) w.on_other = std::min(w.on_other, c);
        EXPECT_NE(kind, NOTHING) << op.text << ": nothing painted behind it";
        if (kind == NOTHING) return;
      }
  }

 private:
  static constexpr int NOTHING = 0, OTHER = 128, BACKGROUND = 255;
  static int px(double twips) { return static_cast<int>(std::lround(twips * PX)); }
  QImage img_, kind_;
  std::map<std::uint64_t, QImage> cache_;
};

// Plays through everything that prints text beside the board.
std::vector<test::DrawOp> play_everything(int background) {
  test::TestGame t;
  Game& g = t.g();
  auto& s = t.s();
  s.background = background;
  s.checked[M_KEIKA] = true;
  画面_再描画(g);
  // A handicap, then a game the computer opens: level line, thinking mark,
  // its move, the move number and both clocks.
  for (int i = 0; i < 10; ++i) LBEL_UP_Click(g);
  GOTE_Click(g);
  // Full hands, two-digit counts included, and the longest texts in each place.
  for (int k = 1; k <= 7; ++k) s.man_hand[k] = s.com_hand[k] = k == 1 ? 18 : k;
  画面_再描画(g);
  描画_移動結果(g, s.man_side, 2, 2, SITA_RYU, COL_WHITE);
  描画_移動結果(g, s.com_side, 8, 8, UE_NARIGIN, COL_WHITE);
  描画_手数(g, 123, COL_WHITE);
  描画_所有時間(g, s.man_side, 99 * 3600 + 59 * 60 + 59);
  描画_所有時間(g, s.com_side, 12 * 3600 + 34 * 60 + 56);
  // A record: its title and the players' names, then a few moves of it.
  s.dir_path = ZORVANE_TEST_DATA "/records";
  KIFU_READ_Click(g);
  File1_Click(g, "game40.棋譜");
  for (int i = 0; i < 4; ++i) AFTER_Click(g);
  return t.canvas.ops;
}

TEST(Contrast, EveryTextReadsClearlyOnEveryBackground) {
  std::cout << "background  colour  texts  min ratio (on background)  min on other pictures\n";
  for (int b : BACKGROUNDS) {
    std::map<int, Worst> worst;  // by text colour
    Layer layer;
    for (const test::DrawOp& op : play_everything(b)) {
      if (op.kind == test::DrawOp::Picture) layer.picture(op.code, op.a, op.b);
      // Shadows are black under the coloured text and only help it.
      if (op.kind == test::DrawOp::Text && op.code != COL_SHADOW) layer.text(op, worst[op.code]);
    }
    ASSERT_GE(worst.size(), 3u) << "yellow, light red and white texts were all drawn";
    for (const auto& [colour, w] : worst) {
      std::cout << std::setw(10) << b << std::setw(8) << colour << std::setw(7) << w.texts
                << std::fixed << std::setprecision(2) << std::setw(12) << w.on_background
                << std::setw(26) << w.on_other << "   worst: " << w.where << '\n';
      EXPECT_GE(w.on_background, MIN_RATIO)
          << "background " << b << ", colour " << colour << ", worst at " << w.where;
    }
  }
}

// The title sits in row 0 beside the board; no text, square or piece may
// lie under it, the handicap line in the row below included.
TEST(Contrast, TheTitleCoversNothingDrawnBesideTheBoard) {
  const std::vector<test::DrawOp> ops = play_everything(HAIKEI_MIDORI);
  const auto at = std::find_if(ops.begin(), ops.end(), [](const test::DrawOp& op) {
    return op.kind == test::DrawOp::Picture && op.code == PIC_ZORVANE;
  });
  ASSERT_NE(at, ops.end());
  const QRectF title = picture_rect(PIC_ZORVANE, at->a, at->b);
  EXPECT_LE(title.right(), 9300) << "inside the design area";
  int texts = 0;
  for (const test::DrawOp& op : ops) {
    if (op.kind == test::DrawOp::Text) {
      ++texts;
      EXPECT_FALSE(title.intersects(ink_rect(op))) << op.text << " at " << op.a << ", " << op.b;
    }
    if (op.kind == test::DrawOp::Picture && op.code != PIC_ZORVANE && !is_background(op.code)) {
      EXPECT_FALSE(title.intersects(picture_rect(op.code, op.a, op.b)))
          << "picture " << op.code << " at " << op.a << ", " << op.b;
    }
  }
  EXPECT_GT(texts, 100);
}

}  // namespace
}  // namespace zv::shell
