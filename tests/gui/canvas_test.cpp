// The drawing surface: clicks come back in twips at any window size, the
// aspect is kept, the design area is centred, and what was drawn survives
// resizing, rendered sharply.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cmath>

#include "model/constants.h"
#include "play/qt/board_view.h"
#include "play/qt/pictures.h"

namespace zv::shell {
namespace {

struct Click {
  int button = 0, shift = 0;
  double x = -1, y = -1;
  int calls = 0;
};

class Canvas : public ::testing::TestWithParam<QSize> {
 protected:
  void SetUp() override {
    view.on_mouse_down = [this](int b, int s, double x, double y) {
      click = {b, s, x, y, click.calls + 1};
    };
    view.resize(GetParam());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  BoardView view;
  Click click;
};

TEST_P(Canvas, KeepsTheAspectAndFitsTheDesignArea) {
  const double s = view.scale();
  const QPointF far = view.to_widget(QPointF(SURFACE_W, SURFACE_H));
  EXPECT_LE(far.x(), view.width() + 1e-9);
  EXPECT_LE(far.y(), view.height() + 1e-9);
  // One side is filled exactly: the design area is as large as it can be.
  EXPECT_TRUE(std::abs(far.x() - view.width()) < 1e-9 || std::abs(far.y() - view.height()) < 1e-9);
  const QPointF o = view.to_widget(QPointF(0, 0));
  const QPointF unit = view.to_widget(QPointF(1000, 1000)) - o;
  EXPECT_DOUBLE_EQ(unit.x(), unit.y()) << "same scale across and down";
  EXPECT_DOUBLE_EQ(unit.x(), 1000 * s);
  // The spare room is shared: the design area sits in the middle, to the
  // pixel its left edge is rounded to.
  EXPECT_NEAR(o.x(), view.width() - far.x(), 2.0);
  EXPECT_NEAR(o.y(), view.height() - far.y(), 2.0);
  EXPECT_EQ(o, o.toPoint()) << "whole pixels, so edges stay sharp";
}

// Real mouse events at the centre of board squares and hand slots land on
// that square, and the twips are exactly the pixel position scaled back.
TEST_P(Canvas, ClicksLandOnTheSquareUnderThePointer) {
  const double s = view.scale();
  struct Cell {
    int q, r;
  };
  for (Cell c :
       {Cell{1, 1}, Cell{9, 9}, Cell{5, 7}, Cell{11, 3}, Cell{11, 9}, Cell{-1, 1}, Cell{-1, 7}}) {
    const QPointF centre(X0 + CELL_W * (c.q + 0.5), Y0 + CELL_H * (c.r + 0.5));
    const QPoint px = view.to_widget(centre).toPoint();
    QTest::mouseClick(&view, Qt::LeftButton, {}, px);
    ASSERT_GT(click.calls, 0);
    EXPECT_EQ(click.button, 1);
    const QPointF o = view.to_widget(QPointF(0, 0));
    EXPECT_NEAR(click.x, (px.x() - o.x()) / s, 1e-9);
    EXPECT_NEAR(click.y, (px.y() - o.y()) / s, 1e-9);
    EXPECT_EQ(static_cast<int>(std::floor((click.x - X0) / CELL_W)), c.q)
        << "q=" << c.q << " r=" << c.r;
    EXPECT_EQ(static_cast<int>(std::floor((click.y - Y0) / CELL_H)), c.r)
        << "q=" << c.q << " r=" << c.r;
  }
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, Canvas,
                         ::testing::Values(QSize(620, 534), QSize(1240, 1068), QSize(1900, 1000),
                                           QSize(500, 900), QSize(333, 287)),
                         [](const auto& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });

class Surface : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(620, 534);  // 15 twips a pixel
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  QImage shot() { return view.grab().toImage(); }
  QPoint px(double x, double y) { return view.to_widget(QPointF(x, y)).toPoint(); }
  BoardView view;
};

TEST_F(Surface, ButtonsAndModifiersAsTheGameNumbersThem) {
  Click click;
  view.on_mouse_down = [&](int b, int s, double x, double y) { click = {b, s, x, y, 1}; };
  QTest::mouseClick(&view, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                    QPoint(50, 60));
  EXPECT_EQ(click.button, 2);
  EXPECT_EQ(click.shift, 3);
  QTest::mouseClick(&view, Qt::MiddleButton, Qt::AltModifier, QPoint(50, 60));
  EXPECT_EQ(click.button, 4);
  EXPECT_EQ(click.shift, 4);
}

TEST_F(Surface, StartsInTheWindowColour) {
  EXPECT_EQ(shot().pixelColor(300, 300), palette_colour(COL_WHITE));
}

TEST_F(Surface, DrawingStaysUntilPaintedOverAndSurvivesResizing) {
  view.picture(HAIKEI_UCHU, 3, 3);  // dark starfield
  view.text(X0 + CELL_W * 3 + 100, Y0 + CELL_H * 3 + 100, "歩", COL_YELLOW, 14, true);
  const QPointF middle(X0 + CELL_W * 3.5, Y0 + CELL_H * 3.9);
  auto dark = [](QColor c) { return c.lightness() < 90; };
  EXPECT_TRUE(dark(shot().pixelColor(px(middle.x(), middle.y()))));
  view.resize(1240, 1068);
  EXPECT_TRUE(dark(shot().pixelColor(px(middle.x(), middle.y())))) << "replayed at the new size";
  view.picture(PIC_KARA, 3, 3);  // wood over it
  EXPECT_FALSE(dark(shot().pixelColor(px(middle.x(), middle.y()))));
  EXPECT_EQ(view.display_list().alive_count(), 1u) << "the hidden picture and text are dropped";
}

// Outlines are drawn at the screen's own resolution: exact palette colour on
// whole pixels, never thinner than two pixels, thicker in a larger window,
// never a blurred upscale.
TEST_F(Surface, OutlinesAreSharpAtEverySize) {
  auto measure = [&](int& thickness) {
    const QImage img = shot();
    const QPoint top = px(2500, 1000);  // on the top edge of the box below
    int y = top.y() - 4, n = 0;
    for (; y <= top.y() + 4; ++y) {
      const QColor c = img.pixelColor(top.x(), y);
      if (c == palette_colour(COL_LIGHTRED))
        ++n;
      else
        EXPECT_TRUE(c == palette_colour(COL_WHITE)) << "no blended pixel at y=" << y;
    }
    thickness = n;
  };
  view.box(COL_LIGHTRED, 2000, 1000, 3000, 2000);
  int tiny = 0, natural = 0, large = 0;
  view.resize(310, 267);  // 30 twips a pixel
  measure(tiny);
  view.resize(620, 534);
  measure(natural);
  view.resize(2400, 1602);  // 5 twips a pixel, the board in the middle
  measure(large);
  EXPECT_EQ(tiny, 2);
  EXPECT_EQ(natural, 2);
  EXPECT_EQ(large, 3);
}

TEST_F(Surface, NeighbouringTilesMeetWithoutSeams) {
  for (int q = 0; q < 6; ++q) view.picture(HAIKEI_MIDORI, q, 2);  // dark green felt
  view.resize(777, 655);  // a scale where cell edges fall between pixels
  const QImage img = shot();
  const int y = px(0, Y0 + CELL_H * 2.5).y();
  for (int x = px(X0 + CELL_W * 0.1, 0).x(); x < px(X0 + CELL_W * 5.9, 0).x(); ++x)
    EXPECT_LT(img.pixelColor(x, y).lightness(), 200) << "gap at x=" << x;
}

// In a window wider or taller than the board the background goes on to the
// window's edges, and a new background replaces it there too.
TEST_F(Surface, TheBackgroundReachesTheWindowsEdges) {
  auto bluish = [&](QPoint at) {
    const QColor c = view.grab(QRect(at, QSize(30, 30))).toImage().scaled(1, 1).pixelColor(0, 0);
    return c.blue() > c.red();
  };
  view.resize(2000, 500);
  view.picture(HAIKEI_UCHU, 3, 3);  // night blue
  EXPECT_TRUE(bluish(QPoint(0, 0)) && bluish(QPoint(1970, 470)));
  view.picture(HAIKEI_TATAMI, 3, 3);  // straw brown
  EXPECT_FALSE(bluish(QPoint(0, 0)) || bluish(QPoint(1970, 470)));
  view.resize(300, 1500);
  EXPECT_FALSE(bluish(QPoint(135, 1470))) << "below the board of a tall window";
}

TEST_F(Surface, UnknownPictureCodesDrawNothing) {
  for (int code : {UE_NARIKIN, SITA_NARIKIN, 7, 15, 20 + 2, -951, 1000}) view.picture(code, 1, 1);
  EXPECT_EQ(view.display_list().size(), 0u);
}

}  // namespace
}  // namespace zv::shell
