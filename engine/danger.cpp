// The danger term: what the human can win, weaknesses around the computer's
// king, the human's drop threats, and forks by the moved piece.
#include <algorithm>
#include <cstdlib>

#include "engine/eval.h"
#include "model/rules.h"

namespace zv {

int 調査_自守駒MAN_直進駒(GameState& s, int X, int Y) {
  const int kept = s.board[X][Y];
  s.board[X][Y] = EMPTY;
  int result = 0;
  for (int y = Y + 1; y <= BAN_SIZE; ++y) {
    const int c = s.board[X][y];
    if (c >= UE_MIN) break;
    if (c == SITA_KYOU || c == SITA_SYA || c == SITA_RYU) {
      result = 移動チェック(s, X, y, X, Y, c) == YES ? 1 : 0;
      break;
    }
  }
  s.board[X][Y] = kept;
  return result;
}

namespace {

bool holds_gold_or_silver(const GameState& s) {
  return s.man_hand[SLOT_KIN] > 0 || s.man_hand[SLOT_GIN] > 0;
}

// Adds to r in place: the order of the additions fixes the exact sum.
void empty_square(GameState& s, int X, int Y, double& r) {
  const int man = s.man_influence[X][Y], com = s.com_influence[X][Y];
  if (man > 0) {
    if (std::abs(X - s.com_king_x) < 2 && std::abs(Y - s.com_king_y) < 2) {
      r -= 0.5 * man;
      if (com == 1 && man > 1) r -= 10;
      if (holds_gold_or_silver(s)) r -= 10;
    }
    if (com == 0 && Y <= 3) {
      r -= 0.1;
      if (調査_自守駒MAN_直進駒(s, X, Y) == 1) r -= 10;
    }
    if (Y < 4 && s.board[X][Y + 1] == SITA_HU && man >= com) {
      r -= 30;
      if (調査_自守駒MAN_直進駒(s, X, Y + 1) == 1) r -= 70;
    }
  }
  if (s.man_hand_total <= 0) return;

  // A lance dropped here would skewer the piece above and the one behind it.
  if (s.man_hand[SLOT_KYOU] > 0 && Y >= 3 && s.board[X][Y - 1] > UE_KYOU && (man > 0 || com == 0)) {
    for (int y = Y - 2; y >= 1; --y) {
      const int c = s.board[X][y];
      if (c == EMPTY) continue;
      if (c > UE_KYOU) r -= 100 + c / 2.0;
      break;
    }
  }
  if (s.man_hand[SLOT_KEI] > 0 && Y >= 3 && X >= 2 && X <= 8 && (com == 0 || man > 0) &&
      s.board[X - 1][Y - 2] > UE_HU && s.board[X + 1][Y - 2] > UE_HU)
    r -= 20;
  if (holds_gold_or_silver(s) && com <= 1) {
    const int around = 調査_周辺状況(s, X, Y);
    if (around < -1) r -= 5;
    if (com == 0 && around < 0) {
      r -= 1;
      if (Y < 4) r -= 10;
    }
  }
  if (com == 0) {
    if (Y == 2 && s.board[X][1] == UE_KEI) r -= 5;
    if (Y < 4) r -= 0.1;
    if (s.man_hand[SLOT_GIN] > 0 && X >= 2 && X <= 8 && Y >= 2 && Y <= 8) {
      auto forked = [&](int x1, int y1, int x2, int y2) {
        return s.board[x1][y1] >= UE_MIN && s.board[x2][y2] >= UE_MIN &&
               s.com_influence[x1][y1] == 0 && s.com_influence[x2][y2] == 0;
      };
      if (forked(X - 1, Y - 1, X + 1, Y + 1)) r -= 20;
      if (forked(X - 1, Y + 1, X + 1, Y - 1)) r -= 20;
    }
  }
}

void computer_piece(GameState& s, int X, int Y, double& r) {
  const int c = s.board[X][Y];
  const int man = s.man_influence[X][Y], com = s.com_influence[X][Y];
  const int attacker = s.man_cheapest_attacker[X][Y];
  if (c == UE_OU && Y == 1 && s.man_influence[X][2] > 0) {
    r -= 50;
    if (s.man_influence[X][2] >= s.com_influence[X][2]) r -= 250;
    if (holds_gold_or_silver(s)) r -= 700;
  }
  if (c == UE_HU && attacker == SITA_SYA && s.man_hand[SLOT_HU] > 0 && man >= com && Y < 9 &&
      s.com_influence[X][Y + 1] == 1)
    r -= 5;
  if (man <= 0) return;

  const int value = std::abs(attacker);
  const bool free_attacker =
      s.man_pinned[s.man_cheapest_attacker_x[X][Y]][s.man_cheapest_attacker_y[X][Y]] == 0;
  if (s.com_cheapest_guard[X][Y] == UE_OU && (man > 1 || c > value)) r -= 100;
  if (free_attacker && c > value) r = r - c + value;
  if (com > 0 && free_attacker) {
    if (man > com && s.com_cheapest_guard[X][Y] >= value) r -= c;
    if (Y <= 3 && com == man && s.board[X][Y + 1] != EMPTY &&
        調査_自守駒MAN_直進駒(s, X, Y + 1) == 1)
      r = r - c + std::abs(s.man_cheapest_attacker[X][Y + 1]);
  }
  if (com == 0) {
    r -= c;
    if (Y <= 3) r -= 10;
    // What the trial move captured on this square pays back part of the loss.
    if (s.board_backup[X][Y] <= SITA_MAX) r += std::abs(s.board_backup[X][Y]);
    if (Y <= 3 && (attacker == SITA_HU || attacker == SITA_KYOU)) r -= 20;
  }
}

}  // namespace

double 盤評価_COM危険座標(GameState& s, int q, int 先X, int 先Y) {
  double result = 0;
  int fork_count = 0;
  int cheapest_fork_target = 9999;
  const bool dest_safe = s.man_influence[先X][先Y] == 0;
  for (int X = 1; X <= BAN_SIZE; ++X)
    for (int Y = 1; Y <= BAN_SIZE; ++Y) {
      const int c = s.board[X][Y];
      if (c == EMPTY) {
        empty_square(s, X, Y, result);
      } else if (c >= UE_MIN) {
        computer_piece(s, X, Y, result);
      } else if (c <= SITA_MAX) {
        if ((c == SITA_KYOU || c == SITA_SYA || c == SITA_RYU) && X == s.com_king_x) result -= 1;
        if (dest_safe && (s.man_influence[X][Y] == 0 || c == SITA_OU) &&
            移動チェック(s, 先X, 先Y, X, Y, q) == YES) {
          result += 0.1;
          fork_count += 1;
          cheapest_fork_target = std::min(cheapest_fork_target, std::abs(c));
        }
        if (s.com_influence[X][Y] > 0 && s.com_influence_before[X][Y] == 0) {
          if (c == SITA_KEI && Y > 2 && s.man_influence[X][Y - 1] == 0) {
            const int front = s.board[X][Y - 1];
            if (front == UE_GIN || front == UE_UMA || front == UE_RYU) result += 1;
          }
          if (std::abs(X - s.com_king_x) < 3 && std::abs(Y - s.com_king_y) < 3) result += 15;
        }
        if (c == SITA_KEI && Y > 4 && s.board[X][Y - 4] >= UE_GIN) {
          for (int jx : {X - 1, X + 1}) {
            if (jx < 1 || jx > BAN_SIZE) continue;
            const int t = s.board[jx][Y - 2];
            if ((t == EMPTY || t >= UE_MIN) && s.com_influence[jx][Y - 2] == 0) result -= 1;
          }
        }
      }
    }
  if (fork_count > 1) result += cheapest_fork_target;
  return result;
}

}  // namespace zv
