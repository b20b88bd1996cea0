// Scratch of the computer's turn: snapshots and "before" copies of the maps.
#pragma once
#include "engine/maps.h"

namespace zv {

struct SearchState {
  Map board_backup{};
  Map man_influence_before{}, com_influence_before{};
  Map com_cheapest_attacker_x_before{}, com_cheapest_attacker_y_before{};
  Map man_bishop_drop_threat{};
  int mover_distance = 0;
  int king_escape_result = 0;
  int com_hand_total_at_start = 0;
  double best_score = 0;
};

}  // namespace zv
