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

}  // namespace zv
