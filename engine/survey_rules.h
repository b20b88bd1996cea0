// How one piece bearing on one square updates the survey's maps. Shared by the
// survey and its walkers only; everything here is inline so that the survey
// stays one tight pass over the board.
#pragma once
#include "model/maps.h"
#include "model/pieces.h"
#include "model/state.h"

namespace zv::survey {

using zv::on_board;

// Rule H, a human piece of recorded code c on (X, Y) bearing on T = (tx, ty),
// without the check mark. Returns what stands on T.
inline int touch_h(GameState& s, int c, int X, int Y, int tx, int ty) {
  ++s.man_influence[tx][ty];
  const int t = s.board[tx][ty];
  if (t < 0) {
    if (s.man_guard_min[tx][ty] > c) s.man_guard_min[tx][ty] = c;
  } else if (t > 0) {
    ++s.man_attack_count[tx][ty];
    if (s.man_cheapest_attacker[tx][ty] < c) {
      s.man_cheapest_attacker[tx][ty] = c;
      s.man_cheapest_attacker_x[tx][ty] = X;
      s.man_cheapest_attacker_y[tx][ty] = Y;
    }
  }
  return t;
}

// Rule C in full (guard and attacker, each with its square), without the check mark.
inline int touch_c(GameState& s, int c, int X, int Y, int tx, int ty) {
  ++s.com_influence[tx][ty];
  const int t = s.board[tx][ty];
  if (t > 0) {
    if (s.com_cheapest_guard[tx][ty] > c) {
      s.com_cheapest_guard[tx][ty] = c;
      s.com_cheapest_guard_x[tx][ty] = X;
      s.com_cheapest_guard_y[tx][ty] = Y;
    }
  } else if (t < 0) {
    if (s.com_cheapest_attacker[tx][ty] > c) {
      s.com_cheapest_attacker[tx][ty] = c;
      s.com_cheapest_attacker_x[tx][ty] = X;
      s.com_cheapest_attacker_y[tx][ty] = Y;
    }
  }
  return t;
}

// Rule C, codes only (the computer pawn): neither square is written.
inline int touch_c_codes(GameState& s, int c, int tx, int ty) {
  ++s.com_influence[tx][ty];
  const int t = s.board[tx][ty];
  if (t > 0) {
    if (s.com_cheapest_guard[tx][ty] > c) s.com_cheapest_guard[tx][ty] = c;
  } else if (t < 0) {
    if (s.com_cheapest_attacker[tx][ty] > c) s.com_cheapest_attacker[tx][ty] = c;
  }
  return t;
}

// Rule C-guard (computer knight and silver): the guard with its square, no attacker.
inline int touch_c_guard(GameState& s, int c, int X, int Y, int tx, int ty) {
  ++s.com_influence[tx][ty];
  const int t = s.board[tx][ty];
  if (t > 0 && s.com_cheapest_guard[tx][ty] > c) {
    s.com_cheapest_guard[tx][ty] = c;
    s.com_cheapest_guard_x[tx][ty] = X;
    s.com_cheapest_guard_y[tx][ty] = Y;
  }
  return t;
}

// Rule C-count (the computer horse's orthogonal steps): influence only.
inline int touch_c_count(GameState& s, int tx, int ty) {
  ++s.com_influence[tx][ty];
  return s.board[tx][ty];
}

// Check marks of a stepping piece on (X, Y) whose target t is the other king.
inline void mark_step_check_on_com(GameState& s, int t, int X, int Y) {
  if (t == UE_OU) s.com_check_map[X][Y] = CHECKER;
}
inline void mark_step_check_on_man(GameState& s, int t, int X, int Y) {
  if (t == SITA_OU) s.man_check_map[X][Y] = CHECKER;
}

// A line piece on (X, Y) reaching the king on (tx, ty) one (dx, dy) step at a time:
// CHECK_PATH strictly between, CHECKER on the piece, the king's square untouched.
inline void mark_line_check(Map& m, int X, int Y, int tx, int ty, int dx, int dy) {
  for (int x = X + dx, y = Y + dy; x != tx || y != ty; x += dx, y += dy) m[x][y] = CHECK_PATH;
  m[X][Y] = CHECKER;
}

// One line of a human piece (recorded code c < 0) or a computer piece (c > 0)
// from (X, Y): every square up to and including the first occupied one, except
// that the other side's king does not stop it.
template <int DX, int DY>
inline void walk_line(GameState& s, int c, int X, int Y) {
  int x = X + DX, y = Y + DY;
  if (c < 0) {
    for (; on_board(x, y); x += DX, y += DY) {
      const int t = touch_h(s, c, X, Y, x, y);
      if (t == UE_OU) {
        mark_line_check(s.com_check_map, X, Y, x, y, DX, DY);
      } else if (t != EMPTY) {
        return;
      }
    }
  } else {
    for (; on_board(x, y); x += DX, y += DY) {
      const int t = touch_c(s, c, X, Y, x, y);
      if (t == SITA_OU) {
        mark_line_check(s.man_check_map, X, Y, x, y, DX, DY);
      } else if (t != EMPTY) {
        return;
      }
    }
  }
}

}  // namespace zv::survey
