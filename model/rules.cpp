#include "model/rules.h"

#include <cstdlib>

#include "model/pieces.h"

namespace zv {

namespace {

// dy of one step forward for the side owning `code`.
inline int forward(int code) {
  return code > 0 ? 1 : -1;
}

// Every square strictly between rows y1 and y2 of column x is empty.
bool column_clear(const BoardState& s, int x, int y1, int y2) {
  const int step = y2 > y1 ? 1 : -1;
  for (int y = y1 + step; y != y2; y += step)
    if (s.board[x][y] != EMPTY) return false;
  return true;
}

int lance(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y, int code) {
  const int dx = 先X - 元X, dy = 先Y - 元Y;
  if (dx != 0 || dy * forward(code) <= 0) return NO;
  return column_clear(s, 先X, 元Y, 先Y) ? YES : NO;
}

int knight(int dx, int dy, int code) {
  return (dy == 2 * forward(code) && std::abs(dx) == 1) ? YES : NO;
}

int silver(int dx, int dy, int code) {
  const int f = forward(code);
  if (std::abs(dx) > 1) return NO;
  return (dy == f || (dy == -f && dx != 0)) ? YES : NO;
}

int gold(int dx, int dy, int code) {
  const int f = forward(code);
  if (std::abs(dx) <= 1 && (dy == 0 || dy == f)) return YES;
  return (dy == -f && dx == 0) ? YES : NO;
}

inline bool one_step(int dx, int dy) {
  return std::abs(dx) <= 1 && std::abs(dy) <= 1;
}

}  // namespace

bool pawn_in_column(const BoardState& s, int x, int pawn) {
  if (x < 1 || x > BAN_SIZE) return false;
  for (int y = 1; y <= BAN_SIZE; ++y)
    if (s.board[x][y] == pawn) return true;
  return false;
}

int 移動チェック(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒) {
  if (!on_board(先X, 先Y)) return NO;
  if (元X == 先X && 元Y == 先Y) return NO;
  const int target = s.board[先X][先Y];
  if (元駒 >= UE_MIN && target >= UE_MIN) return NO;
  if (元駒 < UE_MIN && target <= SITA_MAX) return NO;

  const bool drop = 元X == MAN_HAND_X || 元X == COM_HAND_X;
  if (drop) {
    if (target != EMPTY) return NO;
    if (元駒 == SITA_HU && pawn_in_column(s, 先X, SITA_HU)) return NO;
    if (元駒 == UE_HU && pawn_in_column(s, 先X, UE_HU)) return NO;
    const int a = std::abs(元駒);
    if (a != UE_HU && a != UE_KYOU && a != UE_KEI) return YES;
  }

  // A board move whose origin is off the board (only drops come from there).
  if (!drop && !on_board(元X, 元Y)) return NO;

  const int dx = 先X - 元X, dy = 先Y - 元Y;
  switch (元駒) {
    case UE_HU:
      if (元X == COM_HAND_X) return YES;
      return (dx == 0 && dy == 1) ? YES : NO;
    case SITA_HU:
      if (元X == MAN_HAND_X) return YES;
      return (dx == 0 && dy == -1) ? YES : NO;
    case UE_KYOU:
      if (元X == COM_HAND_X) return YES;
      return lance(s, 元X, 元Y, 先X, 先Y, 元駒);
    case SITA_KYOU:
      if (元X == MAN_HAND_X) return YES;
      return lance(s, 元X, 元Y, 先X, 先Y, 元駒);
    case UE_KEI:
      if (元X == COM_HAND_X) return YES;
      return knight(dx, dy, 元駒);
    case SITA_KEI:
      if (元X == MAN_HAND_X) return YES;
      return knight(dx, dy, 元駒);
    case UE_GIN:
    case SITA_GIN:
      return silver(dx, dy, 元駒);
    case UE_KIN:
    case SITA_KIN:
    case UE_TO:
    case SITA_TO:
    case UE_NARIKYOU:
    case SITA_NARIKYOU:
    case UE_NARIKEI:
    case SITA_NARIKEI:
    case UE_NARIGIN:
    case SITA_NARIGIN:
      return gold(dx, dy, 元駒);
    case UE_KAKU:
    case SITA_KAKU:
      return 移動チェック角(s, 元X, 元Y, 先X, 先Y);
    case UE_UMA:
    case SITA_UMA:
      return one_step(dx, dy) ? YES : 移動チェック角(s, 元X, 元Y, 先X, 先Y);
    case UE_SYA:
    case SITA_SYA:
      return 移動チェック飛車(s, 元X, 元Y, 先X, 先Y);
    case UE_RYU:
    case SITA_RYU:
      return one_step(dx, dy) ? YES : 移動チェック飛車(s, 元X, 元Y, 先X, 先Y);
    case UE_OU:
    case SITA_OU:
      return one_step(dx, dy) ? YES : NO;
    default:
      return NO;  // no such piece moves
  }
}

int 移動チェック飛車(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y) {
  const int dx = 先X - 元X, dy = 先Y - 元Y;
  if (dx != 0 && dy != 0) return NO;
  if (dy != 0 && !column_clear(s, 先X, 元Y, 先Y)) return NO;
  if (dx != 0) {
    const int step = 先X > 元X ? 1 : -1;
    for (int x = 元X + step; x != 先X; x += step)
      if (s.board[x][先Y] != EMPTY) return NO;
  }
  return YES;
}

int 移動チェック角(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y) {
  if (元X - 元Y != 先X - 先Y && 元X + 元Y != 先X + 先Y) return NO;
  const int sx = 先X > 元X ? 1 : -1, sy = 先Y > 元Y ? 1 : -1;
  for (int x = 元X + sx, y = 元Y + sy; x != 先X; x += sx, y += sy)
    if (s.board[x][y] != EMPTY) return NO;
  return YES;
}

int 移動後チェック(int 移動先Y, int 移動駒) {
  switch (移動駒) {
    case UE_HU:
    case UE_KYOU:
      return 移動先Y == BAN_SIZE ? NO : YES;
    case UE_KEI:
      return 移動先Y > BAN_SIZE - 2 ? NO : YES;
    case SITA_HU:
    case SITA_KYOU:
      return 移動先Y == 1 ? NO : YES;
    case SITA_KEI:
      return 移動先Y < 3 ? NO : YES;
    default:
      return YES;
  }
}

}  // namespace zv
