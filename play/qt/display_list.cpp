#include "play/qt/display_list.h"

#include <cmath>

#include "model/constants.h"

namespace zv::shell {

int DisplayList::bucket_x(double x) {
  return static_cast<int>(std::floor((x - X0) / CELL_W));
}
int DisplayList::bucket_y(double y) {
  return static_cast<int>(std::floor((y - Y0) / CELL_H));
}

void DisplayList::kill(std::size_t i) {
  if (!alive_[i]) return;
  alive_[i] = false;
  ++dead_;
}

bool DisplayList::hides(const PaintOp& later, const PaintOp& earlier) const {
  switch (later.kind) {
    case PaintOp::Picture:
      // A box drawn well inside a picture (the last-move marker) goes with it:
      // only a line thicker than its inset could show past the picture.
      return later.bounds.contains(earlier.bounds) ||
             (earlier.kind == PaintOp::Box && earlier.area.x1 > later.bounds.x1 &&
              earlier.area.y1 > later.bounds.y1 && earlier.area.x2 < later.bounds.x2 &&
              earlier.area.y2 < later.bounds.y2);
    case PaintOp::Box:
      return earlier.kind == PaintOp::Box && earlier.area == later.area;
    case PaintOp::Text:
      return earlier.kind == PaintOp::Text && earlier.area == later.area &&
             earlier.code == later.code && earlier.size == later.size &&
             earlier.bold == later.bold && earlier.text == later.text;
  }
  return false;
}

// Ops are filed by an anchor corner: a box by its rectangle, anything else by
// its bounds. Only ops anchored inside a new picture's bounds, or at the new
// box's or text's own anchor, can be hidden by it.
const TwipRect& DisplayList::anchor(const PaintOp& op) {
  return op.kind == PaintOp::Box ? op.area : op.bounds;
}

void DisplayList::add(PaintOp op) {
  const TwipRect& a = op.kind == PaintOp::Picture ? op.bounds : anchor(op);
  const int bx1 = bucket_x(a.x1), bx2 = bucket_x(a.x2);
  const int by1 = bucket_y(a.y1), by2 = bucket_y(a.y2);
  const bool only_corner = op.kind != PaintOp::Picture;
  for (int bx = bx1; bx <= (only_corner ? bx1 : bx2); ++bx)
    for (int by = by1; by <= (only_corner ? by1 : by2); ++by) {
      auto it = buckets_.find(key(bx, by));
      if (it == buckets_.end()) continue;
      auto& list = it->second;
      std::size_t keep = 0;
      for (std::size_t idx : list) {
        if (alive_[idx] && hides(op, ops_[idx])) kill(idx);
        if (alive_[idx]) list[keep++] = idx;
      }
      list.resize(keep);
    }
  buckets_[key(bucket_x(anchor(op).x1), bucket_y(anchor(op).y1))].push_back(ops_.size());
  ops_.push_back(std::move(op));
  alive_.push_back(true);
}

void DisplayList::compact() {
  std::vector<PaintOp> kept;
  kept.reserve(alive_count());
  for (std::size_t i = 0; i < ops_.size(); ++i)
    if (alive_[i]) kept.push_back(std::move(ops_[i]));
  clear();
  for (auto& op : kept) {
    buckets_[key(bucket_x(anchor(op).x1), bucket_y(anchor(op).y1))].push_back(ops_.size());
    ops_.push_back(std::move(op));
    alive_.push_back(true);
  }
}

void DisplayList::clear() {
  ops_.clear();
  alive_.clear();
  buckets_.clear();
  dead_ = 0;
}

}  // namespace zv::shell
