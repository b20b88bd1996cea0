// Influence maps filled by the survey, and what the survey finds out with them.
// Every map is indexed [column X][row Y], 1..9 like the board; index 0 is unused.
#pragma once
#include <array>

namespace zv {

using Map = std::array<std::array<int, 10>, 10>;

// "No entry yet" marks of the trackers: every real code beats them.
inline constexpr int NO_MIN = 999;    // man_guard_min, com_cheapest_guard, com_cheapest_attacker
inline constexpr int NO_MAX = -999;   // man_cheapest_attacker
inline constexpr int CHECKER = 9;     // check maps: a piece giving check (and a knight's target)
inline constexpr int CHECK_PATH = 1;  // check maps: a square between a line checker and the king

struct EngineMaps {
  // How many pieces of each side bear on each square.
  Map man_influence{}, com_influence{};

  // On a human piece: the lowest human code bearing on it (999 = none). No square.
  Map man_guard_min{};
  // On a computer piece: how many human pieces bear on it, the highest (cheapest)
  // of their codes (-999 = none) and where that attacker stands.
  Map man_attack_count{};
  Map man_cheapest_attacker{}, man_cheapest_attacker_x{}, man_cheapest_attacker_y{};

  // On a computer piece: the lowest computer code bearing on it (999 = none).
  // The square is written only by the pieces that record it and is never cleared.
  Map com_cheapest_guard{}, com_cheapest_guard_x{}, com_cheapest_guard_y{};
  // On a human piece: the lowest computer code bearing on it (999 = none); the
  // square, like the guard's, is never cleared.
  Map com_cheapest_attacker{}, com_cheapest_attacker_x{}, com_cheapest_attacker_y{};

  // Checks on the human king (by computer pieces) and on the computer king (by
  // human pieces): CHECKER on each checking piece, CHECK_PATH between a line
  // checker and the king, 0 elsewhere.
  Map man_check_map{}, com_check_map{};

  // Pinned pieces (調査_移動不可駒): 1 on a human piece whose removal lets a
  // computer line piece reach the human king; com_pin_flag is 1 when some
  // computer piece is held the same way.
  Map man_pinned{};
  int com_pin_flag = 0;
};

}  // namespace zv
