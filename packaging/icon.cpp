// Draws the desktop icon: a shogi piece with a warp swirl, at every size the
// desktops ask for, as PNG, plus the same drawing as SVG.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

// The five-sided piece in a unit square: wide base, narrow shoulders, a point on top.
QPainterPath piece_outline(double s) {
  QPainterPath p;
  p.moveTo(0.50 * s, 0.04 * s);
  p.lineTo(0.80 * s, 0.20 * s);
  p.lineTo(0.92 * s, 0.94 * s);
  p.lineTo(0.08 * s, 0.94 * s);
  p.lineTo(0.20 * s, 0.20 * s);
  p.closeSubpath();
  return p;
}

void draw(QPainter& g, double s) {
  g.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wood(0, 0, s, s);
  wood.setColorAt(0, QColor(0xf3, 0xd2, 0x8c));
  wood.setColorAt(1, QColor(0xc9, 0x93, 0x45));
  g.setPen(QPen(QColor(0x5a, 0x3a, 0x14), std::max(1.0, s / 32)));
  g.setBrush(wood);
  g.drawPath(piece_outline(s));
  // A purple swirl: the warp square the game is named after.
  const QPointF c(0.5 * s, 0.60 * s);
  QPainterPath spiral;
  const double turns = 2.25, r0 = 0.02 * s, r1 = 0.24 * s;
  for (int i = 0; i <= 200; ++i) {
    const double t = i / 200.0, a = t * turns * 2 * M_PI;
    const double r = r0 + (r1 - r0) * t;
    const QPointF p(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      spiral.moveTo(p);
    else
      spiral.lineTo(p);
  }
  g.setBrush(Qt::NoBrush);
  g.setPen(QPen(QColor(0x6a, 0x1b, 0x9a), std::max(1.0, s / 14), Qt::SolidLine, Qt::RoundCap));
  g.drawPath(spiral);
}

void write_svg(const char* path) {
  std::ofstream f(path);
  f << R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs><linearGradient id="w" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#f3d28c"/><stop offset="1" stop-color="#c99345"/></linearGradient></defs>
  <path d="M128 10 L205 51 L236 241 L20 241 L51 51 Z" fill="url(#w)" stroke="#5a3a14" stroke-width="8" stroke-linejoin="round"/>
  <path d=")svg";
  const double s = 256, cx = 0.5 * s, cy = 0.60 * s, turns = 2.25, r0 = 0.02 * s, r1 = 0.24 * s;
  for (int i = 0; i <= 200; ++i) {
    const double t = i / 200.0, a = t * turns * 2 * M_PI, r = r0 + (r1 - r0) * t;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%c%.1f %.1f ", i == 0 ? 'M' : 'L', cx + r * std::cos(a),
                  cy + r * std::sin(a));
    f << buf;
  }
  f << R"svg(" fill="none" stroke="#6a1b9a" stroke-width="18" stroke-linecap="round"/>
</svg>
)svg";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zorvane-icon OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter g(&img);
    draw(g, size);
    g.end();
    if (!img.save(out + QString("/zorvane-%1.png").arg(size))) return 1;
  }
  write_svg((out + "/zorvane.svg").toLocal8Bit().constData());
  return 0;
}
