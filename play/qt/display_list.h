// What has been painted on the window, in twips, so that it can be painted
// again at any size. Anything fully painted over is dropped, which keeps the
// list about as long as one screenful of drawing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace zv::shell {

struct TwipRect {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // x1 <= x2, y1 <= y2
  bool contains(const TwipRect& r) const {
    return r.x1 >= x1 && r.y1 >= y1 && r.x2 <= x2 && r.y2 <= y2;
  }
  bool operator==(const TwipRect&) const = default;
};

struct PaintOp {
  enum Kind : std::uint8_t { Picture, Box, Text };
  Kind kind = Picture;
  int code = 0;     // picture code, or palette colour for boxes and texts
  TwipRect area;    // picture cell, box corners, or text's upper-left corner (x1, y1)
  TwipRect bounds;  // everything the op may colour
  std::string text;
  double size = 0;
  bool bold = false;
};

class DisplayList {
 public:
  // Pictures are opaque: they hide every earlier op inside them. An outline
  // hides an earlier outline of the same rectangle, a text the same text
  // drawn at the same place.
  void add(PaintOp op);

  std::size_t size() const { return ops_.size(); }
  bool alive(std::size_t i) const { return alive_[i]; }
  const PaintOp& at(std::size_t i) const { return ops_[i]; }
  std::size_t alive_count() const { return ops_.size() - dead_; }
  std::size_t dead_count() const { return dead_; }
  // Drops the hidden ops; indices change.
  void compact();
  void clear();

 private:
  static std::int64_t key(int bx, int by) {
    return (static_cast<std::int64_t>(bx) << 32) ^ static_cast<std::uint32_t>(by);
  }
  static const TwipRect& anchor(const PaintOp& op);
  static int bucket_x(double x);
  static int bucket_y(double y);
  void kill(std::size_t i);
  bool hides(const PaintOp& later, const PaintOp& earlier) const;

  std::vector<PaintOp> ops_;
  std::vector<bool> alive_;
  std::size_t dead_ = 0;
  // Ops by the grid cell of their anchor's upper-left corner.
  std::unordered_map<std::int64_t, std::vector<std::size_t>> buckets_;
};

}  // namespace zv::shell
