// The five background tiles (緑, 畳, 竹, 宇宙, 煉瓦), one cell each, tiling
// without seams. Yellow, white and light red labels are printed straight onto
// them, so every pixel is kept dark enough for a contrast of at least 4.5:1
// against those colours (tests/gui/contrast_test.cpp measures it).
#pragma once

class QPainter;

namespace zv::shell {

// Paints the tile of a background code into the cell (0, 0)-(CELL_W, CELL_H).
void paint_background_tile(QPainter& p, int code);

}  // namespace zv::shell
