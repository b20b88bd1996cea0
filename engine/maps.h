// Influence maps filled by the survey, and what the survey finds out with them.
#pragma once
#include <array>

namespace zv {

using Map = std::array<std::array<int, 10>, 10>;

struct EngineMaps {
  Map man_influence{}, com_influence{};
  Map man_cheapest_attacker{}, man_cheapest_attacker_x{};
  Map com_cheapest_attacker_x{}, com_cheapest_attacker_y{};
  Map man_check_map{}, com_check_map{};
  Map man_pinned{};
  int com_pin_flag = 0;
};

}  // namespace zv
