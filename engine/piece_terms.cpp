// The last stage of the board evaluation: terms of the moved piece's own kind,
// tuned on particular squares and formations.
#include <cstdlib>

#include "engine/eval.h"
#include "model/rules.h"

namespace zv {

namespace {

// The human does not bear on (X, Y), or only its king does and the computer
// defends the square.
bool free_of_attack_but_king(const GameState& s, int X, int Y) {
  return s.man_influence[X][Y] == 0 ||
         (s.man_cheapest_attacker[X][Y] == SITA_OU && s.com_influence[X][Y] > 0);
}

bool near_king_line(const EvalTrial& t) {
  return (t.DX == t.KX || t.DY == t.KY) && std::abs(t.DX - t.KX) < 3 && std::abs(t.DY - t.KY) < 3;
}

// Each section returns true when its change ends the evaluation.
bool pawn_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY;
  if (s.com_hand[SLOT_KYOU] > 0) score += 調査_香狙い(s, DX, DY);
  if (s.com_hand[SLOT_KEI] > 0) score += 調査_桂狙い(s, DX, DY);
  if (DY < 9) {
    const int ahead = b[DX][DY + 1];
    if (ahead == UE_KIN) score += 0.5;
    if (ahead == UE_SYA) score -= 1;
    if (ahead < SITA_HU && 調査_移動可場所数(s, DX, DY + 1, ahead) == 0) score += std::abs(ahead);
  }
  const int com_d = s.com_influence[DX][DY], man_d = s.man_influence[DX][DY];
  if (com_d > 0 && DX >= 2 && DX <= 8) {
    if (b[DX - 1][DY] == UE_SYA) score -= 1;
    if (b[DX + 1][DY] == UE_SYA) score -= 1;
  }
  const int attacker = s.man_cheapest_attacker[DX][DY];
  if (t.drop) {
    if (com_d == 0 && DY > 1 && b[DX][DY - 1] >= UE_GIN &&
        (s.man_hand[SLOT_HU] > 0 || s.man_hand[SLOT_KYOU] > 0))
      score += 6;
    if (DX == 2 && DY == 7 && b[2][8] == SITA_KAKU &&
        (s.man_influence[2][7] > 0 || s.com_influence[2][7] > 0))
      score += 30;
    const int ax = s.man_cheapest_attacker_x[DX][DY], ay = s.man_cheapest_attacker_y[DX][DY];
    if (com_d > 0 && (attacker == SITA_KYOU || attacker == SITA_SYA) && ax == DX && ay > DY &&
        !(s.man_influence[ax][ay] == 0 && s.com_influence_before[ax][ay] > 0)) {
      score += 120;
      return true;
    }
    return false;
  }

  score -= 0.1;
  const int guard = s.com_cheapest_guard[DX][DY];
  if (guard == UE_KIN || guard == UE_GIN) score += 0.6;
  if (DY >= 8) return false;
  if (guard == UE_KYOU) {
    score += 1;
  } else if (guard == UE_SYA && s.com_cheapest_guard_x[DX][DY] == DX &&
             s.com_cheapest_guard_y[DX][DY] < DY && com_d >= man_d) {
    score += 2;
  }
  if (s.man_influence[DX][DY + 1] == 0 && b[DX][DY + 2] <= SITA_KEI) score += 1;
  if (DY < 7) {
    if (b[DX][DY + 1] == SITA_HU && s.man_influence[DX][DY + 1] > 0) score -= 5;
    if (DX < 9 && b[DX + 1][DY] == UE_KAKU) {
      score += 0.5;
      if (b[DX + 1][DY + 2] == SITA_HU) score += 5;
    }
    if (DX > 1) {
      if (DX == 7 && DY == 4 && b[8][2] == UE_KAKU) score += 10;
      if (b[DX - 1][DY] == UE_KAKU) {
        score += 0.5;
        if (b[DX - 1][DY + 2] == SITA_HU) score += 5;
      }
    }
  }
  if (t.captured <= SITA_MAX) {
    const int com_src = s.com_influence[t.sx][t.sy];
    if (com_src == 1) {
      if (DY > 2 && attacker == SITA_KYOU && b[DX][DY - 2] == UE_KAKU)
        score -= 5;
      else
        score += 5;
    }
    if (t.captured == SITA_HU && (attacker == SITA_KYOU || attacker == SITA_SYA) && com_src < 2)
      score += 50;
  }
  const int ahead = b[DX][DY + 1];
  if (ahead <= SITA_MAX) {
    if (com_d > man_d) {
      score += 1;
      return true;
    }
    if (ahead == SITA_HU) {
      score -= 5;
      return true;
    }
    if (com_d > 0) {
      if (s.com_influence_before[DX][DY + 1] > 0 && s.man_influence_before[DX][DY + 1] == 0) {
        score -= 1;
        return true;
      }
      if (com_d >= man_d) {
        score += 5;
        return true;
      }
    } else if (man_d == 0) {
      score += 1;
      return true;
    }
  }
  return false;
}

bool lance_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY;
  if (s.com_hand[SLOT_KEI] > 0) score += 調査_桂狙い(s, DX, DY);
  const int man_d = s.man_influence[DX][DY], com_d = s.com_influence[DX][DY];
  if (t.drop) {
    if (DY < 8 && s.man_hand[SLOT_HU] > 0 && s.man_influence[DX][DY + 1] > 0 && man_d == 0)
      score -= 10;
    if (DY < 9 && b[DX][DY + 1] <= SITA_KYOU && (man_d == 0 || com_d >= man_d)) {
      for (int y = DY + 2; y <= BAN_SIZE; ++y) {
        const int c = b[DX][y];
        if (c == EMPTY) continue;
        if (移動チェック(s, DX, DY + 1, DX, y, UE_KYOU) == YES && c < SITA_KYOU) {
          score += std::abs(c);
          return true;
        }
        break;
      }
    }
    return false;
  }
  if (t.captured == EMPTY) {
    score -= 0.9;
    return true;
  }
  if (t.captured == SITA_KYOU) {
    score += 10;
    if (man_d >= 1) {
      score += 10;
      return true;
    }
  }
  return false;
}

bool knight_terms(GameState& s, const EvalTrial& t, double& score) {
  const int DX = t.DX, DY = t.DY;
  score -= 0.1;
  if (DY < 9 && s.man_influence[DX][DY + 1] > 0) score -= 1;
  if (DX >= 2 && DX <= 8 && DY < 8 && s.man_influence[DX - 1][DY + 2] > 0 &&
      s.man_influence[DX + 1][DY + 2] > 0)
    score -= 1;
  if (DX == 7 && DY == 3 && s.board[8][4] == UE_KAKU) {
    score -= 5;
    return true;
  }
  return false;
}

bool silver_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY;
  if (DY <= 1) return false;
  if (t.sy > DY && t.sx == DX) {
    if (b[7][5] == SITA_GIN || b[8][5] == SITA_GIN || b[9][5] == SITA_GIN)
      score += 5;
    else
      score -= 0.1;
  }
  if (b[DX][DY - 1] == UE_KEI) score -= 0.5;
  if (DX == 7 && DY == 3 && b[8][3] == UE_HU && b[8][5] == SITA_HU) {
    score += 115;
    return true;
  }
  return false;
}

bool gold_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY;
  // A drop counts its hand slot as the source row, as the rule was tuned.
  if (t.sy > DY && t.sx != DX) score -= 0.5;
  if (DY == 4) {
    if (b[6][4] == UE_KAKU && s.man_influence[6][4] > 0) {
      score -= 5;
      return true;
    }
  } else if (DY == 2) {
    if (DX == 7 && b[8][3] == UE_HU && b[8][6] == SITA_HU && s.man_guard_min[8][6] == SITA_SYA)
      score += 10;
    if (s.man_hand[SLOT_KAKU] > 0 && b[DX][DY + 1] >= UE_MIN &&
        s.com_influence_before[DX][DY + 1] == 0) {
      score += 2;
      if (DX < 9 && b[DX + 1][DY + 2] == UE_KAKU && s.com_influence_before[DX + 1][DY + 2] == 0) {
        score += 125;
        return true;
      }
    }
  }
  return false;
}

bool bishop_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY;
  score += 調査_周辺状況(s, DX, DY);
  auto mobility = [&] { return 調査_移動可場所数(s, DX, DY, UE_KAKU); };
  // The edge formation: computer pawn on (9, 4), human pawn on (9, 6), human lance in the corner.
  const bool edge_set = b[9][4] == UE_HU && b[9][6] == SITA_HU && b[9][9] == SITA_KYOU;
  if (DY < 9) {
    if (DX == 9 && DY == 3 && edge_set) score -= 10;
    if (DX == 7 && DY == 3 && b[8][5] == SITA_HU && s.man_guard_min[8][5] == SITA_SYA) score += 9;
    if (s.man_influence[DX][DY + 1] > 0) {
      if (mobility() == 0) score -= 100;
      if (DY < 8 && b[DX][DY + 2] == SITA_HU) score -= 1;
    }
  }
  if (t.sx == 9 && t.sy == 3 && edge_set && s.man_guard_min[9][6] == SITA_KYOU) score += 10;
  if (t.sx == 7 && t.sy == 3 && b[8][5] == SITA_HU && s.man_guard_min[8][5] == SITA_SYA &&
      s.com_influence_before[8][4] > s.com_influence[8][4])
    score -= 10;
  if (t.drop) {
    if (DY >= 7) {
      if (mobility() <= 3) {
        score -= 20;
        return true;
      }
    } else if (DY == 5) {
      if ((DX == 1 || DX == 9) && b[DX][7] == SITA_HU) score -= 10;
      if (DX == 4 && b[5][8] == SITA_KIN) {
        score -= 10;
        return true;
      }
    }
  }
  return false;
}

bool rook_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY, sx = t.sx, sy = t.sy;
  score += 調査_周辺状況(s, DX, DY);
  if (t.drop) {
    if (DY == 9 && b[DX][8] == SITA_GIN && DX > 1 && DX < 9 &&
        ((b[DX - 1][9] != EMPTY && b[DX + 1][8] == SITA_KIN) ||
         (b[DX + 1][9] != EMPTY && b[DX - 1][8] == SITA_KIN))) {
      score -= 1;
      return true;
    }
  } else {
    if (DX == 3 && DY == 4 && s.man_influence[DX][DY] == 0 && b[2][7] == SITA_KAKU &&
        b[3][6] == SITA_HU && b[3][5] == EMPTY)
      score += 7;
    if (DY < 8 && s.man_influence[DX][DY + 1] > 0) {
      score -= 1;
      if (b[DX][DY + 2] == SITA_HU && DY == sy) score -= 5;
    }
    if (sy < 9 && b[8][sy + 1] == SITA_HU && s.man_guard_min[8][sy + 1] == SITA_SYA) {
      if (s.com_influence[8][sy] < s.com_influence_before[8][sy]) score -= 11;
      if (b[7][sy] == UE_HU && DY != sy) score -= 11;
    }
    if (sx == 2 && sy == 2 && DX == 2 && DY == 3 && s.man_influence[2][2] == 0) score -= 1;
  }
  if (free_of_attack_but_king(s, DX, DY)) {
    if (調査_移動可場所数(s, DX, DY, UE_SYA) <= 1) {
      score -= 35;
      return true;
    }
    if (near_king_line(t)) {
      score += 100;
      return true;
    }
  }
  return false;
}

bool dragon_terms(GameState& s, const EvalTrial& t, double& score) {
  const auto& b = s.board;
  const int DX = t.DX, DY = t.DY, sx = t.sx, sy = t.sy;
  score += 調査_周辺状況(s, DX, DY);
  if (DY > 1 && b[DX][DY - 1] == SITA_GIN && DX > 1 && DX < 9 &&
      ((b[DX - 1][DY] != EMPTY && b[DX + 1][DY - 1] == SITA_KIN) ||
       (b[DX + 1][DY] != EMPTY && b[DX - 1][DY - 1] == SITA_KIN)))
    score -= 10;
  if (sy == 9 && sx >= 1 && sx <= 9 && b[sx][8] == SITA_GIN) {
    if (sx > 1 && b[sx - 1][8] == SITA_KIN) score += 2;
    if (sx < 9 && b[sx + 1][8] == SITA_KIN) score += 2;
  }
  if (DY == 9 && b[DX][8] <= SITA_MAX) {
    if (DX == 3 && b[2][9] <= SITA_MAX && b[4][8] == SITA_KIN) score -= 150;
    if (DX == 7 && b[8][9] <= SITA_MAX && b[6][8] == SITA_KIN) score -= 150;
  }
  if (free_of_attack_but_king(s, DX, DY) && near_king_line(t)) {
    score += 100;
    return true;
  }
  return false;
}

bool king_terms(GameState& s, const EvalTrial& t, double& score) {
  const int DX = t.DX, DY = t.DY;
  if (DY > 3) score -= 15 + DY;
  if (DX != 5) score += 1;
  if (s.com_pin_flag == 1) score += 10;
  if (s.com_influence[DX][DY] > s.com_influence_before[DX][DY]) score += 1;
  if (調査_移動可場所数(s, DX, DY, UE_OU) < 2) {
    score -= 20;
    return true;
  }
  return false;
}

}  // namespace

void add_piece_terms(GameState& s, const EvalTrial& t, double& score) {
  switch (t.q) {
    case UE_HU:
      pawn_terms(s, t, score);
      break;
    case UE_TO:
      if (s.com_influence[t.DX][t.DY] >= s.man_influence[t.DX][t.DY]) score += 1;
      break;
    case UE_KYOU:
      lance_terms(s, t, score);
      break;
    case UE_KEI:
      knight_terms(s, t, score);
      break;
    case UE_GIN:
      silver_terms(s, t, score);
      break;
    case UE_KIN:
      gold_terms(s, t, score);
      break;
    case UE_KAKU:
      bishop_terms(s, t, score);
      break;
    case UE_UMA:
      score += 調査_周辺状況(s, t.DX, t.DY);
      break;
    case UE_SYA:
      rook_terms(s, t, score);
      break;
    case UE_RYU:
      dragon_terms(s, t, score);
      break;
    case UE_OU:
      king_terms(s, t, score);
      break;
    default:
      break;  // promoted lance, knight and silver have no terms of their own
  }
}

}  // namespace zv
