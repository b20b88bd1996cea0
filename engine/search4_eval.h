// The searching player's evaluation: the same terms for both sides, scored
// for the side to move.
#pragma once
#include "engine/search4_position.h"

namespace zv::s4 {

// Value of a piece standing on the board, and of one in hand (slots 1..7).
int board_value(int kind);
int hand_value(int kind);

// How many pieces of each side bear on each square (guards included).
struct Influence {
  std::uint8_t count[2][NSQ];
};
void compute_influence(const Position& p, Influence& inf);

// Terms of the evaluation for one side, for tests and tuning.
struct SideTerms {
  int material = 0;
  int king_safety = 0;  // negative: the danger to this side's king
  int mobility = 0;
  int warp = 0;         // threats through warp squares
};
SideTerms side_terms(const Position& p, const Influence& inf, int side);

// Score of the position for the side to move, in hundredths of a pawn or so.
int evaluate(const Position& p);

}  // namespace zv::s4
