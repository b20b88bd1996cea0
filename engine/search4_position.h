// The searching player's own compact position: 81 squares of small signed
// kinds, both hands, the warp map and the side to move, with an incremental
// make/unmake and a Zobrist key. It knows the game's rules (the same answers
// as 移動チェック, the must-promote rows, no second pawn in a column, warps,
// a captured king ends the game) but nothing of the window, so it can be
// copied to a worker thread.
#pragma once
#include <cstdint>

#include "model/state.h"

namespace zv::s4 {

inline constexpr int NSQ = 81;
inline constexpr int NO_SQ = -1;

// Squares run column-major like every scan of the game (X outer, Y inner).
constexpr int sq_of(int x, int y) {
  return (x - 1) * BAN_SIZE + (y - 1);
}
constexpr int x_of(int sq) {
  return sq / BAN_SIZE + 1;
}
constexpr int y_of(int sq) {
  return sq % BAN_SIZE + 1;
}

// Kinds 1..7 are also the hand slots (pawn .. rook).
enum Kind : int { NONE = 0, FU, KY, KE, GI, KI, KA, HI, OU, TO, NY, NK, NG, UM, RY, KIND_COUNT };
constexpr int promoted_kind(int k) {
  switch (k) {
    case FU:
      return TO;
    case KY:
      return NY;
    case KE:
      return NK;
    case GI:
      return NG;
    case KA:
      return UM;
    case HI:
      return RY;
    default:
      return k;
  }
}
constexpr int base_kind(int k) {
  switch (k) {
    case TO:
      return FU;
    case NY:
      return KY;
    case NK:
      return KE;
    case NG:
      return GI;
    case UM:
      return KA;
    case RY:
      return HI;
    default:
      return k;
  }
}

// Side 0 owns the positive codes and moves toward row 9; side 1 the negative
// codes, toward row 1. A piece is +kind for side 0 and -kind for side 1.
inline constexpr int UPPER = 0, LOWER = 1;
constexpr int forward_dy(int side) {
  return side == UPPER ? 1 : -1;
}
constexpr int piece_of(int side, int kind) {
  return side == UPPER ? kind : -kind;
}
constexpr int side_of(int piece) {
  return piece > 0 ? UPPER : LOWER;
}
constexpr int kind_of(int piece) {
  return piece < 0 ? -piece : piece;
}
constexpr bool in_zone(int side, int y) {
  return side == UPPER ? y >= 7 : y <= 3;
}

// A move in 15 bits: origin (0..80 a square, DROP_BASE + slot - 1 a drop),
// destination square, promotion. 0 is no move.
using Move = std::uint16_t;
inline constexpr int DROP_BASE = NSQ;
constexpr Move make_move(int from, int to, bool promote) {
  return static_cast<Move>(from | (to << 7) | (promote ? 1 << 14 : 0));
}
constexpr Move make_drop(int kind, int to) {
  return make_move(DROP_BASE + kind - 1, to, false);
}
constexpr int move_from(Move m) {
  return m & 127;
}
constexpr int move_to(Move m) {
  return (m >> 7) & 127;
}
constexpr bool move_promotes(Move m) {
  return (m >> 14) & 1;
}
constexpr bool move_is_drop(Move m) {
  return move_from(m) >= DROP_BASE;
}
constexpr int drop_kind(Move m) {
  return move_from(m) - DROP_BASE + 1;
}

inline constexpr int MAX_MOVES = 700;  // board moves plus every drop, generously

struct MoveList {
  Move moves[MAX_MOVES];
  int size = 0;
  void add(Move m) { moves[size++] = m; }
};

// What make() needs to undo a move exactly.
struct Undo {
  Move move = 0;
  std::int8_t moved = 0;                // piece before the move (a drop: the unpromoted piece)
  std::int8_t captured = 0;             // piece taken on the destination
  std::int8_t captured2 = 0;            // piece taken on the warp partner
  std::int8_t land = NO_SQ;             // where the piece stands after the move
  std::uint8_t warp_colour = 0;         // the used warp colour, 0 when none
  std::uint64_t warp_bits[2] = {0, 0};  // squares of that colour before the move
  std::uint64_t key = 0;
  std::int8_t king[2] = {NO_SQ, NO_SQ};
  std::int8_t winner = -1;
};

struct Position {
  std::int8_t sq[NSQ] = {};
  std::uint8_t warp[NSQ] = {};     // 0 or the colour code 16..19
  std::int8_t pair[NSQ];           // partner of each warp square (NO_SQ: none), kept with warp
  std::uint8_t hand[2][8] = {};    // [side][slot 1..7]
  std::uint8_t pawns[2][10] = {};  // unpromoted pawns per column 1..9
  std::int8_t king[2] = {NO_SQ, NO_SQ};
  int side = UPPER;  // to move
  int winner = -1;   // the side that captured a king, -1 while the game runs
  std::uint64_t key = 0;

  Position() {
    for (auto& v : pair) v = NO_SQ;
  }
  // The partner square of the warp square s: the first other square of the
  // same colour in scan order, NO_SQ when there is none.
  int partner(int s) const { return pair[s]; }
  // Sets the partners of every square of one colour from the warp map.
  void link_colour(int colour);
  void make(Move m, Undo& u);
  void unmake(const Undo& u);
  std::uint64_t compute_key() const;  // from scratch, for set-up and tests
};

// Every move the rules allow the side to move: board moves with each allowed
// promotion form and every drop.
void generate_moves(const Position& p, MoveList& out);
// Moves that take a piece, on the destination or, through a warp, on its partner.
void generate_captures(const Position& p, MoveList& out);

// True when `by` has a piece that may move onto square s (warps not counted).
bool attacked(const Position& p, int s, int by);
// True when `by` can take the other side's king with its next move, warps and
// drops onto a warp square included.
bool king_capturable(const Position& p, int by);

// The game's position with `side_code` to move (+1 the positive codes, -1 the
// negative ones), and back to the game's codes.
Position from_board(const BoardState& s, int side_code);
int game_code(int piece);
int piece_from_code(int code);

}  // namespace zv::s4
