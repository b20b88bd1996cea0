// Influence maps and search scratch owned by the computer player.
#pragma once
#include <array>

namespace zv {

using Map = std::array<std::array<int, 10>, 10>;

struct EngineMaps {
  Map man_influence{}, com_influence{};
  Map com_cheapest_attacker_x{}, com_cheapest_attacker_y{};
  Map man_influence_before{}, com_influence_before{};
  Map com_cheapest_attacker_x_before{}, com_cheapest_attacker_y_before{};
  Map man_cheapest_attacker{}, man_cheapest_attacker_x{};
  Map man_check_map{}, com_check_map{};
  Map man_bishop_drop_threat{};
  Map man_pinned{};
  int com_pin_flag = 0;
  Map board_backup{};
  int mover_distance = 0;
  int king_escape_result = 0;
  int com_hand_total_at_start = 0;
  double best_score = 0;
};

}  // namespace zv
