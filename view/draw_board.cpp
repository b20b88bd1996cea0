// Board, warp squares, hands, background and the full redraw.
#include "view/draw.h"
#include "view/paint.h"
#include "view/pictures.h"

namespace zv {

namespace paint {
void tile(Game& g, double q, double r) {
  描画_絵(g, g.st.background, q, r);
}
}  // namespace paint

void 描画_絵(Game& g, int 駒種類, double 座標X, double 座標Y) {
  if (!is_picture_code(駒種類)) return;
  g.io.canvas->picture(駒種類, 座標X, 座標Y);
}

void 描画_桝輪郭(Game& g, int 描画色, double 座標X, double 座標Y) {
  const double x = paint::twips_x(座標X), y = paint::twips_y(座標Y);
  g.io.canvas->box(描画色, x, y, x + CELL_W, y + CELL_H);
}

void 描画_盤(Game& g) {
  for (int q = 1; q <= BAN_SIZE; ++q)
    for (int r = 1; r <= BAN_SIZE; ++r) {
      描画_絵(g, g.st.board[q][r], q, r);
      描画_桝輪郭(g, COL_BOARD, q, r);
    }
  g.st.marker_drawn = {};  // painted over with the rest
}

void 描画_IRVU(Game& g) {
  for (int q = 1; q <= BAN_SIZE; ++q)
    for (int r = 1; r <= BAN_SIZE; ++r) {
      const int warp = g.st.warp_map[q][r];
      if (warp == EMPTY) continue;
      描画_絵(g, warp, q, r);
      描画_桝輪郭(g, COL_BOARD, q, r);
    }
}

namespace {
constexpr int COUNT_SIZE = 14;

// A hand count: the black copy a tenth of a cell lower right is its shadow.
void draw_count(Game& g, double sq, double sr, double q, double r, int count) {
  描画_数値(g, sq, sr, count, COL_SHADOW, 0, COUNT_SIZE);
  描画_数値(g, q, r, count, COL_HAND_COUNT, 0, COUNT_SIZE);
}
}  // namespace

void 描画_自持盤(Game& g) {
  for (int i = 1; i <= HAND_SLOTS; ++i) {
    const int r = i + MAN_HAND_ROW_OFFSET;
    描画_絵(g, PIC_KARA, MAN_HAND_X, r);
    paint::tile(g, MAN_HAND_X + 1, r);
    描画_桝輪郭(g, COL_BOARD, MAN_HAND_X, r);
    const int count = g.st.man_hand[i];
    if (count > 0) {
      描画_絵(g, -SLOT_CODE[i], MAN_HAND_X, r);
      描画_桝輪郭(g, COL_BOARD, MAN_HAND_X, r);
      draw_count(g, 12.1, i + 2.3, 12, i + 2.2, count);
    }
  }
}

void 描画_敵持盤(Game& g) {
  for (int i = 1; i <= HAND_SLOTS; ++i) {
    const int k = COM_HAND_ROW_BASE - i;
    描画_絵(g, PIC_KARA, COM_HAND_X, i);
    paint::tile(g, COM_HAND_X + 1, i);
    描画_桝輪郭(g, COL_BOARD, COM_HAND_X, i);
    const int count = g.st.com_hand[k];
    if (count > 0) {
      描画_絵(g, SLOT_CODE[k], COM_HAND_X, i);
      描画_桝輪郭(g, COL_BOARD, COM_HAND_X, i);
      draw_count(g, 0.1, i + 0.3, 0, i + 0.2, count);
    }
    // The count column just repainted covers the edge of the board square beside it.
    描画_桝輪郭(g, COL_BOARD, 1, i);
  }
}

void 描画_背景(Game& g, int 背景) {
  for (int q = -3; q <= 28; ++q)
    for (int r = -2; r <= 17; ++r) {
      const bool on_board = q >= 1 && q <= BAN_SIZE && r >= 1 && r <= BAN_SIZE;
      if (!on_board) 描画_絵(g, 背景, q, r);
    }
}

void 描画_駒点滅(Game& g, int 入力_駒, double 入力_X, double 入力_Y, int 入力_点滅回数) {
  constexpr double STEP_SECONDS = 0.2;
  for (int n = 0; n < 入力_点滅回数; ++n) {
    for (int code : {PIC_KARA, 入力_駒}) {
      描画_絵(g, code, 入力_X, 入力_Y);
      描画_桝輪郭(g, COL_BOARD, 入力_X, 入力_Y);
      paint::refresh(g);
      待ち時間(g, STEP_SECONDS);
    }
  }
}

void 画面_再描画(Game& g) {
  描画_背景(g, g.st.background);
  描画_桝_数値(g);
  描画_盤(g);
  描画_IRVU(g);
  描画_所有時間(g, g.st.com_side, g.st.com_total_seconds);
  描画_所有時間(g, g.st.man_side, g.st.man_total_seconds);
  描画_自持盤(g);
  描画_敵持盤(g);
  if (g.st.game_mode == MODE_COM) 描画_レベル(g, g.st.com_level);
  if (g.st.handicap_set == 1) 描画_ハンデレベル(g, g.st.handicap_level);
  描画_絵(g, PIC_ZORVANE, 10.8, 0);
  描画_表示中の文字(g);
  描画_最終手(g);
}

void 描画_将棋盤桝(Game& g) {
  for (int q = 1; q <= BAN_SIZE; ++q)
    for (int r = 1; r <= BAN_SIZE; ++r) 描画_桝輪郭(g, COL_BOARD, q, r);
}

void 描画_棋譜読込み部分消去(Game& g) {
  for (int x = 1; x <= BAN_SIZE; ++x) {
    描画_絵(g, PIC_KARA, x, 10);
    描画_桝輪郭(g, COL_BOARD, x, 9);
  }
}

}  // namespace zv
