#include "model/setup.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zv {

namespace {

// The last digit of the time of day as a single-precision number prints it
// (at most seven significant digits, no trailing zeros after the point).
int time_digit(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(static_cast<float>(seconds)));
  int d = 0;
  for (const char* p = text; *p; ++p)
    if (*p >= '0' && *p <= '9') d = *p - '0';
  return d;
}

// Tries are bounded: with a frozen clock a large digit could miss a short list forever.
constexpr int MAX_DRAWS = 1000;

int draw_index(Game& g, int n) {
  for (int attempt = 0; attempt < MAX_DRAWS; ++attempt) {
    const int d = time_digit(g.io.clock->now());
    const int i = d + static_cast<int>(std::floor(g.io.random->next() * n));
    if (i >= 1 && i <= n) return i;
  }
  return 1 + static_cast<int>(std::floor(g.io.random->next() * n));
}

constexpr int START_BACK_ROW[BAN_SIZE + 1] = {0,     UE_KYOU, UE_KEI, UE_GIN, UE_KIN,
                                              UE_OU, UE_KIN,  UE_GIN, UE_KEI, UE_KYOU};

}  // namespace

void recount_hand_totals(BoardState& s) {
  s.com_hand_total = 0;
  s.man_hand_total = 0;
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    if (s.com_hand[k] > 0) s.com_hand_total += s.com_hand[k];
    if (s.man_hand[k] > 0) s.man_hand_total += s.man_hand[k];
  }
}

void locate_kings(BoardState& s) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      if (s.board[x][y] == SITA_OU) {
        s.man_king_x = x;
        s.man_king_y = y;
      } else if (s.board[x][y] == UE_OU) {
        s.com_king_x = x;
        s.com_king_y = y;
      }
    }
}

void IRVU_設定(Game& g, int I_IRVU) {
  auto& s = g.st;
  int cx[BAN_SIZE * BAN_SIZE + 1], cy[BAN_SIZE * BAN_SIZE + 1];
  int n = 0;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (s.warp_map[x][y] == 0 && s.board[x][y] == EMPTY) {
        ++n;
        cx[n] = x;
        cy[n] = y;
      }
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (s.warp_map[x][y] == I_IRVU) s.warp_map[x][y] = 0;

  // A pair needs two squares; a colour without a partner would never warp.
  if (n < 2) return;
  const int i1 = draw_index(g, n);
  int i2 = 0;
  if (n >= 5) {
    for (int attempt = 0; attempt < MAX_DRAWS && i2 == 0; ++attempt) {
      const int i = draw_index(g, n);
      if (std::abs(i - i1) > 3) i2 = i;
    }
  }
  // Too few candidates (or no luck) for four positions apart: take the farthest one.
  if (i2 == 0) i2 = (i1 - 1 >= n - i1) ? 1 : n;
  s.warp_map[cx[i1]][cy[i1]] = I_IRVU;
  s.warp_map[cx[i2]][cy[i2]] = I_IRVU;
}

void 初期設定(Game& g) {
  auto& s = g.st;
  s.handicap_level = 0;
  s.handicap_set = 0;
  s.game_mode = MODE_NONE;
  s.winner = 0;
  s.turn = NO_TURN;
  s.history_index = 0;
  s.move_number = 0;
  s.reversed_once = 0;

  s.timer1_enabled = false;
  s.move_text[0] = s.move_text[1] = {};
  s.shown_move_number = -1;
  s.marker_drawn = {};
  s.com_total_seconds = 0;
  s.man_total_seconds = 0;
  s.turn_seconds = 0;
  s.clock_pending = 0;
  s.kifu_mode = 0;
  s.piece_selected = 0;
  s.hist_piece[0] = UE_HU;

  for (int k = 1; k <= HAND_SLOTS; ++k) {
    s.man_hand[k] = 0;
    s.com_hand[k] = 0;
  }
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      s.board[x][y] = EMPTY;
      s.warp_map[x][y] = 0;
    }

  for (int x = 1; x <= BAN_SIZE; ++x) {
    s.board[x][1] = START_BACK_ROW[x];
    s.board[x][3] = UE_HU;
    s.board[x][9] = -START_BACK_ROW[x];
    s.board[x][7] = SITA_HU;
  }
  s.board[2][2] = UE_SYA;
  s.board[8][2] = UE_KAKU;
  s.board[2][8] = SITA_KAKU;
  s.board[8][8] = SITA_SYA;
  s.man_king_x = 5;
  s.man_king_y = 9;
  s.com_king_x = 5;
  s.com_king_y = 1;

  for (int k = IRVU_FIRST; k <= IRVU_LAST; ++k) IRVU_設定(g, k);
  recount_hand_totals(s);
}

}  // namespace zv
