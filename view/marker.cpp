// The last-move marker: the origin of the move that led to the position on the
// board, the square chosen and, after a warp, the square where the piece landed.
#include "model/moves.h"
#include "view/draw.h"

namespace zv {

namespace {

using Squares = std::array<std::array<int, 2>, 3>;

// Inset from the square's edges, so the marker never meets the selection and
// guidance outlines drawn on the edges. A dark and a light frame together read
// on the wooden squares, on every piece and on every warp colour.
constexpr double OUTER_INSET = 35, INNER_INSET = 65;

Squares last_move_squares(const GameState& s) {
  Squares out{};
  const int k = s.history_index;
  if (k < 1 || k > HISTORY_MAX || k - 1 >= s.history_filled) return out;
  const Grid& before = s.hist_board[k - 1];
  int n = 0;
  for (int x = 1; x <= BAN_SIZE && n == 0; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (before[x][y] != EMPTY && s.board[x][y] == EMPTY) {
        out[n++] = {x, y};
        break;
      }
  const int dx = s.hist_dest_x[k - 1], dy = s.hist_dest_y[k - 1];
  if (dx < 1 || dx > BAN_SIZE || dy < 1 || dy > BAN_SIZE) return out;
  out[n++] = {dx, dy};
  if (s.hist_warp[k - 1][dx][dy] != 0) {
    BoardState then;
    then.warp_map = s.hist_warp[k - 1];
    int px = 0, py = 0;
    if (warp_partner(then, dx, dy, px, py)) out[n++] = {px, py};
  }
  return out;
}

void repaint_square(Game& g, int x, int y) {
  const int piece = g.st.board[x][y];
  const int warp = g.st.warp_map[x][y];
  描画_絵(g, piece != EMPTY ? piece : warp != 0 ? warp : PIC_KARA, x, y);
  描画_桝輪郭(g, COL_BOARD, x, y);
}

void frame(Game& g, int colour, int x, int y, double inset) {
  const double left = X0 + CELL_W * x, top = Y0 + CELL_H * y;
  g.io.canvas->box(colour, left + inset, top + inset, left + CELL_W - inset, top + CELL_H - inset);
}

}  // namespace

void 描画_最終手(Game& g) {
  for (const auto& sq : g.st.marker_drawn)
    if (sq[0] != 0) repaint_square(g, sq[0], sq[1]);
  const Squares now = last_move_squares(g.st);
  for (const auto& sq : now) {
    if (sq[0] == 0) continue;
    frame(g, COL_MARKER_DARK, sq[0], sq[1], OUTER_INSET);
    frame(g, COL_MARKER_LIGHT, sq[0], sq[1], INNER_INSET);
  }
  g.st.marker_drawn = now;
}

}  // namespace zv
