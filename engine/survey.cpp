// The influence survey: which squares each side's pieces bear on, the cheapest
// guards and attackers, the checks on either king and the kings' squares,
// recomputed from the board alone.
#include "engine/survey.h"

#include "engine/engine.h"
#include "engine/survey_rules.h"

namespace zv {

namespace {

using survey::on_board;

struct Step {
  int dx, dy;
};

constexpr Step kManPawn[] = {{0, -1}};
constexpr Step kManSilver[] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Step kComSilver[] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Step kKing[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
constexpr Step kOrthogonal[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};  // the horse's extra steps
constexpr Step kDiagonal[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};  // the dragon's extra steps

void clear(Map& m, int v) {
  for (auto& column : m) column.fill(v);
}

// A human stepping piece: rule H, and a check mark when it reaches the computer king.
template <size_t N>
void man_steps(GameState& s, int c, int X, int Y, const Step (&steps)[N]) {
  for (const Step& d : steps) {
    const int x = X + d.dx, y = Y + d.dy;
    if (on_board(x, y)) survey::mark_step_check_on_com(s, survey::touch_h(s, c, X, Y, x, y), X, Y);
  }
}

void man_knight(GameState& s, int X, int Y) {
  for (const int dx : {-1, 1}) {
    const int x = X + dx, y = Y - 2;
    if (!on_board(x, y)) continue;
    if (survey::touch_h(s, SITA_KEI, X, Y, x, y) == UE_OU) {
      s.com_check_map[X][Y] = CHECKER;
      s.com_check_map[x][y] = CHECKER;
    }
  }
}

void man_king(GameState& s, int X, int Y) {
  s.man_king_x = X;
  s.man_king_y = Y;
  for (const Step& d : kKing) {
    const int x = X + d.dx, y = Y + d.dy;
    if (on_board(x, y)) survey::touch_h(s, SITA_OU, X, Y, x, y);  // a king never gives check
  }
}

void rook_lines(GameState& s, int c, int X, int Y) {
  勢力確定下直進(s, c, X, Y);
  勢力確定上直進(s, c, X, Y);
  勢力確定右直進(s, c, X, Y);
  勢力確定左直進(s, c, X, Y);
}

void com_pawn(GameState& s, int X, int Y) {
  if (Y < BAN_SIZE)
    survey::mark_step_check_on_man(s, survey::touch_c_codes(s, UE_HU, X, Y + 1), X, Y);
}

void com_knight(GameState& s, int X, int Y) {
  for (const int dx : {-1, 1}) {
    const int x = X + dx, y = Y + 2;
    if (!on_board(x, y)) continue;
    if (survey::touch_c_guard(s, UE_KEI, X, Y, x, y) == SITA_OU) {
      s.man_check_map[X][Y] = CHECKER;
      s.man_check_map[x][y] = CHECKER;
    }
  }
}

void com_silver(GameState& s, int X, int Y) {
  for (const Step& d : kComSilver) {
    const int x = X + d.dx, y = Y + d.dy;
    if (on_board(x, y))
      survey::mark_step_check_on_man(s, survey::touch_c_guard(s, UE_GIN, X, Y, x, y), X, Y);
  }
}

void com_horse(GameState& s, int X, int Y) {
  for (const Step& d : kOrthogonal) {
    const int x = X + d.dx, y = Y + d.dy;
    if (on_board(x, y)) survey::mark_step_check_on_man(s, survey::touch_c_count(s, x, y), X, Y);
  }
  勢力確定敵角(s, UE_UMA, X, Y);
}

void com_dragon(GameState& s, int X, int Y) {
  rook_lines(s, UE_RYU, X, Y);
  for (const Step& d : kDiagonal) {
    const int x = X + d.dx, y = Y + d.dy;
    if (on_board(x, y))
      survey::mark_step_check_on_man(s, survey::touch_c(s, UE_RYU, X, Y, x, y), X, Y);
  }
}

void com_king(GameState& s, int X, int Y) {
  s.com_king_x = X;
  s.com_king_y = Y;
  for (const Step& d : kKing) {
    const int x = X + d.dx, y = Y + d.dy;
    if (!on_board(x, y)) continue;
    ++s.com_influence[x][y];
    if (s.board[x][y] > 0 && s.com_cheapest_guard[x][y] > UE_OU) s.com_cheapest_guard[x][y] = UE_OU;
  }
}

}  // namespace

void 勢力調査(GameState& s) {
  clear(s.man_influence, 0);
  clear(s.com_influence, 0);
  clear(s.man_guard_min, NO_MIN);
  clear(s.man_attack_count, 0);
  clear(s.man_cheapest_attacker, NO_MAX);
  clear(s.man_cheapest_attacker_x, 0);
  clear(s.man_cheapest_attacker_y, 0);
  clear(s.com_cheapest_guard, NO_MIN);
  clear(s.com_cheapest_attacker, NO_MIN);
  clear(s.com_check_map, 0);
  clear(s.man_check_map, 0);
  // com_cheapest_guard_x/y and com_cheapest_attacker_x/y keep what they held:
  // only the writers that record a square touch them.

  for (int X = 1; X <= BAN_SIZE; ++X) {
    for (int Y = 1; Y <= BAN_SIZE; ++Y) {
      const int c = s.board[X][Y];
      switch (c) {
        case EMPTY:
          break;
        case SITA_HU:
          man_steps(s, c, X, Y, kManPawn);
          break;
        case SITA_KYOU:
          勢力確定上直進(s, c, X, Y);
          break;
        case SITA_KEI:
          man_knight(s, X, Y);
          break;
        case SITA_GIN:
          man_steps(s, c, X, Y, kManSilver);
          break;
        case SITA_TO:
        case SITA_NARIKYOU:
        case SITA_NARIKEI:
        case SITA_NARIGIN:
        case SITA_KIN:
          勢力確定自金(s, c, X, Y);
          break;
        case SITA_KAKU:
          勢力確定自角(s, X, Y);
          break;
        case SITA_UMA:
          man_steps(s, c, X, Y, kOrthogonal);
          勢力確定自角(s, X, Y);
          break;
        case SITA_SYA:
          rook_lines(s, c, X, Y);
          break;
        case SITA_RYU:
          rook_lines(s, c, X, Y);
          man_steps(s, c, X, Y, kDiagonal);
          break;
        case SITA_OU:
          man_king(s, X, Y);
          break;
        case UE_HU:
          com_pawn(s, X, Y);
          break;
        case UE_KYOU:
          勢力確定下直進(s, c, X, Y);
          break;
        case UE_KEI:
          com_knight(s, X, Y);
          break;
        case UE_GIN:
          com_silver(s, X, Y);
          break;
        case UE_TO:
        case UE_NARIKYOU:
        case UE_NARIKEI:
        case UE_NARIGIN:
        case UE_KIN:
          勢力確定敵金(s, X, Y);
          break;
        case UE_KAKU:
          勢力確定敵角(s, c, X, Y);
          break;
        case UE_UMA:
          com_horse(s, X, Y);
          break;
        case UE_SYA:
          rook_lines(s, c, X, Y);
          break;
        case UE_RYU:
          com_dragon(s, X, Y);
          break;
        case UE_OU:
          com_king(s, X, Y);
          break;
        default:
          break;  // not a piece code
      }
    }
  }
}

}  // namespace zv
