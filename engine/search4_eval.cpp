// The evaluation: material on the board and in hand, the danger around each
// king from the influence maps and the pieces in the opponent's hand,
// mobility, and what the warp squares threaten.
#include "engine/search4_eval.h"

#include <algorithm>

#include "engine/search4_walk.h"

namespace zv::s4 {

namespace {

constexpr int BOARD_VALUE[KIND_COUNT] = {
    0,     // none
    90,    // pawn
    260,   // lance
    290,   // knight
    420,   // silver
    470,   // gold
    620,   // bishop
    720,   // rook
    0,     // king: its loss ends the game
    480,   // tokin: a gold that costs the opponent only a pawn
    470,   // promoted lance
    470,   // promoted knight
    470,   // promoted silver
    880,   // horse
    1010,  // dragon
};
// A piece in hand can go anywhere: worth a little more than on the board.
constexpr int HAND_VALUE[HAND_SLOTS + 1] = {0, 105, 290, 320, 460, 510, 680, 800};

// King safety: attack units around a king become a penalty that grows with
// their square (one attacker is harmless, a swarm is not).
constexpr int ZONE_ATTACK_UNIT = 2;     // each enemy influence on a square next to the king
constexpr int ZONE_UNGUARDED_UNIT = 3;  // more enemy than own influence there
constexpr int KING_SQUARE_ATTACK_UNIT = 6;
constexpr int HAND_UNIT[HAND_SLOTS + 1] = {0, 1, 2, 2, 3, 3, 3, 4};  // enemy pieces in hand
constexpr int HAND_UNIT_CAP = 14;
constexpr int DANGER_SCALE_NUM = 1, DANGER_SCALE_DEN = 2;
constexpr int DANGER_CAP = 1500;
constexpr int KING_GUARD_BONUS = 22;  // an own gold or silver within two squares
constexpr int KING_GUARDS_COUNTED = 3;
constexpr int KING_HOME_BONUS = 30;  // the king still in its own two back rows
constexpr int PORTAL_UNIT = 3;  // a warp square the enemy reaches whose partner touches the king

constexpr int MOBILITY_WEIGHT = 2;    // per square a piece bears on
constexpr int ENEMY_CAMP_WEIGHT = 3;  // extra per square held in the opponent's three rows
constexpr int WARP_THREAT_DIV = 3;    // a piece on a warp partner: this fraction of its value
constexpr int TEMPO = 20;
// Shares of the side to move's unguarded attacked pieces counted as lost.
constexpr int SECOND_HANGING_DIV = 2;
constexpr int FIRST_HANGING_DIV = 10;

inline int home_row_distance(int side, int s) {
  return side == UPPER ? y_of(s) - 1 : BAN_SIZE - y_of(s);
}

inline bool touches(int a, int b) {
  const int dx = x_of(a) - x_of(b), dy = y_of(a) - y_of(b);
  return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

inline bool near(int a, int b, int r) {
  const int dx = x_of(a) - x_of(b), dy = y_of(a) - y_of(b);
  return dx >= -r && dx <= r && dy >= -r && dy <= r;
}

// The side can put a piece on the empty square s from its hand.
inline bool can_drop(const Position& p, int side, int s) {
  if (p.sq[s] != 0) return false;
  for (int k = KY; k <= HI; ++k)
    if (p.hand[side][k] != 0) return true;
  return p.hand[side][FU] != 0 && p.pawns[side][x_of(s)] == 0;
}

inline bool shelters(int kind) {
  return kind == KI || kind == GI || kind == TO || kind == NG;
}

// What one pass over the board finds out.
struct Survey {
  int material[2] = {0, 0};
  int mobility[2] = {0, 0};
  int guards[2] = {0, 0};   // golds and silvers within two squares of their king
  int hanging[2] = {0, 0};  // the side to move's two most valuable unguarded attacked pieces
  int warps[NSQ];
  int warp_count = 0;
};

void survey(const Position& p, const Influence& inf, Survey& v) {
  for (int s = 0; s < NSQ; ++s) {
    if (p.warp[s] != 0) v.warps[v.warp_count++] = s;
    for (int side = 0; side < 2; ++side) {
      const int c = inf.count[side][s];
      if (c == 0) continue;
      v.mobility[side] += MOBILITY_WEIGHT * c;
      if (in_zone(side, y_of(s)) && c > inf.count[1 - side][s])
        v.mobility[side] += ENEMY_CAMP_WEIGHT;
    }
    const int q = p.sq[s];
    if (q == 0) continue;
    const int side = side_of(q), kind = kind_of(q);
    v.material[side] += BOARD_VALUE[kind];
    if (shelters(kind) && p.king[side] != NO_SQ && near(s, p.king[side], 2)) ++v.guards[side];
    if (side == p.side && kind != OU && inf.count[1 - side][s] != 0 && inf.count[side][s] == 0) {
      const int value = BOARD_VALUE[kind];
      if (value > v.hanging[0]) {
        v.hanging[1] = v.hanging[0];
        v.hanging[0] = value;
      } else if (value > v.hanging[1]) {
        v.hanging[1] = value;
      }
    }
  }
  for (int side = 0; side < 2; ++side)
    for (int slot = 1; slot <= HAND_SLOTS; ++slot)
      v.material[side] += HAND_VALUE[slot] * p.hand[side][slot];
}

int king_danger(const Position& p, const Influence& inf, const Survey& v, int side) {
  const int k = p.king[side];
  if (k == NO_SQ) return 0;
  const int them = 1 - side;
  int units = KING_SQUARE_ATTACK_UNIT * inf.count[them][k];
  for (int d = 0; d < 8; ++d) {
    const int z = NEIGHBOURS.to[k][d];
    if (z == NO_SQ) continue;
    const int a = inf.count[them][z];
    // The king itself guards its neighbours; it cannot stay on two squares at once.
    const int g = inf.count[side][z] - 1;
    units += ZONE_ATTACK_UNIT * a;
    if (a > g) units += ZONE_UNGUARDED_UNIT * (a - g);
  }
  int hand_units = 0;
  for (int slot = 1; slot <= HAND_SLOTS; ++slot) hand_units += HAND_UNIT[slot] * p.hand[them][slot];
  units += std::min(hand_units, HAND_UNIT_CAP);
  // A warp square the enemy can enter carries its piece next to the king.
  for (int i = 0; i < v.warp_count; ++i) {
    const int w = v.warps[i], pt = p.partner(w);
    if (pt == NO_SQ || !touches(pt, k) || own(p.sq[w], them)) continue;
    if (inf.count[them][w] > 0 || can_drop(p, them, w)) units += PORTAL_UNIT;
  }
  return std::min(units * units * DANGER_SCALE_NUM / DANGER_SCALE_DEN, DANGER_CAP);
}

int king_shelter(const Position& p, const Survey& v, int side) {
  const int k = p.king[side];
  if (k == NO_SQ) return 0;
  int bonus = KING_GUARD_BONUS * std::min(v.guards[side], KING_GUARDS_COUNTED);
  if (home_row_distance(side, k) <= 1) bonus += KING_HOME_BONUS;
  return bonus;
}

// A piece standing on a warp partner is lost to whatever enters the other square.
int warp_threats(const Position& p, const Influence& inf, const Survey& v, int side) {
  const int them = 1 - side;
  int best = 0;
  for (int i = 0; i < v.warp_count; ++i) {
    const int w = v.warps[i], pt = p.partner(w);
    if (pt == NO_SQ || !own(p.sq[pt], them) || own(p.sq[w], side)) continue;
    if (inf.count[side][w] == 0 && !can_drop(p, side, w)) continue;
    const int kind = kind_of(p.sq[pt]);
    const int value = kind == OU ? DANGER_CAP : BOARD_VALUE[kind];
    best = std::max(best, value / WARP_THREAT_DIV);
  }
  return best;
}

}  // namespace

int board_value(int kind) {
  return BOARD_VALUE[kind];
}
int hand_value(int kind) {
  return HAND_VALUE[kind];
}

void compute_influence(const Position& p, Influence& inf) {
  std::fill(&inf.count[0][0], &inf.count[0][0] + 2 * NSQ, std::uint8_t{0});
  for (int s = 0; s < NSQ; ++s) {
    const int q = p.sq[s];
    if (q == 0) continue;
    const int side = side_of(q);
    for_each_target(p, s, side, kind_of(q), true, [&](int t) { ++inf.count[side][t]; });
  }
}

int evaluate(const Position& p) {
  Influence inf;
  compute_influence(p, inf);
  Survey v;
  survey(p, inf, v);
  int score[2];
  for (int side = 0; side < 2; ++side)
    score[side] = v.material[side] + v.mobility[side] + king_shelter(p, v, side) -
                  king_danger(p, inf, v, side) + warp_threats(p, inf, v, side);
  // The side to move can save one piece that stands attacked and unguarded,
  // rarely two: the second is counted as half lost, the first as a little
  // (saving it costs the move).
  const int hanging = v.hanging[0] / FIRST_HANGING_DIV + v.hanging[1] / SECOND_HANGING_DIV;
  return score[p.side] - score[1 - p.side] + TEMPO - hanging;
}

}  // namespace zv::s4
