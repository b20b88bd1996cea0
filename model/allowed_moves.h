// The one loop over the squares a piece may reach, shared by the computer's
// search, the move guidance, the tests and the benchmarks.
#pragma once
#include "model/rules.h"

namespace zv {

// Calls visit(x2, y2) for every square that `piece` on (x, y) (or in hand: x is
// a hand column) may move or drop to, columns outer, as the rules allow it.
// Stops as soon as visit returns true, and then returns true.
template <class Visit>
bool for_each_destination(const BoardState& s, int x, int y, int piece, Visit&& visit) {
  for (int x2 = 1; x2 <= BAN_SIZE; ++x2)
    for (int y2 = 1; y2 <= BAN_SIZE; ++y2)
      if (移動チェック(s, x, y, x2, y2, piece) == YES && visit(x2, y2)) return true;
  return false;
}

// Calls visit(fx, fy, x2, y2, piece) for every move and drop the rules allow
// the side of `upper` (the positive codes when true): board pieces columns
// outer, then the hand slots in order. Stops as soon as visit returns true,
// and then returns true.
template <class Visit>
bool for_each_allowed_move(const BoardState& s, bool upper, Visit&& visit) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int c = s.board[x][y];
      if (c == EMPTY || (c > 0) != upper) continue;
      if (for_each_destination(s, x, y, c, [&](int x2, int y2) { return visit(x, y, x2, y2, c); }))
        return true;
    }
  const Hand& hand = upper ? s.com_hand : s.man_hand;
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    if (hand[k] <= 0) continue;
    const int code = upper ? SLOT_CODE[k] : -SLOT_CODE[k];
    const int fx = upper ? COM_HAND_X : MAN_HAND_X;
    const int fy = upper ? k : k + MAN_HAND_ROW_OFFSET;
    if (for_each_destination(s, fx, fy, code,
                             [&](int x2, int y2) { return visit(fx, fy, x2, y2, code); }))
      return true;
  }
  return false;
}

}  // namespace zv
