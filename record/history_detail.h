// Helpers shared by the procedures that move along the history.
#pragma once
#include <string_view>

#include "model/game.h"
#include "record/kifu_format.h"

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

// The record of entries 1..count with its three header lines.
KifuRecord game_record(const GameState& s, int count, std::string_view title,
                       std::string_view sente_name, std::string_view gote_name);

}  // namespace zv::detail
