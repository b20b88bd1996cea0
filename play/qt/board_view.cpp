#include "play/qt/board_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/constants.h"
#include "play/qt/pictures.h"

namespace zv::shell {

namespace {

constexpr double TWIPS_PER_POINT = 20;
constexpr double OUTLINE_TWIPS = 15;  // one pixel at the natural 96 dots per inch
constexpr int MIN_OUTLINE_PX = 2;
// How far an outline may reach past its rectangle: two pixels in the smallest
// window the view allows, with room to spare.
constexpr double OUTLINE_REACH = 150;
// Slack around a text's metrics for glyphs that overhang them.
constexpr double TEXT_SLACK = 30;
// Hidden ops are dropped once they outnumber the visible ones by this much.
constexpr std::size_t COMPACT_SLACK = 2000;

// Width of every outline in device pixels: the natural one pixel per 15
// twips, never thinner than two, so a chosen square stays visible when small.
int outline_width(double device_scale) {
  return std::max(MIN_OUTLINE_PX, static_cast<int>(std::lround(OUTLINE_TWIPS * device_scale)));
}

int size_key(double size, bool bold) {
  return static_cast<int>(std::lround(size * 100)) * 2 + (bold ? 1 : 0);
}

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(160, 140);
}

double BoardView::scale() const {
  return std::min(width() / SURFACE_W, height() / SURFACE_H);
}

QPointF BoardView::origin() const {
  const qreal dpr = devicePixelRatioF();
  const double s = scale() * dpr;
  const double spare_x = width() * dpr - SURFACE_W * s, spare_y = height() * dpr - SURFACE_H * s;
  return {std::floor(std::max(0.0, spare_x) / 2) / dpr,
          std::floor(std::max(0.0, spare_y) / 2) / dpr};
}

QPointF BoardView::to_twips(const QPointF& pos) const {
  const double s = scale();
  const QPointF o = origin();
  return s > 0 ? QPointF((pos.x() - o.x()) / s, (pos.y() - o.y()) / s) : QPointF();
}

QPointF BoardView::to_widget(const QPointF& twips) const {
  const double s = scale();
  const QPointF o = origin();
  return {twips.x() * s + o.x(), twips.y() * s + o.y()};
}

QRectF BoardView::to_widget(const QRectF& twips) const {
  return {to_widget(twips.topLeft()), to_widget(twips.bottomRight())};
}

// ---- Canvas ---------------------------------------------------------------

void BoardView::add(PaintOp op) {
  list_.add(std::move(op));
  update();
}

void BoardView::picture(int code, double q, double r) {
  const QSizeF natural = picture_size(code);
  if (natural.isEmpty()) return;
  PaintOp op;
  op.kind = PaintOp::Picture;
  op.code = code;
  const double x = X0 + CELL_W * q, y = Y0 + CELL_H * r;
  op.area = {x, y, x + natural.width(), y + natural.height()};
  op.bounds = op.area;
  // The game tiles its background over a fixed stretch of cells; a window
  // wider or taller than the board shows more than that, so the same tile
  // is laid under everything, out to the window's edges.
  if (is_background(code) && code != surround_) {
    surround_ = code;
    surface_ = QImage();  // painted afresh on the new ground
  }
  add(std::move(op));
}

void BoardView::box(int colour, double x1, double y1, double x2, double y2) {
  PaintOp op;
  op.kind = PaintOp::Box;
  op.code = colour;
  op.area = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  const double m = OUTLINE_REACH;
  op.bounds = {op.area.x1 - m, op.area.y1 - m, op.area.x2 + m, op.area.y2 + m};
  add(std::move(op));
}

TwipRect BoardView::text_bounds(std::string_view utf8, double size, bool bold, double x, double y) {
  const int key = size_key(size, bold);
  auto it = metrics_.find(key);
  if (it == metrics_.end()) {
    QFont f(board_font_family());
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size * TWIPS_PER_POINT))));
    f.setBold(bold);
    it = metrics_.emplace(key, QFontMetricsF(f)).first;
  }
  const QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const double w = it->second.horizontalAdvance(s), h = it->second.height();
  return {x - TEXT_SLACK, y - TEXT_SLACK, x + w + TEXT_SLACK, y + h + TEXT_SLACK};
}

void BoardView::text(double x, double y, std::string_view utf8, int colour, double size,
                     bool bold) {
  if (utf8.empty() || !(size > 0)) return;
  PaintOp op;
  op.kind = PaintOp::Text;
  op.code = colour;
  op.area = {x, y, x, y};
  op.bounds = text_bounds(utf8, size, bold, x, y);
  op.text = std::string(utf8);
  op.size = size;
  op.bold = bold;
  add(std::move(op));
}

void BoardView::refresh() {
  if (isVisible())
    repaint();
  else
    flush();
}

// ---- Painting -------------------------------------------------------------

void BoardView::ensure_surface() {
  const qreal dpr = devicePixelRatioF();
  const int w = std::max(1, static_cast<int>(std::ceil(width() * dpr)));
  const int h = std::max(1, static_cast<int>(std::ceil(height() * dpr)));
  if (!surface_.isNull() && surface_.width() == w && surface_.height() == h && dpr_ == dpr) return;
  // Kept in device pixels (no ratio of its own), so every op lands on whole pixels.
  surface_ = QImage(w, h, QImage::Format_RGB32);
  dpr_ = dpr;
  surface_.fill(palette_colour(COL_WHITE));  // the window's background colour
  device_scale_ = scale() * dpr;
  device_origin_ = origin() * dpr;
  painted_ = 0;
  pictures_.clear();
  fonts_.clear();
  if (surround_ != 0) {
    QPainter p(&surface_);
    paint_surround(p);
  }
}

void BoardView::paint_surround(QPainter& p) {
  const double s = device_scale_;
  if (!(s > 0)) return;
  auto q_at = [&](double dev) { return (dev - device_origin_.x()) / s - X0; };
  auto r_at = [&](double dev) { return (dev - device_origin_.y()) / s - Y0; };
  const int q1 = static_cast<int>(std::floor(q_at(0) / CELL_W));
  const int q2 = static_cast<int>(std::floor(q_at(surface_.width()) / CELL_W));
  const int r1 = static_cast<int>(std::floor(r_at(0) / CELL_H));
  const int r2 = static_cast<int>(std::floor(r_at(surface_.height()) / CELL_H));
  for (int q = q1; q <= q2; ++q)
    for (int r = r1; r <= r2; ++r) {
      PaintOp tile;
      tile.kind = PaintOp::Picture;
      tile.code = surround_;
      const double x = X0 + CELL_W * static_cast<double>(q),
                   y = Y0 + CELL_H * static_cast<double>(r);
      tile.area = {x, y, x + CELL_W, y + CELL_H};
      paint_op(p, tile);
    }
}

namespace {

std::uint64_t picture_key(int code, int w, int h) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(code)) << 40) ^
         (static_cast<std::uint64_t>(w) << 20) ^ static_cast<std::uint64_t>(h);
}

}  // namespace

// Both corners are rounded, so neighbouring cells meet without seams.
QRect BoardView::device_area(const PaintOp& op) const {
  const double s = device_scale_;
  const double ox = device_origin_.x(), oy = device_origin_.y();  // whole pixels
  auto dev_x = [s, ox](double t) { return static_cast<int>(std::lround(t * s + ox)); };
  auto dev_y = [s, oy](double t) { return static_cast<int>(std::lround(t * s + oy)); };
  return QRect(QPoint(dev_x(op.area.x1), dev_y(op.area.y1)),
               QPoint(dev_x(op.area.x2), dev_y(op.area.y2)))
      .adjusted(0, 0, -1, -1);
}

// The pictures the pending ops need and the cache lacks, rendered together.
void BoardView::render_new_pictures() {
  std::vector<PictureRequest> wanted;
  std::vector<std::uint64_t> keys;
  for (std::size_t i = painted_; i < list_.size(); ++i) {
    if (!list_.alive(i) || list_.at(i).kind != PaintOp::Picture) continue;
    const PaintOp& op = list_.at(i);
    const QRect r = device_area(op);
    if (r.isEmpty() || !r.intersects(surface_.rect())) continue;
    const std::uint64_t key = picture_key(op.code, r.width(), r.height());
    if (pictures_.count(key) || std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
    keys.push_back(key);
    wanted.push_back({op.code, r.width(), r.height()});
  }
  std::vector<QImage> images = render_pictures(wanted);
  for (std::size_t k = 0; k < keys.size(); ++k) pictures_.emplace(keys[k], std::move(images[k]));
}

const QImage& BoardView::picture_image(int code, int w, int h) {
  const std::uint64_t key = picture_key(code, w, h);
  auto it = pictures_.find(key);
  if (it == pictures_.end()) it = pictures_.emplace(key, render_picture(code, w, h)).first;
  return it->second;
}

void BoardView::paint_op(QPainter& p, const PaintOp& op) {
  const double s = device_scale_;
  const double ox = device_origin_.x(), oy = device_origin_.y();  // whole pixels
  auto dev_x = [s, ox](double t) { return static_cast<int>(std::lround(t * s + ox)); };
  auto dev_y = [s, oy](double t) { return static_cast<int>(std::lround(t * s + oy)); };
  switch (op.kind) {
    case PaintOp::Picture: {
      const QRect r = device_area(op);
      if (r.isEmpty() || !r.intersects(surface_.rect())) return;
      p.drawImage(r.topLeft(), picture_image(op.code, r.width(), r.height()));
      return;
    }
    case PaintOp::Box: {
      // Any outline (board grid, choice, guidance) is the same width, so one
      // drawn over another of the same square covers it exactly.
      const int x1 = dev_x(op.area.x1), y1 = dev_y(op.area.y1), x2 = dev_x(op.area.x2),
                y2 = dev_y(op.area.y2);
      const int w = outline_width(s);
      const int o = w / 2;
      const QColor c = palette_colour(op.code);
      p.fillRect(QRect(x1 - o, y1 - o, x2 - x1 + w, w), c);
      p.fillRect(QRect(x1 - o, y2 - o, x2 - x1 + w, w), c);
      p.fillRect(QRect(x1 - o, y1 - o, w, y2 - y1 + w), c);
      p.fillRect(QRect(x2 - o, y1 - o, w, y2 - y1 + w), c);
      return;
    }
    case PaintOp::Text: {
      const int px = std::max(1, static_cast<int>(std::lround(op.size * TWIPS_PER_POINT * s)));
      const int key = px * 2 + (op.bold ? 1 : 0);
      auto it = fonts_.find(key);
      if (it == fonts_.end()) {
        QFont f(board_font_family());
        f.setPixelSize(px);
        f.setBold(op.bold);
        it = fonts_.emplace(key, f).first;
      }
      p.setFont(it->second);
      p.setPen(palette_colour(op.code));
      const double ascent = QFontMetricsF(it->second).ascent();
      p.drawText(QPointF(op.area.x1 * s + ox, op.area.y1 * s + oy + ascent),
                 QString::fromStdString(op.text));
      return;
    }
  }
}

void BoardView::flush() {
  ensure_surface();
  if (painted_ < list_.size()) {
    render_new_pictures();
    QPainter p(&surface_);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t i = painted_; i < list_.size(); ++i)
      if (list_.alive(i)) paint_op(p, list_.at(i));
  }
  painted_ = list_.size();
  if (list_.dead_count() > list_.alive_count() + COMPACT_SLACK) {
    list_.compact();
    painted_ = list_.size();
  }
}

void BoardView::paintEvent(QPaintEvent* e) {
  flush();
  QPainter p(this);
  const QRectF r = e->rect();
  p.drawImage(r, surface_, QRectF(r.topLeft() * dpr_, r.size() * dpr_));
}

void BoardView::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  surface_ = QImage();
  if (on_resized) on_resized();
}

void BoardView::mousePressEvent(QMouseEvent* e) {
  int button = 0;
  switch (e->button()) {
    case Qt::LeftButton:
      button = 1;
      break;
    case Qt::RightButton:
      button = 2;
      break;
    case Qt::MiddleButton:
      button = 4;
      break;
    default:
      return;
  }
  const auto m = e->modifiers();
  const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                    (m & Qt::AltModifier ? 4 : 0);
  const QPointF t = to_twips(e->position());
  if (on_mouse_down) on_mouse_down(button, shift, t.x(), t.y());
}

}  // namespace zv::shell
