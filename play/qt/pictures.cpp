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
#include "play/qt/background_tiles.h"
#include "play/qt/picture_tools.h"

namespace zv::shell {

namespace {

// The title sits in row 0 right of the board (x 6396, y 100) and must end
// above row 1, where the handicap line is drawn.
constexpr double TITLE_W = 2700, TITLE_H = 600;

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

// ---- Title --------------------------------------------------------------------

void paint_title(QPainter& p, const Lettering& letters) {
  // One row high: the handicap line is drawn in the row below it.
  const QRectF all(0, 0, TITLE_W, TITLE_H);
  QLinearGradient bg(0, 0, 0, TITLE_H);
  bg.setColorAt(0, QColor(0x14, 0x12, 0x3A));
  bg.setColorAt(1, QColor(0x3A, 0x10, 0x4A));
  p.fillRect(all, bg);
  p.setPen(QPen(QColor(0xD8, 0xB0, 0x4C), 18));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(all.adjusted(24, 24, -24, -24), 70, 70);

  // The four warp colours as small portals on the left.
  constexpr double PORTAL = 82;
  const double px[4] = {230, 420, 230, 420}, py[4] = {205, 205, 395, 395};
  static const QColor C[4] = {QColor(0x30, 0x30, 0x30), QColor(0xD0, 0x1C, 0x1C),
                              QColor(0x1C, 0x40, 0xD0), QColor(0x84, 0x22, 0xC0)};
  for (int i = 0; i < 4; ++i) {
    QRadialGradient g(px[i], py[i], PORTAL);
    g.setColorAt(0, C[i].lighter(220));
    g.setColorAt(0.5, C[i]);
    g.setColorAt(1, C[i].darker(250));
    p.setPen(QPen(QColor(0xD8, 0xB0, 0x4C), 7));
    p.setBrush(g);
    p.drawEllipse(QPointF(px[i], py[i]), PORTAL, PORTAL);
  }

  if (letters.parts.size() != 2) return;
  // Fitted into its place whatever the font's widths.
  constexpr double WORD_X = 1560, WORD_Y = 220, WORD_W = 1700, WORD_H = 280;
  QPainterPath word = letters.parts[0];
  const QRectF wb = word.boundingRect();
  const double fit = std::min(WORD_W / wb.width(), WORD_H / wb.height());
  word = QTransform()
             .translate(WORD_X, WORD_Y)
             .scale(fit, fit)
             .translate(-wb.center().x(), -wb.center().y())
             .map(word);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawPath(word.translated(12, 15));
  QLinearGradient gold(0, WORD_Y - WORD_H / 2, 0, WORD_Y + WORD_H / 2);
  gold.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
  gold.setColorAt(0.5, QColor(0xF2, 0xC2, 0x4A));
  gold.setColorAt(1, QColor(0xB0, 0x78, 0x18));
  p.setBrush(gold);
  p.setPen(QPen(QColor(0x5A, 0x3A, 0x08), 6));
  p.drawPath(word);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xE8, 0xE0, 0xFF));
  p.drawPath(centred(letters.parts[1], WORD_X, 468));
}

Lettering lettering_of(int code) {
  Lettering l;
  if (code == PIC_ZORVANE) {
    QFont big;
    big.setFamilies({"DejaVu Serif", board_font_family()});
    big.setPixelSize(400);
    big.setBold(true);
    l.parts = {text_path("Zorvane", big),
               text_path(QString::fromUtf8("ワープ将棋"), path_font(150))};
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
  else if (is_background(code))
    paint_background_tile(p, code);
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

bool is_background(int code) {
  return code >= HAIKEI_MIDORI && code <= HAIKEI_RENGA;
}

const char* board_font_family() {
  return "IPAGothic";
}

QColor palette_colour(int n) {
  // The standard sixteen colours of the CGA: the light colours carry a third
  // of the other primaries, so light red reads on a dark ground.
  static const QRgb PALETTE[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA,
                                   0xAA5500, 0xAAAAAA, 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF,
                                   0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
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
