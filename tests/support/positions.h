// Small helpers to set up positions in tests.
#pragma once
#include "model/setup.h"
#include "model/state.h"

namespace zv::test {

inline void clear_board(BoardState& s) {
  for (auto& col : s.board) col.fill(0);
  for (auto& col : s.warp_map) col.fill(0);
  s.man_hand.fill(0);
  s.com_hand.fill(0);
  s.man_hand_total = s.com_hand_total = 0;
}

// Board from nine strings, row 1 first; each row lists columns 1..9 as
// two-character tokens: ".." empty, lower case = lower side (negative), upper
// case = upper side: P pawn, L lance, N knight, S silver, G gold, B bishop,
// R rook, K king; a trailing '+' marks a promoted piece ("P+" = 11).
inline int code_of(char c, char plus) {
  int v = 0;
  switch (c | 0x20) {
    case 'p':
      v = UE_HU;
      break;
    case 'l':
      v = UE_KYOU;
      break;
    case 'n':
      v = UE_KEI;
      break;
    case 's':
      v = UE_GIN;
      break;
    case 'g':
      v = UE_KIN;
      break;
    case 'b':
      v = UE_KAKU;
      break;
    case 'r':
      v = UE_SYA;
      break;
    case 'k':
      v = UE_OU;
      break;
    default:
      return 0;
  }
  if (plus == '+') v += PROMOTE;
  return (c >= 'a' && c <= 'z') ? -v : v;
}

inline void set_rows(BoardState& s, const char* const rows[9]) {
  for (int y = 1; y <= 9; ++y)
    for (int x = 1; x <= 9; ++x) {
      const char* t = rows[y - 1] + 2 * (x - 1);
      s.board[x][y] = code_of(t[0], t[1]);
    }
}

}  // namespace zv::test
