#include "play/qt/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>

#include "model/constants.h"

namespace zv::shell {

namespace {

constexpr double TITLE_W = 2500, TITLE_H = 1200;
constexpr double PI = 3.14159265358979323846;

// A small repeatable generator for textures (never the game's own).
struct Lcg {
  std::uint32_t s;
  double next() {
    s = s * 1664525u + 1013904223u;
    return (s >> 8) * (1.0 / 16777216.0);
  }
  double range(double lo, double hi) { return lo + (hi - lo) * next(); }
};

struct Face {
  int code;          // magnitude
  const char* text;  // one or two characters, top to bottom
  const char* upper_text;
  bool promoted;
  double scale;  // smaller pieces for the lesser kinds, as in a real set
};

const Face FACES[] = {
    {UE_HU, "歩", "歩", false, 0.86},   {UE_TO, "と", "と", true, 0.86},
    {UE_KYOU, "香", "香", false, 0.88}, {UE_NARIKYOU, "成香", "成香", true, 0.88},
    {UE_KEI, "桂", "桂", false, 0.90},  {UE_NARIKEI, "成桂", "成桂", true, 0.90},
    {UE_GIN, "銀", "銀", false, 0.94},  {UE_NARIGIN, "成銀", "成銀", true, 0.94},
    {UE_KIN, "金", "金", false, 0.94},  {UE_KAKU, "角", "角", false, 0.97},
    {UE_UMA, "馬", "馬", true, 0.97},   {UE_SYA, "飛", "飛", false, 0.97},
    {UE_RYU, "龍", "龍", true, 0.97},   {UE_OU, "王", "玉", false, 1.0},
};

const Face* face_of(int code) {
  const int m = std::abs(code);
  for (const auto& f : FACES)
    if (f.code == m) return &f;
  return nullptr;
}

bool is_warp(int code) {
  return code >= IRVU_FIRST && code <= IRVU_LAST;
}
bool is_background(int code) {
  return code >= HAIKEI_MIDORI && code <= HAIKEI_RENGA;
}

QFont path_font(double pixel_size, bool bold = true) {
  QFont f(board_font_family());
  f.setPixelSize(static_cast<int>(std::lround(pixel_size)));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferOutline);
  return f;
}

// Text as an outline: exact at any scale.
QPainterPath text_path(const QString& text, const QFont& font) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

QPainterPath centred(QPainterPath path, double cx, double cy) {
  const QRectF b = path.boundingRect();
  path.translate(cx - b.center().x(), cy - b.center().y());
  return path;
}

// The letters of a picture as outlines, made where the fonts are; painting
// them needs no font, so any thread can paint the picture.
struct Lettering {
  std::vector<QPainterPath> parts;  // in the order the picture paints them
};

// ---- Board squares -------------------------------------------------------

void paint_wood(QPainter& p) {
  const QRectF cell(0, 0, CELL_W, CELL_H);
  QLinearGradient g(0, 0, CELL_W, CELL_H);
  g.setColorAt(0, QColor(0xEE, 0xCF, 0x8E));
  g.setColorAt(1, QColor(0xE2, 0xBE, 0x76));
  p.fillRect(cell, g);
  // Grain: long, gently waving lines across the square.
  Lcg r{12345};
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 9; ++i) {
    const double y = r.range(20, CELL_H - 20);
    const double amp = r.range(6, 22), phase = r.range(0, 2 * PI);
    QPainterPath line;
    line.moveTo(0, y);
    for (int x = 0; x <= CELL_W; x += 33) line.lineTo(x, y + amp * std::sin(phase + x * 0.013));
    p.setPen(QPen(QColor(0xB8, 0x8A, 0x45, 40 + static_cast<int>(r.range(0, 40))), r.range(3, 7)));
    p.drawPath(line);
  }
}

void paint_piece(QPainter& p, int code, const Lettering& letters) {
  const Face* f = face_of(code);
  paint_wood(p);
  if (!f) return;
  const double s = f->scale;
  const double cx = CELL_W / 2.0, cy = CELL_H / 2.0 + 10;
  p.save();
  if (code > 0) {  // the upper side faces the other way
    p.translate(CELL_W / 2.0, CELL_H / 2.0);
    p.rotate(180);
    p.translate(-CELL_W / 2.0, -CELL_H / 2.0);
  }
  QPainterPath body;
  body.moveTo(cx, cy - 272 * s);
  body.lineTo(cx + 168 * s, cy - 188 * s);
  body.lineTo(cx + 205 * s, cy + 262 * s);
  body.lineTo(cx - 205 * s, cy + 262 * s);
  body.lineTo(cx - 168 * s, cy - 188 * s);
  body.closeSubpath();

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 35, 10, 70));
  p.drawPath(body.translated(10, 12));

  QLinearGradient g(cx - 200 * s, 0, cx + 200 * s, 0);
  g.setColorAt(0, QColor(0xF0, 0xD6, 0x9C));
  g.setColorAt(0.45, QColor(0xFB, 0xEA, 0xC0));
  g.setColorAt(1, QColor(0xDD, 0xB8, 0x74));
  p.setBrush(g);
  p.setPen(QPen(QColor(0x6E, 0x4A, 0x1C), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(body);

  const QColor ink = f->promoted ? QColor(0xC4, 0x10, 0x10) : QColor(0x1A, 0x12, 0x0C);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (letters.parts.size() == 1) {
    p.drawPath(centred(letters.parts[0], cx, cy + 40 * s));
  } else if (letters.parts.size() == 2) {
    p.drawPath(centred(letters.parts[0], cx, cy - 50 * s));
    p.drawPath(centred(letters.parts[1], cx, cy + 140 * s));
  }
  p.restore();
}

void paint_warp(QPainter& p, int code) {
  struct Tint {
    QColor core, body, edge, arm;
  };
  static const Tint TINTS[] = {
      {QColor(0x70, 0x70, 0x70), QColor(0x22, 0x22, 0x22), QColor(0x05, 0x05, 0x05),
       QColor(0xC8, 0xC8, 0xC8)},
      {QColor(0xFF, 0x9A, 0x80), QColor(0xD0, 0x1C, 0x1C), QColor(0x60, 0x05, 0x05),
       QColor(0xFF, 0xD0, 0xC0)},
      {QColor(0x90, 0xC8, 0xFF), QColor(0x1C, 0x40, 0xD0), QColor(0x05, 0x10, 0x60),
       QColor(0xC8, 0xE0, 0xFF)},
      {QColor(0xE8, 0xA0, 0xFF), QColor(0x84, 0x22, 0xC0), QColor(0x30, 0x05, 0x55),
       QColor(0xF0, 0xD0, 0xFF)},
  };
  const Tint& t = TINTS[code - IRVU_FIRST];
  paint_wood(p);
  const double cx = CELL_W / 2.0, cy = CELL_H / 2.0, rad = 215;

  QRadialGradient glow(cx, cy, rad * 1.15);
  glow.setColorAt(0.75, QColor(t.body.red(), t.body.green(), t.body.blue(), 90));
  glow.setColorAt(1, QColor(t.body.red(), t.body.green(), t.body.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(cx, cy), rad * 1.15, rad * 1.15);

  QRadialGradient disc(cx, cy, rad);
  disc.setColorAt(0, t.core);
  disc.setColorAt(0.45, t.body);
  disc.setColorAt(1, t.edge);
  p.setBrush(disc);
  p.drawEllipse(QPointF(cx, cy), rad, rad);

  // Three spiral arms winding into the centre.
  p.setBrush(Qt::NoBrush);
  for (int arm = 0; arm < 3; ++arm) {
    QPainterPath spiral;
    const double start = arm * 2 * PI / 3;
    for (int i = 0; i <= 60; ++i) {
      const double u = i / 60.0;
      const double a = start + u * 2.6 * PI;
      const double rr = rad * 0.92 * (1 - u) + 8;
      const QPointF pt(cx + rr * std::cos(a), cy + rr * std::sin(a));
      if (i == 0)
        spiral.moveTo(pt);
      else
        spiral.lineTo(pt);
    }
    QColor c = t.arm;
    c.setAlpha(200);
    p.setPen(QPen(c, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spiral);
  }
  p.setPen(QPen(t.edge, 10));
  p.drawEllipse(QPointF(cx, cy), rad, rad);
}

// ---- Background tiles (each tiles seamlessly) ----------------------------

// Draws `shape` at (x, y) and again where it crosses the tile's edges.
template <class Draw>
void wrapped(double x, double y, double reach, Draw draw) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      const double px = x + dx * CELL_W, py = y + dy * CELL_H;
      if (px + reach < 0 || px - reach > CELL_W || py + reach < 0 || py - reach > CELL_H) continue;
      draw(px, py);
    }
}

void paint_felt(QPainter& p) {
  p.fillRect(QRectF(0, 0, CELL_W, CELL_H), QColor(0x2C, 0x6E, 0x3A));
  Lcg r{777};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 420; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H), rad = r.range(2, 6);
    const bool light = r.next() < 0.5;
    const int a = 20 + static_cast<int>(r.range(0, 35));
    p.setBrush(light ? QColor(0x9C, 0xD8, 0x9A, a) : QColor(0x0A, 0x2A, 0x10, a));
    wrapped(x, y, rad, [&](double px, double py) { p.drawEllipse(QPointF(px, py), rad, rad); });
  }
}

void paint_bamboo(QPainter& p) {
  p.fillRect(QRectF(0, 0, CELL_W, CELL_H), QColor(0x3A, 0x2E, 0x14));
  const double w = CELL_W / 3.0;
  const double node_y[3] = {95, 335, 520};
  for (int k = 0; k < 3; ++k) {
    const double x = k * w;
    QLinearGradient g(x, 0, x + w, 0);
    g.setColorAt(0, QColor(0x3E, 0x6E, 0x22));
    g.setColorAt(0.3, QColor(0x8C, 0xBF, 0x4E));
    g.setColorAt(0.55, QColor(0xA6, 0xD2, 0x66));
    g.setColorAt(1, QColor(0x3A, 0x64, 0x1E));
    p.fillRect(QRectF(x + 7, 0, w - 14, CELL_H), g);
    // A node: a dark groove with a light ridge under it.
    const double ny = node_y[k];
    p.fillRect(QRectF(x + 7, ny, w - 14, 10), QColor(0x2E, 0x4E, 0x16));
    p.fillRect(QRectF(x + 7, ny + 10, w - 14, 8), QColor(0xC4, 0xE0, 0x8C));
    p.fillRect(QRectF(x + 7, ny - 6, w - 14, 6), QColor(0x5C, 0x8A, 0x30));
  }
}

void paint_tatami(QPainter& p) {
  p.fillRect(QRectF(0, 0, CELL_W, CELL_H), QColor(0xC6, 0xC0, 0x78));
  Lcg r{4242};
  const int rows = 41;  // 615 / 15: the weave repeats exactly from tile to tile
  const double h = CELL_H / static_cast<double>(rows);
  for (int i = 0; i < rows; ++i) {
    const int shade = static_cast<int>(r.range(-10, 10));
    const QColor c = (i % 2) ? QColor(0xB8 + shade, 0xB2 + shade, 0x66 + shade)
                             : QColor(0xD0 + shade, 0xCB + shade, 0x8A + shade);
    p.fillRect(QRectF(0, i * h, CELL_W, h * 0.62), c);
  }
  p.setPen(QPen(QColor(0x8E, 0x88, 0x48, 70), 4));
  for (int k = 0; k < 3; ++k) {
    const double x = 82 + k * CELL_W / 3.0;
    p.drawLine(QPointF(x, 0), QPointF(x, CELL_H));
  }
}

void paint_stars(QPainter& p) {
  p.fillRect(QRectF(0, 0, CELL_W, CELL_H), QColor(0x06, 0x08, 0x1C));
  Lcg r{2024};
  p.setPen(Qt::NoPen);
  // Faint dust first, then the brighter stars.
  for (int i = 0; i < 60; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H);
    p.setBrush(QColor(0xB0, 0xB8, 0xFF, 40 + static_cast<int>(r.range(0, 60))));
    wrapped(x, y, 3, [&](double px, double py) { p.drawEllipse(QPointF(px, py), 2.5, 2.5); });
  }
  for (int i = 0; i < 26; ++i) {
    const double x = r.range(0, CELL_W), y = r.range(0, CELL_H);
    const double rad = r.range(3, 9);
    const double hue = r.next();
    const QColor core = hue < 0.2    ? QColor(0xFF, 0xE8, 0xB0)
                        : hue < 0.35 ? QColor(0xB8, 0xD0, 0xFF)
                                     : QColor(0xFF, 0xFF, 0xFF);
    const double halo = rad * (r.next() < 0.3 ? 4.5 : 2.2);
    wrapped(x, y, halo, [&](double px, double py) {
      QRadialGradient g(px, py, halo);
      g.setColorAt(0, core);
      g.setColorAt(rad / halo, QColor(core.red(), core.green(), core.blue(), 150));
      g.setColorAt(1, QColor(core.red(), core.green(), core.blue(), 0));
      p.setBrush(g);
      p.drawEllipse(QPointF(px, py), halo, halo);
    });
  }
}

void paint_bricks(QPainter& p) {
  p.fillRect(QRectF(0, 0, CELL_W, CELL_H), QColor(0xC9, 0xC0, 0xAE));
  const int rows = 4;  // an even count keeps the half-brick offset seamless
  const double bh = CELL_H / static_cast<double>(rows), bw = CELL_W / 2.0, gap = 11;
  Lcg r{99};
  for (int row = 0; row < rows; ++row) {
    const double off = (row % 2) ? bw / 2 : 0;
    for (int col = 0; col < 2; ++col) {
      const int v = static_cast<int>(r.range(-18, 18));
      const QColor base(0xA2 + v, 0x40 + v / 2, 0x2A + v / 3);
      const double y = row * bh + gap / 2;
      for (double x : {col * bw + off, col * bw + off - CELL_W}) {
        const QRectF b(x + gap / 2, y, bw - gap, bh - gap);
        if (b.right() < 0 || b.left() > CELL_W) continue;
        QLinearGradient g(0, b.top(), 0, b.bottom());
        g.setColorAt(0, base.lighter(118));
        g.setColorAt(0.25, base);
        g.setColorAt(1, base.darker(125));
        p.fillRect(b, g);
      }
    }
  }
}

// ---- Title --------------------------------------------------------------------

void paint_title(QPainter& p, const Lettering& letters) {
  const QRectF all(0, 0, TITLE_W, TITLE_H);
  QLinearGradient bg(0, 0, 0, TITLE_H);
  bg.setColorAt(0, QColor(0x14, 0x12, 0x3A));
  bg.setColorAt(1, QColor(0x3A, 0x10, 0x4A));
  p.fillRect(all, bg);
  p.setPen(QPen(QColor(0xD8, 0xB0, 0x4C), 28));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(all.adjusted(40, 40, -40, -40), 90, 90);

  // The four warp colours as small portals on the left.
  const double px[4] = {300, 560, 300, 560}, py[4] = {400, 400, 800, 800};
  for (int i = 0; i < 4; ++i) {
    QRadialGradient g(px[i], py[i], 115);
    static const QColor C[4] = {QColor(0x30, 0x30, 0x30), QColor(0xD0, 0x1C, 0x1C),
                                QColor(0x1C, 0x40, 0xD0), QColor(0x84, 0x22, 0xC0)};
    g.setColorAt(0, C[i].lighter(220));
    g.setColorAt(0.5, C[i]);
    g.setColorAt(1, C[i].darker(250));
    p.setPen(QPen(QColor(0xD8, 0xB0, 0x4C), 8));
    p.setBrush(g);
    p.drawEllipse(QPointF(px[i], py[i]), 115, 115);
  }

  if (letters.parts.size() != 2) return;
  // Fitted into its place whatever the font's widths.
  QPainterPath word = letters.parts[0];
  const QRectF wb = word.boundingRect();
  const double fit = std::min(1500 / wb.width(), 480 / wb.height());
  word = QTransform()
             .translate(1580, 500)
             .scale(fit, fit)
             .translate(-wb.center().x(), -wb.center().y())
             .map(word);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawPath(word.translated(18, 22));
  QLinearGradient gold(0, 260, 0, 740);
  gold.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
  gold.setColorAt(0.5, QColor(0xF2, 0xC2, 0x4A));
  gold.setColorAt(1, QColor(0xB0, 0x78, 0x18));
  p.setBrush(gold);
  p.setPen(QPen(QColor(0x5A, 0x3A, 0x08), 8));
  p.drawPath(word);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xE8, 0xE0, 0xFF));
  p.drawPath(centred(letters.parts[1], 1580, 910));
}

Lettering lettering_of(int code) {
  Lettering l;
  if (code == PIC_ZORVANE) {
    QFont big;
    big.setFamilies({"DejaVu Serif", board_font_family()});
    big.setPixelSize(400);
    big.setBold(true);
    l.parts = {text_path("Zorvane", big), text_path(QString::fromUtf8("ワープ将棋"), path_font(190))};
  } else if (const Face* f = face_of(code); f && !picture_size(code).isEmpty()) {
    const QString text = QString::fromUtf8(code > 0 ? f->upper_text : f->text);
    if (text.size() == 1) {
      l.parts = {text_path(text, path_font(270 * f->scale))};
    } else {
      const QFont small = path_font(185 * f->scale);
      l.parts = {text_path(text.left(1), small), text_path(text.mid(1, 1), small)};
    }
  }
  return l;
}

void paint_lettered(QPainter& p, int code, const QRectF& target, const Lettering& letters) {
  const QSizeF natural = picture_size(code);
  if (natural.isEmpty()) return;
  p.save();
  p.translate(target.topLeft());
  p.scale(target.width() / natural.width(), target.height() / natural.height());
  p.setClipRect(QRectF(QPointF(0, 0), natural));
  if (code == PIC_KARA)
    paint_wood(p);
  else if (code == PIC_ZORVANE)
    paint_title(p, letters);
  else if (is_warp(code))
    paint_warp(p, code);
  else if (code == HAIKEI_MIDORI)
    paint_felt(p);
  else if (code == HAIKEI_TATAMI)
    paint_tatami(p);
  else if (code == HAIKEI_TAKE)
    paint_bamboo(p);
  else if (code == HAIKEI_UCHU)
    paint_stars(p);
  else if (code == HAIKEI_RENGA)
    paint_bricks(p);
  else
    paint_piece(p, code, letters);
  p.restore();
}

QImage render_lettered(int code, int width_px, int height_px, const Lettering& letters) {
  QImage img(std::max(1, width_px), std::max(1, height_px), QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  paint_lettered(p, code, QRectF(0, 0, img.width(), img.height()), letters);
  return img;
}

}  // namespace

const char* board_font_family() {
  return "IPAGothic";
}

QColor palette_colour(int n) {
  static const QRgb PALETTE[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (n < 0 || n > 15) return QColor(Qt::black);
  return QColor(PALETTE[n]);
}

QSizeF picture_size(int code) {
  if (code == PIC_ZORVANE) return {TITLE_W, TITLE_H};
  if (code == PIC_KARA || face_of(code) || is_warp(code) || is_background(code))
    return (code == UE_NARIKIN || code == SITA_NARIKIN) ? QSizeF() : QSizeF(CELL_W, CELL_H);
  return {};
}

void paint_picture(QPainter& p, int code, const QRectF& target) {
  paint_lettered(p, code, target, lettering_of(code));
}

QImage render_picture(int code, int width_px, int height_px) {
  return render_lettered(code, width_px, height_px, lettering_of(code));
}

// Qt's raster engine hands every larger fill to its thread pool in slices and
// waits for them: for pictures this small that costs more than the painting,
// twice over on a busy machine. A picture painted inside the pool is painted
// by its own thread alone, and the pictures of one batch share the threads.
// The letters are made here, once per picture whatever its sizes.
std::vector<QImage> render_pictures(const std::vector<PictureRequest>& wanted) {
  std::vector<QImage> out(wanted.size());
  // Each picture's letters go to one thread only: a painter path measures
  // itself lazily, and two threads measuring one shared path would race.
  struct Share {
    Lettering letters;
    int task;
  };
  QThreadPool* pool = QThreadPool::globalInstance();
  const int threads = std::max(pool->maxThreadCount(), 1);
  std::map<int, Share> shares;
  for (const PictureRequest& r : wanted)
    if (!shares.count(r.code)) {
      const int task = static_cast<int>(shares.size()) % threads;
      shares.emplace(r.code, Share{lettering_of(r.code), task});
    }
  const int tasks = std::min(threads, static_cast<int>(shares.size()));
  auto render_share = [&wanted, &out, &shares](int task) {
    for (std::size_t i = 0; i < wanted.size(); ++i) {
      const PictureRequest& r = wanted[i];
      const Share& s = shares.at(r.code);
      if (s.task == task) out[i] = render_lettered(r.code, r.width_px, r.height_px, s.letters);
    }
  };
  if (pool->contains(QThread::currentThread())) {
    for (int t = 0; t < tasks; ++t) render_share(t);
    return out;
  }
  QSemaphore done;
  for (int t = 0; t < tasks; ++t)
    pool->start([&render_share, &done, t] {
      render_share(t);
      done.release();
    });
  done.acquire(tasks);
  return out;
}

}  // namespace zv::shell
