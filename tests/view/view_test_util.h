// Helpers for reading what the drawing procedures sent to the recording canvas.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/fakes.h"

namespace zv::test {

inline double tx(double q) {
  return X0 + CELL_W * q;
}
inline double ty(double r) {
  return Y0 + CELL_H * r;
}

inline bool near(double a, double b) {
  return std::abs(a - b) < 1e-6;
}

inline bool same_op(const DrawOp& a, const DrawOp& b) {
  return a.kind == b.kind && a.code == b.code && near(a.a, b.a) && near(a.b, b.b) &&
         near(a.c, b.c) && near(a.d, b.d) && a.text == b.text && near(a.size, b.size) &&
         a.bold == b.bold;
}

inline std::string describe(const DrawOp& o) {
  static const char* kinds[] = {"picture", "box", "text", "refresh"};
  std::string s = kinds[o.kind];
  s += " code=" + std::to_string(o.code) + " (" + std::to_string(o.a) + ", " + std::to_string(o.b) +
       ")";
  if (o.kind == DrawOp::Box) s += "-(" + std::to_string(o.c) + ", " + std::to_string(o.d) + ")";
  if (o.kind == DrawOp::Text) s += " \"" + o.text + "\" size=" + std::to_string(o.size);
  return s;
}

// Expected operations, written in grid units like the drawing code.
inline DrawOp pic(int code, double q, double r) {
  return DrawOp::make(DrawOp::Picture, code, q, r);
}
inline DrawOp outline(int colour, double q, double r) {
  return DrawOp::make(DrawOp::Box, colour, tx(q), ty(r), tx(q) + CELL_W, ty(r) + CELL_H);
}
inline DrawOp txt(double q, double r, std::string s, int colour, double size, bool bold = false) {
  DrawOp op = DrawOp::make(DrawOp::Text, colour, tx(q), ty(r));
  op.text = std::move(s);
  op.size = size;
  op.bold = bold;
  return op;
}
inline DrawOp refresh_op() {
  return DrawOp::make(DrawOp::Refresh);
}

inline void expect_ops(const std::vector<DrawOp>& got, const std::vector<DrawOp>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i)
    EXPECT_TRUE(same_op(got[i], want[i]))
        << "op " << i << ": got " << describe(got[i]) << ", want " << describe(want[i]);
}

}  // namespace zv::test
