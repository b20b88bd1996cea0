// Positions for the evaluation and search tests: pieces placed on an empty
// board, prepared as the computer's turn prepares them, trial moves evaluated
// as the search evaluates them.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/engine.h"
#include "engine/eval.h"
#include "model/moves.h"
#include "model/rules.h"
#include "model/setup.h"
#include "support/fakes.h"

namespace zv::test {

struct EvalBoard {
  TestGame t;
  GameState& s = t.s();

  explicit EvalBoard(int level = 3) {
    s.com_level = level;
    s.man_side = GOTE;
    s.com_side = SENTE;
    s.turn = SENTE;
    s.game_mode = MODE_COM;
  }
  EvalBoard& put(int x, int y, int code) {
    s.board[x][y] = code;
    return *this;
  }
  EvalBoard& com_hand(int slot, int n) {
    s.com_hand[slot] = n;
    return *this;
  }
  EvalBoard& man_hand(int slot, int n) {
    s.man_hand[slot] = n;
    return *this;
  }

  // What the computer's turn does before its search: survey, bishop-drop
  // squares, pins, and the "before" copies of the maps.
  GameState& prepare() {
    recount_hand_totals(s);
    prepare_search(s);
    return s;
  }

  // A trial board move (or a drop with sx = -1 and sy = hand slot) on the
  // prepared position, promoted to `result` when it differs from the piece,
  // surveyed and scored. The board stays as the move left it.
  double trial(int sx, int sy, int dx, int dy, int result = 0) {
    const bool drop = sx == COM_HAND_X;
    const int piece = drop ? SLOT_CODE[sy] : s.board[sx][sy];
    s.trial_source_piece = piece;
    if (!drop)
      s.mover_distance = std::max(std::abs(sx - s.man_king_x), std::abs(sy - s.man_king_y));
    const int captured = s.board[dx][dy];
    駒移動_仮(s, sx, sy, dx, dy, piece);
    if (result == 0) result = piece;
    s.board[dx][dy] = result;
    勢力調査(s);
    return 盤評価(s, captured, result, sx, sy, dx, dy);
  }
};

}  // namespace zv::test
