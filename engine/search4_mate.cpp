// A short mate search before the main search: the attacker tries only moves
// that threaten the king, the defender every move that takes the threat away.
// Nothing in this game forbids leaving the king attacked, so "mate" is: every
// reply lets the king be taken.
#include <cstdlib>

#include "engine/search4.h"
#include "engine/search4_order.h"

namespace zv::s4 {

namespace {

// Geometry only: could a piece standing on s be on the king's lines at all?
inline bool on_king_lines(int s, int k) {
  const int dx = std::abs(x_of(s) - x_of(k)), dy = std::abs(y_of(s) - y_of(k));
  return dx == 0 || dy == 0 || dx == dy || (dx == 1 && dy == 2);
}

inline int landing_of(const Position& p, Move m) {
  const int to = move_to(m);
  const int pt = p.warp[to] != 0 ? p.partner(to) : NO_SQ;
  return pt == NO_SQ ? to : pt;
}

}  // namespace

bool Searcher::mate_attack(int depth, int ply) {
  ++nodes_;
  if (out_of_budget()) return false;
  const int attacker = pos_.side, defender = 1 - attacker;
  if (king_capturable(pos_, attacker)) return true;
  if (depth == 0 || ply + 2 > MAX_PLY) return false;
  const int k = pos_.king[defender];
  Frame& f = frames_[ply];
  generate_moves(pos_, f.moves);
  for (int i = 0; i < f.moves.size; ++i) {
    const Move m = f.moves.moves[i];
    // A drop threatens the king only from where it lands.
    if (move_is_drop(m) && !piece_reaches(pos_, attacker, drop_kind(m), landing_of(pos_, m), k))
      continue;
    if (dominated(pos_, m)) continue;
    pos_.make(m, undo_[ply]);
    bool mate = false;
    if (pos_.winner == attacker) {
      mate = true;
    } else if (pos_.winner == -1 && king_capturable(pos_, attacker) &&
               !king_capturable(pos_, defender)) {
      mate = mate_defend(depth, ply + 1);
    }
    pos_.unmake(undo_[ply]);
    if (aborted_) return false;
    if (mate) {
      if (ply == 0) mate_move_ = m;
      return true;
    }
  }
  return false;
}

bool Searcher::mate_defend(int depth, int ply) {
  ++nodes_;
  if (out_of_budget()) return false;
  const int defender = pos_.side, attacker = 1 - defender;
  const int k = pos_.king[defender];
  Frame& f = frames_[ply];
  generate_moves(pos_, f.moves);
  for (int i = 0; i < f.moves.size; ++i) {
    const Move m = f.moves.moves[i];
    // A drop takes nothing: it can only stand in a line between king and attacker.
    if (move_is_drop(m) && !on_king_lines(landing_of(pos_, m), k)) continue;
    pos_.make(m, undo_[ply]);
    bool escapes;
    if (pos_.winner != -1) {
      escapes = pos_.winner == defender;
    } else if (king_capturable(pos_, attacker)) {
      escapes = false;
    } else {
      escapes = !mate_attack(depth - 1, ply + 1);
    }
    pos_.unmake(undo_[ply]);
    if (aborted_) return false;
    if (escapes) return false;
  }
  return true;
}

Move Searcher::find_mate(int max_moves, int* moves_out) {
  mate_move_ = 0;
  for (int n = 1; n <= max_moves; ++n) {
    if (mate_attack(n, 0)) {
      if (moves_out != nullptr) *moves_out = n;
      return mate_move_;
    }
    if (aborted_) break;
  }
  return 0;
}

Move Searcher::mate_search(const Position& root, int max_moves, std::int64_t nodes,
                           int* moves_out) {
  pos_ = root;
  nodes_ = 0;
  node_budget_ = nodes;
  deadline_ = 0;
  stop_ = nullptr;
  aborted_ = false;
  return find_mate(max_moves, moves_out);
}

}  // namespace zv::s4
