// The window's drawing surface. The game paints on it in twips; what it
// paints is kept (display_list.h) and shown scaled to the widget with the
// aspect kept, centred, rendered at the screen's own resolution.
#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QWidget>
#include <functional>
#include <unordered_map>

#include "model/ports.h"
#include "play/qt/display_list.h"

namespace zv::shell {

// The area that always fits in the widget, centred in it; more of the
// surface shows on both sides when the widget's shape differs.
inline constexpr double SURFACE_W = 9300, SURFACE_H = 8000;

class BoardView final : public QWidget, public Canvas {
 public:
  explicit BoardView(QWidget* parent = nullptr);

  void picture(int code, double q, double r) override;
  void box(int colour, double x1, double y1, double x2, double y2) override;
  void text(double x, double y, std::string_view utf8, int colour, double size, bool bold) override;
  void refresh() override;

  // Logical pixels per twip, the same across and down.
  double scale() const;
  // Where twips (0, 0) lies in the widget, in logical pixels: the spare room
  // is shared equally, on whole device pixels so edges stay sharp.
  QPointF origin() const;
  QPointF to_twips(const QPointF& widget_pos) const;
  QPointF to_widget(const QPointF& twips) const;
  QRectF to_widget(const QRectF& twips) const;

  const DisplayList& display_list() const { return list_; }
  // Paints everything pending onto the kept surface.
  void flush();

  // Button 1 left, 2 right, 4 middle; shift mask 1 Shift, 2 Ctrl, 4 Alt.
  std::function<void(int button, int shift, double x, double y)> on_mouse_down;
  std::function<void()> on_resized;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  void add(PaintOp op);
  void ensure_surface();
  void paint_surround(QPainter& p);
  void paint_op(QPainter& p, const PaintOp& op);
  QRect device_area(const PaintOp& op) const;
  void render_new_pictures();
  const QImage& picture_image(int code, int w, int h);
  TwipRect text_bounds(std::string_view text, double size, bool bold, double x, double y);

  DisplayList list_;
  std::size_t painted_ = 0;  // ops [0, painted_) are on surface_
  QImage surface_;
  double device_scale_ = 0;  // device pixels per twip of surface_
  QPointF device_origin_;    // twips (0, 0) on surface_
  int surround_ = 0;         // the background tile last painted, 0 before any
  qreal dpr_ = 1;
  std::unordered_map<std::uint64_t, QImage> pictures_;
  std::unordered_map<int, QFontMetricsF> metrics_;  // twip-sized fonts, by size key
  std::unordered_map<int, QFont> fonts_;            // device-sized fonts, by size key
};

}  // namespace zv::shell
