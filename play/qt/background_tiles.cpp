#include "play/qt/background_tiles.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "model/constants.h"
#include "play/qt/picture_tools.h"

namespace zv::shell {

namespace {

// Light red text (the hand counts) needs the most: its relative luminance is
// 0.28, so for 4.5:1 no pixel behind it may pass 0.024. Every colour below
// stays under about 0.020 (for example #282410, #0A2C14, #48150B).

// Draws at (x, y) and again where the shape crosses the tile's edges.
template <class Draw>
void wrapped(double x, double y, double reach, Draw draw) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      const double px = x + dx * CELL_W, py = y + dy * CELL_H;
      if (px + reach < 0 || px - reach > CELL_W || py + reach < 0 || py - reach > CELL_H) continue;
      draw(px, py);
    }
}

const QRectF TILE(0, 0, CELL_W, CELL_H);

// 緑: deep green baize with a fine fleck.
void paint_felt(QPainter& p) {
  p.fillRect(TILE, QColor(0x06, 0x20, 0x0E));
  Lcg r{777};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 420; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H), rad = r.range(2, 6);
    const bool light = r.next() < 0.5;
    const int a = 60 + static_cast<int>(r.range(0, 120));
    p.setBrush(light ? QColor(0x0A, 0x2C, 0x14, a) : QColor(0x01, 0x0A, 0x04, a));
    wrapped(x, y, rad, [&](double px, double py) { p.drawEllipse(QPointF(px, py), rad, rad); });
  }
}

// 畳: rush mat in the evening, rows of weave and the stitched seams.
void paint_tatami(QPainter& p) {
  p.fillRect(TILE, QColor(0x1C, 0x1A, 0x0A));
  Lcg r{4242};
  const int rows = 41;  // 615 / 15: the weave repeats exactly from tile to tile
  const double h = CELL_H / static_cast<double>(rows);
  for (int i = 0; i < rows; ++i) {
    const int shade = static_cast<int>(r.range(-3, 3));
    const QColor c = (i % 2) ? QColor(0x20 + shade, 0x1E + shade, 0x0C + shade)
                             : QColor(0x26 + shade, 0x23 + shade, 0x0F + shade);
    p.fillRect(QRectF(0, i * h, CELL_W, h * 0.62), c);
  }
  p.setPen(QPen(QColor(0x0A, 0x09, 0x03, 160), 5));
  for (int k = 0; k < 3; ++k) {
    const double x = 82 + k * CELL_W / 3.0;
    p.drawLine(QPointF(x, 0), QPointF(x, CELL_H));
  }
}

// 竹: a bamboo fence at dusk, three rounded stalks with their nodes.
void paint_bamboo(QPainter& p) {
  p.fillRect(TILE, QColor(0x07, 0x09, 0x03));
  const double w = CELL_W / 3.0;
  const double node_y[3] = {95, 335, 520};
  for (int k = 0; k < 3; ++k) {
    const double x = k * w;
    QLinearGradient g(x, 0, x + w, 0);
    g.setColorAt(0, QColor(0x08, 0x14, 0x04));
    g.setColorAt(0.3, QColor(0x0F, 0x26, 0x08));
    g.setColorAt(0.55, QColor(0x12, 0x2C, 0x09));
    g.setColorAt(1, QColor(0x07, 0x12, 0x04));
    p.fillRect(QRectF(x + 7, 0, w - 14, CELL_H), g);
    // A node: a dark groove with a light ridge under it.
    const double ny = node_y[k];
    p.fillRect(QRectF(x + 7, ny, w - 14, 10), QColor(0x03, 0x07, 0x01));
    p.fillRect(QRectF(x + 7, ny + 10, w - 14, 8), QColor(0x12, 0x2A, 0x0A));
    p.fillRect(QRectF(x + 7, ny - 6, w - 14, 6), QColor(0x0A, 0x1A, 0x06));
  }
}

// 宇宙: night sky with faint nebulae and coloured stars. Blue and red light
// weigh little in luminance, so the stars show by their colour.
void paint_stars(QPainter& p) {
  p.fillRect(TILE, QColor(0x03, 0x05, 0x1A));
  Lcg r{2024};
  p.setPen(Qt::NoPen);
  const QColor clouds[2] = {QColor(0x1C, 0x0A, 0x3A), QColor(0x08, 0x12, 0x42)};
  for (int i = 0; i < 5; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H), rad = r.range(90, 190);
    const QColor c = clouds[i % 2];
    wrapped(x, y, rad, [&](double px, double py) {
      QRadialGradient g(px, py, rad);
      g.setColorAt(0, QColor(c.red(), c.green(), c.blue(), 150));
      g.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
      p.setBrush(g);
      p.drawEllipse(QPointF(px, py), rad, rad);
    });
  }
  for (int i = 0; i < 60; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H);
    p.setBrush(QColor(0x14, 0x16, 0x50, 80 + static_cast<int>(r.range(0, 100))));
    wrapped(x, y, 3, [&](double px, double py) { p.drawEllipse(QPointF(px, py), 2.5, 2.5); });
  }
  const QColor cores[3] = {QColor(0x10, 0x12, 0x7A), QColor(0x40, 0x10, 0x4A),
                           QColor(0x3E, 0x18, 0x08)};
  for (int i = 0; i < 26; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H);
    const double rad = r.range(4, 10);
    const double hue = r.next();
    const QColor core = hue < 0.55 ? cores[0] : hue < 0.8 ? cores[1] : cores[2];
    const double halo = rad * (r.next() < 0.3 ? 4 : 2.2);
    wrapped(x, y, halo, [&](double px, double py) {
      QRadialGradient g(px, py, halo);
      g.setColorAt(0, core);
      g.setColorAt(rad / halo, QColor(core.red(), core.green(), core.blue(), 170));
      g.setColorAt(1, QColor(core.red(), core.green(), core.blue(), 0));
      p.setBrush(g);
      p.drawEllipse(QPointF(px, py), halo, halo);
    });
  }
}

// 煉瓦: dark fired bricks in a running bond with deep mortar joints.
void paint_bricks(QPainter& p) {
  p.fillRect(TILE, QColor(0x15, 0x13, 0x11));
  const int rows = 4;  // an even count keeps the half-brick offset seamless
  const double bh = CELL_H / static_cast<double>(rows), bw = CELL_W / 2.0, gap = 11;
  Lcg r{99};
  for (int row = 0; row < rows; ++row) {
    const double off = (row % 2) ? bw / 2 : 0;
    for (int col = 0; col < 2; ++col) {
      const int v = static_cast<int>(r.range(-8, 0));
      const QColor base(0x3C + v, 0x12 + v / 3, 0x09 + v / 4);
      const QColor top(base.red() + 10, base.green() + 3, base.blue() + 2);
      const QColor bottom(base.red() * 3 / 4, base.green() * 3 / 4, base.blue() * 3 / 4);
      const double y = row * bh + gap / 2;
      for (double x : {col * bw + off, col * bw + off - CELL_W}) {
        const QRectF b(x + gap / 2, y, bw - gap, bh - gap);
        if (b.right() < 0 || b.left() > CELL_W) continue;
        QLinearGradient g(0, b.top(), 0, b.bottom());
        g.setColorAt(0, top);
        g.setColorAt(0.25, base);
        g.setColorAt(1, bottom);
        p.fillRect(b, g);
      }
    }
  }
}

}  // namespace

void paint_background_tile(QPainter& p, int code) {
  switch (code) {
    case HAIKEI_MIDORI:
      return paint_felt(p);
    case HAIKEI_TATAMI:
      return paint_tatami(p);
    case HAIKEI_TAKE:
      return paint_bamboo(p);
    case HAIKEI_UCHU:
      return paint_stars(p);
    case HAIKEI_RENGA:
      return paint_bricks(p);
    default:
      return;
  }
}

}  // namespace zv::shell
