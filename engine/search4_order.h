// How promising a move looks before it is searched: captures (through warps
// too), promotions and checks first, and which forms are never worth trying.
#pragma once
#include <climits>

#include "engine/search4_position.h"

namespace zv::s4 {

inline constexpr int ORDER_TT = 1 << 30;
inline constexpr int ORDER_CAPTURE = 1 << 26;
inline constexpr int ORDER_PROMOTION = 1 << 23;
inline constexpr int ORDER_CHECK = 1 << 22;
inline constexpr int ORDER_QUIET_CEILING = 1 << 21;  // at or above: a tactical move
inline constexpr int ORDER_KILLER1 = (1 << 16) + 2;
inline constexpr int ORDER_KILLER2 = (1 << 16) + 1;
inline constexpr int ORDER_SELF_CAPTURE = -(1 << 20);  // a warp onto an own piece
inline constexpr int ORDER_SKIP = INT_MIN;

// A pawn, bishop or rook that may promote and does not: never better.
bool dominated(const Position& p, Move m);
int order_score(const Position& p, Move m);
// What the move takes, as material swing (board value lost plus hand value won).
int capture_gain(const Position& p, Move m);
// The moved piece will bear on the enemy king from where it lands.
bool direct_check(const Position& p, Move m);
// The piece kind of `side` on `from` bears on `target` on this board.
bool piece_reaches(const Position& p, int side, int kind, int from, int target);

}  // namespace zv::s4
