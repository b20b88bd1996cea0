// Scratch of the computer's turn: snapshots and "before" copies of the maps.
#pragma once
#include "model/maps.h"

namespace zv {

// The move the computer settled on (or none, when it has no allowed move).
struct ComMove {
  bool found = false;
  int sx = 0, sy = 0;  // source square, or (-1, hand slot) for a drop
  int dx = 0, dy = 0;  // destination
  int result = 0;      // code standing on the destination after the move
  int source = 0;      // code of the moving piece before the move
  double score = 0;
};

struct SearchState {
  Map board_backup{};
  Map man_influence_before{}, com_influence_before{};
  Map com_cheapest_attacker_x_before{}, com_cheapest_attacker_y_before{};
  Map man_bishop_drop_threat{};
  int mover_distance = 0;
  int king_escape_result = 0;
  int com_hand_total_at_start = 0;
  double best_score = 0;
  // Code of the trial move's piece before it moved (the drop piece for drops).
  int trial_source_piece = 0;
  // Trial moves tried in the last search (board moves and drops), for the bench.
  long trial_moves = 0;
  long evaluations = 0;  // 盤評価 calls in the last search
};

}  // namespace zv
