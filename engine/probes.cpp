// Small measurements of the position that the evaluation adds up.
#include <cstdlib>

#include "engine/eval.h"
#include "model/rules.h"

namespace zv {

int 調査_移動可場所数(const GameState& s, int X, int Y, int 駒) {
  // A target is safe when the other side does not bear on it.
  const Map& enemy = 駒 >= UE_MIN ? s.man_influence : s.com_influence;
  int count = 0;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (移動チェック(s, X, Y, x, y, 駒) == YES && enemy[x][y] == 0) ++count;
  return count;
}

int 調査_周辺状況(const GameState& s, int X, int Y) {
  int result = 0;
  for (int i = X - 1; i <= X + 1; ++i)
    for (int j = Y - 1; j <= Y + 1; ++j)
      if (on_ban(i, j) && (i != X || j != Y) && s.board[i][j] >= UE_KAKU) result -= 1;
  return result;
}

namespace {
bool is_major_attacker(int code) {
  return code >= SITA_RYU && code <= SITA_KAKU;
}
}  // namespace

int 調査_香狙い(const GameState& s, int X, int Y) {
  if (Y <= 6 || !on_ban(X, Y)) return 0;
  if (s.com_influence[X][Y - 1] <= 0 || s.man_influence[X][Y - 1] != 0) return 0;
  if (!is_major_attacker(s.man_cheapest_attacker[X][Y])) return 0;
  for (int y = Y + 1; y <= BAN_SIZE; ++y) {
    if (s.board[X][y] == EMPTY) continue;
    return 移動チェック(s, X, Y, X, y, UE_KYOU) == YES ? std::abs(s.board[X][y]) : 0;
  }
  return 0;
}

int 調査_桂狙い(const GameState& s, int X, int Y) {
  if (!on_ban(X, Y) || !is_major_attacker(s.man_cheapest_attacker[X][Y]) || Y <= 5) return 0;
  int result = 0;
  if (X > 2 && s.board[X - 1][Y - 2] == EMPTY && s.man_influence[X - 1][Y - 2] == 0 &&
      s.board[X - 2][Y] <= SITA_KAKU && s.man_cheapest_attacker_x[X][Y] != X - 2)
    result += std::abs(s.board[X - 2][Y]);
  if (X < 8 && s.board[X + 1][Y - 2] == EMPTY && s.man_influence[X + 1][Y - 2] == 0 &&
      s.board[X + 2][Y] <= SITA_KAKU && s.man_cheapest_attacker_x[X][Y] != X + 2)
    result += std::abs(s.board[X + 2][Y]);
  return result;
}

void 調査_持角狙座標(GameState& s) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      s.man_bishop_drop_threat[x][y] = 0;
      if (s.board[x][y] == EMPTY && s.com_influence[x][y] == 0 &&
          移動チェック(s, x, y, s.com_king_x, s.com_king_y, SITA_KAKU) == YES)
        s.man_bishop_drop_threat[x][y] = 1;
    }
}

int 盤評価_自角注意_COM(const GameState& s, int X, int Y, int q) {
  int tx = 0, ty = 0;
  for (int x = 1; x <= BAN_SIZE && tx == 0; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (s.man_bishop_drop_threat[x][y] == 1 && (移動チェック(s, X, Y, x, y, SITA_KAKU) == YES ||
                                                  移動チェック(s, X, Y, x, y, SITA_UMA) == YES)) {
        tx = x;
        ty = y;
        break;
      }
  if (tx == 0) return 0;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int c = s.board[x][y];
      if ((c == SITA_KAKU || c == SITA_UMA) && 移動チェック(s, x, y, tx, ty, c) == YES) return q;
    }
  if (s.man_hand[SLOT_KAKU] > 0 &&
      移動チェック(s, MAN_HAND_X, SLOT_KAKU + MAN_HAND_ROW_OFFSET, tx, ty, SITA_KAKU) == YES)
    return q;
  return 0;
}

}  // namespace zv
