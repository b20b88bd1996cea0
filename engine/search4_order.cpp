#include "engine/search4_order.h"

#include <cstdlib>

#include "engine/search4_eval.h"
#include "engine/search4_walk.h"

namespace zv::s4 {

namespace {

inline int moving_kind(const Position& p, Move m) {
  return move_is_drop(m) ? drop_kind(m) : kind_of(p.sq[move_from(m)]);
}

inline int landing(const Position& p, Move m) {
  const int to = move_to(m);
  const int pt = p.warp[to] != 0 ? p.partner(to) : NO_SQ;
  return pt == NO_SQ ? to : pt;
}

inline int swing(int piece) {
  const int k = kind_of(piece);
  return k == OU ? 10 * board_value(RY) : board_value(k) + hand_value(base_kind(k));
}

inline int sign(int v) {
  return (v > 0) - (v < 0);
}

}  // namespace

bool dominated(const Position& p, Move m) {
  if (move_is_drop(m) || move_promotes(m)) return false;
  const int kind = kind_of(p.sq[move_from(m)]);
  return (kind == FU || kind == KA || kind == HI) &&
         may_promote(p.side, kind, move_from(m), move_to(m));
}

int capture_gain(const Position& p, Move m) {
  const int us = p.side;
  const int to = move_to(m);
  int gain = 0;
  if (p.sq[to] != 0) gain += swing(p.sq[to]);
  const int land = landing(p, m);
  if (land != to && p.sq[land] != 0 && land != move_from(m))
    gain += own(p.sq[land], us) ? -swing(p.sq[land]) : swing(p.sq[land]);
  if (move_promotes(m)) {
    const int k = moving_kind(p, m);
    gain += board_value(promoted_kind(k)) - board_value(k);
  }
  return gain;
}

int order_score(const Position& p, Move m) {
  const int us = p.side;
  const int to = move_to(m), land = landing(p, m);
  if (land != to && land != move_from(m) && own(p.sq[land], us))
    return ORDER_SELF_CAPTURE - board_value(kind_of(p.sq[land]));
  const bool takes = p.sq[to] != 0 || (land != to && p.sq[land] != 0 && land != move_from(m));
  const int gain = capture_gain(p, m);
  if (takes) return ORDER_CAPTURE + gain * 8 - board_value(moving_kind(p, m)) / 8;
  if (move_promotes(m)) return ORDER_PROMOTION + gain;
  if (direct_check(p, m)) return ORDER_CHECK;
  return 0;
}

bool piece_reaches(const Position& p, int side, int kind, int from, int target) {
  const int dx = x_of(target) - x_of(from), dy = y_of(target) - y_of(from);
  if (dx == 0 && dy == 0) return false;
  if (kind == KE) return dy == 2 * forward_dy(side) && std::abs(dx) == 1;
  const std::uint8_t step = KIND_MOVES.step[side][kind], slide = KIND_MOVES.slide[side][kind];
  if (std::abs(dx) <= 1 && std::abs(dy) <= 1)
    return ((step | slide) & (1u << dir_index(dx, dy))) != 0;
  if (!slide || (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy))) return false;
  const int d = dir_index(sign(dx), sign(dy));
  if (!(slide & (1u << d))) return false;
  for (int t = NEIGHBOURS.to[from][d]; t != target; t = NEIGHBOURS.to[t][d])
    if (p.sq[t] != 0 && t != from) return false;
  return true;
}

bool direct_check(const Position& p, Move m) {
  const int us = p.side;
  const int k = p.king[1 - us];
  if (k == NO_SQ) return false;
  int kind = moving_kind(p, m);
  if (move_promotes(m)) kind = promoted_kind(kind);
  return piece_reaches(p, us, kind, landing(p, m), k);
}

}  // namespace zv::s4
