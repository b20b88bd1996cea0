// Which moves the side to move has, and which squares a side bears on. The
// answers are those of 移動チェック, 調査_駒成 and 移動後チェック.
#include "engine/search4_position.h"
#include "engine/search4_tables.h"
#include "engine/search4_walk.h"

namespace zv::s4 {

namespace {

inline void add_board_move(MoveList& out, int side, int kind, int from, int to) {
  if (may_promote(side, kind, from, to)) {
    out.add(make_move(from, to, true));
    if (must_promote(side, kind, y_of(to))) return;
  }
  out.add(make_move(from, to, false));
}

inline bool pawn_drop_allowed(const Position& p, int side, int to) {
  return p.pawns[side][x_of(to)] == 0;
}

// The piece standing on the warp partner of `to` belongs to the opponent.
inline bool warp_takes(const Position& p, int to, int them) {
  if (p.warp[to] == 0) return false;
  const int pt = p.partner(to);
  return pt != NO_SQ && own(p.sq[pt], them);
}

}  // namespace

void generate_moves(const Position& p, MoveList& out) {
  out.size = 0;
  const int us = p.side;
  for (int from = 0; from < NSQ; ++from) {
    const int piece = p.sq[from];
    if (!own(piece, us)) continue;
    const int kind = kind_of(piece);
    for_each_target(p, from, us, kind, false,
                    [&](int to) { add_board_move(out, us, kind, from, to); });
  }
  for (int kind = FU; kind <= HI; ++kind) {
    if (p.hand[us][kind] == 0) continue;
    for (int to = 0; to < NSQ; ++to) {
      if (p.sq[to] != 0) continue;
      if (kind == FU && !pawn_drop_allowed(p, us, to)) continue;
      out.add(make_drop(kind, to));
    }
  }
}

void generate_captures(const Position& p, MoveList& out) {
  out.size = 0;
  const int us = p.side, them = 1 - us;
  for (int from = 0; from < NSQ; ++from) {
    const int piece = p.sq[from];
    if (!own(piece, us)) continue;
    const int kind = kind_of(piece);
    for_each_target(p, from, us, kind, false, [&](int to) {
      if (p.sq[to] == 0 && !warp_takes(p, to, them)) return;
      // Only the stronger form: a quiet search does not weigh promotions.
      out.add(make_move(from, to, may_promote(us, kind, from, to)));
    });
  }
  bool any_hand = false;
  for (int kind = FU; kind <= HI; ++kind) any_hand |= p.hand[us][kind] != 0;
  if (!any_hand) return;
  for (int to = 0; to < NSQ; ++to) {
    if (p.sq[to] != 0 || !warp_takes(p, to, them)) continue;
    for (int kind = FU; kind <= HI; ++kind)
      if (p.hand[us][kind] != 0 && (kind != FU || pawn_drop_allowed(p, us, to))) {
        out.add(make_drop(kind, to));
        break;  // one drop is enough to take the piece
      }
  }
}

bool attacked(const Position& p, int s, int by) {
  for (int d = 0; d < 8; ++d) {
    const int back = 7 - d;  // direction from the neighbour toward s
    int t = NEIGHBOURS.to[s][d];
    if (t == NO_SQ) continue;
    int q = p.sq[t];
    if (q != 0) {
      if (side_of(q) == by) {
        const int k = kind_of(q);
        if ((KIND_MOVES.step[by][k] | KIND_MOVES.slide[by][k]) & (1u << back)) return true;
      }
      continue;
    }
    for (t = NEIGHBOURS.to[t][d]; t != NO_SQ; t = NEIGHBOURS.to[t][d]) {
      q = p.sq[t];
      if (q == 0) continue;
      if (side_of(q) == by && (KIND_MOVES.slide[by][kind_of(q)] & (1u << back))) return true;
      break;
    }
  }
  for (int i = 0; i < 2; ++i) {
    const int t = KNIGHT_TARGETS.to[1 - by][s][i];
    if (t != NO_SQ && p.sq[t] == piece_of(by, KE)) return true;
  }
  return false;
}

bool king_capturable(const Position& p, int by) {
  const int k = p.king[1 - by];
  if (k == NO_SQ) return false;
  if (attacked(p, k, by)) return true;
  if (p.warp[k] == 0) return false;
  // A king standing on a warp square is taken by whatever enters its partner.
  for (int w = 0; w < NSQ; ++w) {
    if (w == k || p.warp[w] != p.warp[k] || p.partner(w) != k) continue;
    if (own(p.sq[w], by)) continue;
    if (attacked(p, w, by)) return true;
    if (p.sq[w] != 0) continue;
    for (int kind = FU; kind <= HI; ++kind)
      if (p.hand[by][kind] != 0 && (kind != FU || pawn_drop_allowed(p, by, w))) return true;
  }
  return false;
}

}  // namespace zv::s4
