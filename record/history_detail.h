// Helpers shared by the procedures that move along the history.
#pragma once
#include "model/game.h"

namespace zv::detail {

// The newest entry that holds a position of the game on the board.
int last_replayable(const GameState& s);

// Copies entry k's board, hands and warp map into the game, recounts the hand
// totals and finds the kings.
void restore_entry(GameState& s, int k);

// The code on `after` of the first square (columns outer, rows inner) that
// differs from `before` and is not empty there; 0 when none.
int moved_piece(const Grid& before, const Grid& after);

// Puts entry k on the board with the clock totals reached there (those before
// the next move) and draws the clocks, hands, board and warp squares.
void show_entry(Game& g, int k);

}  // namespace zv::detail
