// The kept drawing: what is fully painted over is dropped, nothing else.
#include "play/qt/display_list.h"

#include <gtest/gtest.h>

#include "model/constants.h"

namespace zv::shell {
namespace {

PaintOp picture(int code, double q, double r, double w = CELL_W, double h = CELL_H) {
  PaintOp op;
  op.kind = PaintOp::Picture;
  op.code = code;
  const double x = X0 + CELL_W * q, y = Y0 + CELL_H * r;
  op.area = op.bounds = {x, y, x + w, y + h};
  return op;
}

PaintOp box(int colour, double x1, double y1, double x2, double y2) {
  PaintOp op;
  op.kind = PaintOp::Box;
  op.code = colour;
  op.area = {x1, y1, x2, y2};
  op.bounds = {x1 - 30, y1 - 30, x2 + 30, y2 + 30};
  return op;
}

PaintOp text(double x, double y, std::string s, int colour = COL_WHITE, double size = 12) {
  PaintOp op;
  op.kind = PaintOp::Text;
  op.code = colour;
  op.area = {x, y, x, y};
  op.bounds = {x - 30, y - 30, x + 300, y + 270};
  op.text = std::move(s);
  op.size = size;
  return op;
}

std::vector<int> alive_codes(const DisplayList& l) {
  std::vector<int> out;
  for (std::size_t i = 0; i < l.size(); ++i)
    if (l.alive(i)) out.push_back(l.at(i).code);
  return out;
}

TEST(DisplayList, APictureHidesWhatLiesWhollyInsideIt) {
  DisplayList l;
  l.add(picture(10, 2, 2));
  l.add(text(X0 + CELL_W * 2 + 50, Y0 + CELL_H * 2 + 50, "3"));   // inside the cell
  l.add(text(X0 + CELL_W * 2 + 400, Y0 + CELL_H * 2 + 50, "4"));  // runs into the next cell
  l.add(
      box(14, X0 + CELL_W * 2, Y0 + CELL_H * 2, X0 + CELL_W * 3, Y0 + CELL_H * 3));  // its outline
  l.add(picture(20, 2, 2));
  EXPECT_EQ(alive_codes(l), (std::vector<int>{COL_WHITE, 14, 20}));
}

TEST(DisplayList, PartlyCoveredPicturesStay) {
  DisplayList l;
  l.add(picture(1, 10.8, 0, 2500, 1200));  // the title across several cells
  l.add(picture(5, 12, 1));
  l.add(picture(5, 10.5, 0));
  EXPECT_EQ(alive_codes(l), (std::vector<int>{1, 5, 5}));
  l.add(picture(2, 10, -1, 4000, 2000));  // one large picture over all of them
  EXPECT_EQ(alive_codes(l), (std::vector<int>{2}));
}

TEST(DisplayList, AnOutlineReplacesAnOutlineOfTheSameRectangleOnly) {
  DisplayList l;
  l.add(box(14, 100, 100, 595, 715));
  l.add(box(12, 100, 100, 595, 716));
  l.add(box(15, 100, 100, 595, 715));
  EXPECT_EQ(alive_codes(l), (std::vector<int>{12, 15}));
}

TEST(DisplayList, TheSameTextAtTheSamePlaceReplacesItself) {
  DisplayList l;
  l.add(text(5000, 2000, "手目", COL_BLACK));
  l.add(text(5000, 2000, "手目", COL_WHITE));
  l.add(text(5000, 2000, "手目", COL_BLACK));
  l.add(text(5000, 2000, "手", COL_BLACK));
  l.add(text(5000, 2000, "手目", COL_BLACK, 14));
  EXPECT_EQ(alive_codes(l), (std::vector<int>{COL_WHITE, COL_BLACK, COL_BLACK, COL_BLACK}));
}

// Redrawing the whole screen again and again must not make the list grow.
TEST(DisplayList, RepeatedFullRedrawsStayBounded) {
  DisplayList l;
  auto redraw = [&](int background) {
    for (int q = -3; q <= 28; ++q)
      for (int r = -2; r <= 17; ++r)
        if (q < 1 || q > 9 || r < 1 || r > 9) l.add(picture(background, q, r));
    for (int q = 1; q <= 9; ++q) {
      l.add(
          text(X0 + CELL_W * (q + 0.2), Y0 + CELL_H * 0.5, std::to_string(10 - q), COL_BLACK, 16));
      for (int r = 1; r <= 9; ++r) {
        l.add(picture(0, q, r));
        l.add(box(15, X0 + CELL_W * q, Y0 + CELL_H * r, X0 + CELL_W * (q + 1),
                  Y0 + CELL_H * (r + 1)));
      }
    }
  };
  redraw(2);
  const std::size_t once = l.alive_count();
  for (int i = 0; i < 50; ++i) redraw(3 + i % 3);
  EXPECT_EQ(l.alive_count(), once);
  l.compact();
  EXPECT_EQ(l.size(), once);
  EXPECT_EQ(l.dead_count(), 0u);
}

TEST(DisplayList, CompactingKeepsTheOrder) {
  DisplayList l;
  l.add(picture(1, 1, 1));
  l.add(picture(2, 2, 1));
  l.add(picture(3, 1, 1));
  l.add(box(4, 0, 0, 10, 10));
  l.compact();
  EXPECT_EQ(alive_codes(l), (std::vector<int>{2, 3, 4}));
  l.add(picture(5, 2, 1));  // the buckets were rebuilt too
  EXPECT_EQ(alive_codes(l), (std::vector<int>{3, 4, 5}));
}

}  // namespace
}  // namespace zv::shell
