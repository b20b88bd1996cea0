// How a piece walks the board: every square it may move to or guards.
#pragma once
#include "engine/search4_position.h"
#include "engine/search4_tables.h"

namespace zv::s4 {

inline bool own(int piece, int side) {
  return piece != 0 && side_of(piece) == side;
}

// A pawn or lance on the last row, or a knight on the last two, could never
// move again: such a move must promote.
inline bool must_promote(int side, int kind, int to_y) {
  const int rows_left = side == UPPER ? BAN_SIZE - to_y : to_y - 1;
  if (kind == FU || kind == KY) return rows_left == 0;
  if (kind == KE) return rows_left <= 1;
  return false;
}

inline bool may_promote(int side, int kind, int from, int to) {
  switch (kind) {
    case FU:
    case KY:
    case KE:
      return in_zone(side, y_of(to));
    case GI:
    case KA:
    case HI:
      return in_zone(side, y_of(to)) || in_zone(side, y_of(from));
    default:
      return false;
  }
}

// Calls f(to) for every square the piece on `from` may move to (empty, enemy,
// or, with own_too, own pieces as well: what it guards).
template <typename F>
inline void for_each_target(const Position& p, int from, int side, int kind, bool own_too, F&& f) {
  const std::uint8_t step = KIND_MOVES.step[side][kind];
  for (int d = 0; d < 8; ++d) {
    if (!(step & (1u << d))) continue;
    const int t = NEIGHBOURS.to[from][d];
    if (t != NO_SQ && (own_too || !own(p.sq[t], side))) f(t);
  }
  if (kind == KE)
    for (int i = 0; i < 2; ++i) {
      const int t = KNIGHT_TARGETS.to[side][from][i];
      if (t != NO_SQ && (own_too || !own(p.sq[t], side))) f(t);
    }
  const std::uint8_t slide = KIND_MOVES.slide[side][kind];
  if (!slide) return;
  for (int d = 0; d < 8; ++d) {
    if (!(slide & (1u << d))) continue;
    for (int t = NEIGHBOURS.to[from][d]; t != NO_SQ; t = NEIGHBOURS.to[t][d]) {
      if (own(p.sq[t], side)) {
        if (own_too) f(t);
        break;
      }
      f(t);
      if (p.sq[t] != 0) break;
    }
  }
}

}  // namespace zv::s4
