// Board evaluation of a trial move: decisive results, general terms, captures
// and the level gates; the piece terms are in piece_terms.cpp.
#include "engine/eval.h"

#include <algorithm>
#include <cstdlib>

#include "engine/engine.h"
#include "model/rules.h"

namespace zv {

namespace {

constexpr double SCORE_KING_TAKEN = 9999;
constexpr double SCORE_MATE = 9998;
constexpr double SCORE_LOST = -9998;

bool is_major(int code) {
  return code == SITA_KAKU || code == SITA_UMA || code == SITA_SYA || code == SITA_RYU;
}

}  // namespace

double 盤評価(GameState& s, int 取得駒, int 移動駒, int 元X, int 元Y, int 先X, int 先Y) {
  const EvalTrial t{取得駒, 移動駒, s.trial_source_piece, 元X,          元Y,
                    先X,    先Y,    s.man_king_x,         s.man_king_y, 元X == COM_HAND_X};
  const int q = t.q, DX = 先X, DY = 先Y, KX = t.KX, KY = t.KY;
  const int man_d = s.man_influence[DX][DY];
  double score = 0;

  // Decisive results.
  if (t.captured == SITA_OU) return SCORE_KING_TAKEN;
  if (s.man_influence[s.com_king_x][s.com_king_y] >= 1) return SCORE_LOST;
  const bool gives_check = s.com_influence[KX][KY] > 0;
  if (gives_check) {
    // Mating with a pawn is not allowed in shogi, so it counts as losing.
    if (詰めかMAN(s) == 1) return q == UE_HU ? SCORE_LOST : SCORE_MATE;
    if (s.man_cheapest_attacker[DX][DY] == SITA_OU && s.com_influence[DX][DY] > 0) score += 100;
    if (std::abs(DX - KX) < 2 && std::abs(DY - KY) < 2 && (DX != KX || DY != KY) && man_d <= 2 &&
        s.com_cheapest_guard[DX][DY] == UE_RYU &&
        (s.com_cheapest_guard_x[DX][DY] == KX || s.com_cheapest_guard_y[DX][DY] == KY))
      score += 900;
    if (man_d == 0) score += 10;
  }

  // General terms.
  if (t.drop)
    score -= 5;
  else if (q > t.S)
    score += 10;
  score += 盤評価_COM危険座標(s, q, DX, DY);

  const int kdx = std::abs(DX - KX), kdy = std::abs(DY - KY);
  if (kdx > kdy) {
    if (kdx < s.mover_distance) score += 1;
  } else if (kdy < s.mover_distance) {
    score += 0.1;
  }

  {
    const int ax = s.man_cheapest_attacker_x[DX][DY], ay = s.man_cheapest_attacker_y[DX][DY];
    const int com_d = s.com_influence[DX][DY];
    const bool lined_up = (ax == KX && DX != KX) || (ay == KY && DY != KY) ||
                          (ax != KX && ay != KY && (DX == KX || DY == KY));
    if (s.man_influence[ax][ay] > 0 && s.man_pinned[ax][ay] == 1 &&
        (man_d == 1 || (man_d == 2 && com_d > 0 && gives_check)) && lined_up &&
        移動チェック(s, DX, DY, ax, ay, t.S) == YES) {
      const int bx = s.com_cheapest_attacker_x_before[ax][ay];
      const int by = s.com_cheapest_attacker_y_before[ax][ay];
      if (t.drop || s.board[bx][by] != EMPTY) score += std::abs(s.board[ax][ay]);
    }
  }

  if (man_d == 0) {
    if (q != UE_KAKU && q != UE_UMA && q != UE_OU && q != UE_HU)
      score -= 盤評価_自角注意_COM(s, DX, DY, q);
    if (q == UE_KYOU || (q >= UE_KAKU && q <= UE_RYU) || (kdx < 3 && kdy < 3)) {
      const int e = 調査_自王逃道(s);
      if (e > s.king_escape_result) score -= e - s.king_escape_result;
    }
  } else if (s.com_influence[DX][DY] > 0) {
    if ((s.man_hand[SLOT_KIN] > 0 || s.man_hand[SLOT_GIN] > 0) && DX >= 2 && DX <= 8) {
      const int l = s.board[DX - 1][DY], r = s.board[DX + 1][DY];
      const bool rook_l = l == SITA_SYA || l == SITA_RYU, rook_r = r == SITA_SYA || r == SITA_RYU;
      if ((rook_l && r == UE_OU) || (rook_r && l == UE_OU)) score -= q;
    }
    const int a = std::abs(s.man_cheapest_attacker[DX][DY]);
    if (q > a) score = score - q + a;
    if (s.man_cheapest_attacker[DX][DY] == SITA_OU && DY < KY && s.com_influence[DX][DY] > 0)
      score += q;
  } else if (t.drop) {
    score -= q + 50;
  }

  if (s.board[DX][9] == SITA_KYOU && (DX == 1 || DX == 9) && q != UE_KYOU && q != UE_SYA &&
      q != UE_RYU && 元X != DX)
    score -= 0.1;

  // Captures.
  if (t.captured != EMPTY) {
    const int value = std::abs(t.captured);
    if (is_major(t.captured) && q <= UE_KIN) score += value;
    if (s.com_level == 1) return score;
    if (man_d > 0) {
      if (s.com_influence[DX][DY] > 0) {
        if (q < std::abs(s.man_cheapest_attacker[DX][DY])) score += value;
      } else if (s.man_influence_before[元X][元Y] > 0) {
        if (調査_移動可場所数(s, 元X, 元Y, q) == 0) score += value;
      }
    }
    if (man_d == 0) {
      score += value;
      if (t.captured == SITA_TO || t.captured == SITA_NARIKYOU || t.captured == SITA_NARIKEI)
        score += 50;
    }
  }

  if (s.com_level == 2) return score;
  add_piece_terms(s, t, score);
  return score;
}

}  // namespace zv
