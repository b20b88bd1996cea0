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

// Score of the position for the side to move, in hundredths of a pawn or so.
int evaluate(const Position& p);

}  // namespace zv::s4
