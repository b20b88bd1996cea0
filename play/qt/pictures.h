// The game's pictures, drawn with QPainter: pieces, the empty square, the four
// warp squares, the five background tiles and the title.
#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <vector>

class QPainter;

namespace zv::shell {

// Natural size in twips; empty for a code that has no picture.
QSizeF picture_size(int code);

// Paints the picture into `target` (any coordinate system).
void paint_picture(QPainter& p, int code, const QRectF& target);

// The picture rendered at exactly this many device pixels.
QImage render_picture(int code, int width_px, int height_px);

// One of the five background tiles.
bool is_background(int code);

struct PictureRequest {
  int code;
  int width_px, height_px;
};
// Several pictures rendered at once, in the order asked, each by one of Qt's
// pool threads from start to finish.
std::vector<QImage> render_pictures(const std::vector<PictureRequest>& wanted);

// Palette colours 0..15; other numbers give black.
QColor palette_colour(int n);

// The font family used for every Japanese text on the board.
const char* board_font_family();

}  // namespace zv::shell
