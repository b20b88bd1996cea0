// The evaluation: material on the board and in hand, the danger around each
// king from the influence maps and the pieces in the opponent's hand,
// mobility, and what the warp squares threaten.
#include "engine/search4_eval.h"

#include <algorithm>

#include "engine/search4_walk.h"

namespace zv::s4 {

namespace {

constexpr int BOARD_VALUE[KIND_COUNT] = {
    0,    // none
    90,   // pawn
    260,  // lance
    290,  // knight
    420,  // silver
    470,  // gold
    620,  // bishop
    720,  // rook
    0,    // king: its loss ends the game
    480,  // tokin: a gold that costs the opponent only a pawn
    470,  // promoted lance
    470,  // promoted knight
    470,  // promoted silver
    880,  // horse
    1010, // dragon
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
constexpr int KING_HOME_BONUS = 30;   // the king still in its own two back rows
constexpr int PORTAL_UNIT = 3;  // a warp square the enemy reaches whose partner touches the king

constexpr int MOBILITY_WEIGHT = 2;     // per square a piece bears on
constexpr int ENEMY_CAMP_WEIGHT = 3;   // extra per square held in the opponent's three rows
constexpr int WARP_THREAT_DIV = 3;     // a piece on a warp partner: this fraction of its value
constexpr int TEMPO = 20;
// The side to move can save one piece that stands attacked and unguarded,
// rarely two: the second is counted as this fraction lost, the first as a
// smaller one (saving it costs the move).
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

int king_danger(const Position& p, const Influence& inf, int side) {
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
  for (int w = 0; w < NSQ; ++w) {
    if (p.warp[w] == 0) continue;
    const int pt = p.partner(w);
    if (pt == NO_SQ || !touches(pt, k) || own(p.sq[w], them)) continue;
    if (inf.count[them][w] > 0 || can_drop(p, them, w)) units += PORTAL_UNIT;
  }
  return std::min(units * units * DANGER_SCALE_NUM / DANGER_SCALE_DEN, DANGER_CAP);
}

int king_shelter(const Position& p, int side) {
  const int k = p.king[side];
  if (k == NO_SQ) return 0;
  int guards = 0;
  for (int s = 0; s < NSQ; ++s) {
    const int q = p.sq[s];
    if (!own(q, side)) continue;
    const int kind = kind_of(q);
    if ((kind == KI || kind == GI || kind == TO || kind == NG) && near(s, k, 2)) ++guards;
  }
  int bonus = KING_GUARD_BONUS * std::min(guards, KING_GUARDS_COUNTED);
  if (home_row_distance(side, k) <= 1) bonus += KING_HOME_BONUS;
  return bonus;
}

// A piece standing on a warp partner is lost to whatever enters the other square.
int warp_threats(const Position& p, const Influence& inf, int side) {
  const int them = 1 - side;
  int best = 0;
  for (int w = 0; w < NSQ; ++w) {
    if (p.warp[w] == 0) continue;
    const int pt = p.partner(w);
    if (pt == NO_SQ || !own(p.sq[pt], them) || own(p.sq[w], side)) continue;
    if (inf.count[side][w] == 0 && !can_drop(p, side, w)) continue;
    const int kind = kind_of(p.sq[pt]);
    const int v = kind == OU ? DANGER_CAP : BOARD_VALUE[kind];
    best = std::max(best, v / WARP_THREAT_DIV);
  }
  return best;
}

int hanging_penalty(const Position& p, const Influence& inf, int side) {
  int first = 0, second = 0;
  for (int s = 0; s < NSQ; ++s) {
    const int q = p.sq[s];
    if (!own(q, side) || kind_of(q) == OU) continue;
    if (inf.count[1 - side][s] == 0 || inf.count[side][s] != 0) continue;
    const int v = BOARD_VALUE[kind_of(q)];
    if (v > first) {
      second = first;
      first = v;
    } else if (v > second) {
      second = v;
    }
  }
  return first / FIRST_HANGING_DIV + second / SECOND_HANGING_DIV;
}

}  // namespace

int board_value(int kind) { return BOARD_VALUE[kind]; }
int hand_value(int kind) { return HAND_VALUE[kind]; }

void compute_influence(const Position& p, Influence& inf) {
  std::fill(&inf.count[0][0], &inf.count[0][0] + 2 * NSQ, std::uint8_t{0});
  for (int s = 0; s < NSQ; ++s) {
    const int q = p.sq[s];
    if (q == 0) continue;
    const int side = side_of(q);
    for_each_target(p, s, side, kind_of(q), true, [&](int t) { ++inf.count[side][t]; });
  }
}

SideTerms side_terms(const Position& p, const Influence& inf, int side) {
  SideTerms t;
  const int them = 1 - side;
  for (int s = 0; s < NSQ; ++s) {
    const int q = p.sq[s];
    if (own(q, side)) t.material += BOARD_VALUE[kind_of(q)];
    const int c = inf.count[side][s];
    if (c == 0) continue;
    t.mobility += MOBILITY_WEIGHT * c;
    if (in_zone(side, y_of(s)) && c > inf.count[them][s]) t.mobility += ENEMY_CAMP_WEIGHT;
  }
  for (int slot = 1; slot <= HAND_SLOTS; ++slot) t.material += HAND_VALUE[slot] * p.hand[side][slot];
  t.king_safety = king_shelter(p, side) - king_danger(p, inf, side);
  t.warp = warp_threats(p, inf, side);
  return t;
}

int evaluate(const Position& p) {
  Influence inf;
  compute_influence(p, inf);
  int score[2];
  for (int side = 0; side < 2; ++side) {
    const SideTerms t = side_terms(p, inf, side);
    score[side] = t.material + t.king_safety + t.mobility + t.warp;
  }
  return score[p.side] - score[1 - p.side] + TEMPO - hanging_penalty(p, inf, p.side);
}

}  // namespace zv::s4
