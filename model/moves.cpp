#include "model/moves.h"

#include <cstdlib>

#include "model/pieces.h"

namespace zv {

void leave_origin(BoardState& s, int 元X, int 元Y) {
  if (元X == COM_HAND_X) {
    s.com_hand[元Y] -= 1;
  } else if (元X == MAN_HAND_X) {
    s.man_hand[元Y - MAN_HAND_ROW_OFFSET] -= 1;
  } else {
    s.board[元X][元Y] = EMPTY;
  }
}

bool warp_partner(const BoardState& s, int x, int y, int& px, int& py) {
  const int k = s.warp_map[x][y];
  for (int i = 1; i <= BAN_SIZE; ++i)
    for (int j = 1; j <= BAN_SIZE; ++j)
      if ((i != x || j != y) && s.warp_map[i][j] == k) {
        px = i;
        py = j;
        return true;
      }
  return false;
}

void 駒取得(BoardState& s, int 取得駒) {
  if (取得駒 == UE_OU) {
    s.winner = s.man_side;
    return;
  }
  if (取得駒 == SITA_OU) {
    s.winner = s.com_side;
    return;
  }
  const int slot = hand_slot_of(取得駒);
  if (slot == 0) return;
  if (取得駒 > 0)
    s.man_hand[slot] += 1;
  else
    s.com_hand[slot] += 1;
}

void 駒移動_仮(BoardState& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  const int c = s.board[移動先X][移動先Y];
  if (c <= SITA_MAX || c >= UE_MIN) {
    // A trial move is taken back; a king taken on the way must not end the game.
    const int winner = s.winner;
    駒取得(s, c);
    s.winner = winner;
  }
  s.board[移動先X][移動先Y] = 移動駒;
  leave_origin(s, 移動元X, 移動元Y);
}

void 駒移動_IRVU_仮(BoardState& s, int 移動先X, int 移動先Y, int 移動駒) {
  int px = 0, py = 0;
  if (!warp_partner(s, 移動先X, 移動先Y, px, py)) return;
  駒移動_仮(s, 移動先X, 移動先Y, px, py, 移動駒);
}

int 調査_駒成(BoardState& s, int 移動元X, int 移動元Y, int /*移動先X*/, int 移動先Y, int 移動駒) {
  if (移動元X == COM_HAND_X || 移動元X == MAN_HAND_X) return NO;
  switch (移動駒) {
    case SITA_HU:
    case SITA_KYOU:
    case SITA_KEI:
      if (移動先Y > 3) return NO;
      break;
    case SITA_GIN:
    case SITA_KAKU:
    case SITA_SYA:
      if (移動先Y > 3 && 移動元Y > 3) return NO;
      break;
    case UE_HU:
    case UE_KYOU:
    case UE_KEI:
      if (移動先Y < 7) return NO;
      break;
    case UE_GIN:
    case UE_KAKU:
    case UE_SYA:
      if (移動先Y < 7 && 移動元Y < 7) return NO;
      break;
    default:
      return NO;
  }
  s.promoted_code = 移動駒 < 0 ? 移動駒 - PROMOTE : 移動駒 + PROMOTE;
  return YES;
}

void 調査_移動結果(const GameState& s, int n, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類) {
  if (n < 1 || n > HISTORY_MAX) return;
  const Grid& before = s.hist_board[n - 1];
  const Grid& after = s.hist_board[n];
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (before[x][y] != after[x][y] && after[x][y] != EMPTY) {
        O_移動先X = x;
        O_移動先Y = y;
        O_移動駒種類 = after[x][y];
        return;
      }
}

}  // namespace zv
