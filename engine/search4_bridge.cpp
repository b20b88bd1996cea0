// The searching player seen from the game: its move in the game's codes and
// addressing.
#include "engine/search4.h"

namespace zv::s4 {

ComMove to_com_move(const Position& p, Move m) {
  ComMove c;
  if (m == 0) return c;
  c.found = true;
  const int us = p.side;
  const int to = move_to(m);
  c.dx = x_of(to);
  c.dy = y_of(to);
  int piece;
  if (move_is_drop(m)) {
    const int slot = drop_kind(m);
    piece = piece_of(us, slot);
    c.sx = us == UPPER ? COM_HAND_X : MAN_HAND_X;
    c.sy = us == UPPER ? slot : slot + MAN_HAND_ROW_OFFSET;
  } else {
    piece = p.sq[move_from(m)];
    c.sx = x_of(move_from(m));
    c.sy = y_of(move_from(m));
  }
  c.source = game_code(piece);
  c.result = game_code(move_promotes(m) ? piece_of(us, promoted_kind(kind_of(piece))) : piece);
  return c;
}

ComMove search4_move(Searcher& searcher, const BoardState& s, int side_code, const Limits& limits,
                     const std::atomic<bool>* stop, Result* detail) {
  const Position p = from_board(s, side_code);
  const Result r = searcher.search(p, limits, stop);
  if (detail != nullptr) *detail = r;
  ComMove c = to_com_move(p, r.move);
  c.score = r.score;
  return c;
}

}  // namespace zv::s4
