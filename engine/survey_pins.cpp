// Pinned pieces: which human pieces may not leave their square because a
// computer line piece would then reach the human king, and whether any
// computer piece is held the same way.
#include "engine/survey.h"
#include "model/rules.h"

namespace zv {

namespace {

bool com_line_piece(int q) {
  return q == UE_KYOU || q == UE_KAKU || q == UE_UMA || q == UE_SYA || q == UE_RYU;
}
bool man_line_piece(int q) {
  return q == SITA_KYOU || q == SITA_KAKU || q == SITA_UMA || q == SITA_SYA || q == SITA_RYU;
}

// Some line piece accepted by `is_pinner` reaches (kx, ky) on the board as it stands.
template <class Pred>
bool line_reaches(const GameState& s, int kx, int ky, Pred is_pinner) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int q = s.board[x][y];
      if (is_pinner(q) && 移動チェック(s, x, y, kx, ky, q) == YES) return true;
    }
  return false;
}

}  // namespace

void 調査_移動不可駒(GameState& s) {
  s.com_pin_flag = 0;
  for (int X = 1; X <= BAN_SIZE; ++X) {
    for (int Y = 1; Y <= BAN_SIZE; ++Y) {
      s.man_pinned[X][Y] = 0;
      const int p = s.board[X][Y];
      if (p == EMPTY) continue;
      // Whether the line runs through (X, Y) is not asked: only whether the king
      // is reached once the square is empty.
      s.board[X][Y] = EMPTY;
      if (p <= SITA_MAX) {
        if (line_reaches(s, s.man_king_x, s.man_king_y, com_line_piece)) s.man_pinned[X][Y] = 1;
      } else if (p >= UE_MIN) {
        if (line_reaches(s, s.com_king_x, s.com_king_y, man_line_piece)) s.com_pin_flag = 1;
      }
      s.board[X][Y] = p;
    }
  }
}

}  // namespace zv
