// Constant tables of the searching player, computed at compile time: the
// Zobrist numbers and how each kind steps and slides for each side.
#pragma once
#include <array>
#include <cstdint>

#include "engine/search4_position.h"

namespace zv::s4 {

// The eight neighbour directions (dx, dy); dy is toward row 9.
inline constexpr int DIR_DX[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
inline constexpr int DIR_DY[8] = {-1, -1, -1, 0, 0, 1, 1, 1};

inline constexpr int PIECE_INDEX_OFFSET = 16;  // piece + offset indexes the key tables
inline constexpr int MAX_HAND_COUNT = 20;      // 18 pawns is the most one slot can hold
inline constexpr int WARP_COLOURS = 4;

struct Zobrist {
  std::uint64_t piece[NSQ][32];
  std::uint64_t hand[2][8][MAX_HAND_COUNT];
  std::uint64_t warp[NSQ][WARP_COLOURS + 1];
  std::uint64_t side;
};

constexpr std::uint64_t splitmix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

constexpr Zobrist make_zobrist() {
  Zobrist z{};
  std::uint64_t state = 0x2d0f5a11e7c3b9a1ull;
  for (auto& row : z.piece)
    for (auto& v : row) v = splitmix(state);
  for (auto& a : z.hand)
    for (auto& b : a)
      for (auto& v : b) v = splitmix(state);
  for (auto& row : z.warp)
    for (auto& v : row) v = splitmix(state);
  z.side = splitmix(state);
  return z;
}
inline constexpr Zobrist ZOBRIST = make_zobrist();

constexpr int warp_index(int colour) {
  return colour == 0 ? 0 : colour - IRVU_FIRST + 1;
}

// For each side and kind: the directions it steps one square (bit d of
// DIR_DX/DIR_DY) and the directions it slides; knights separately.
struct KindMoves {
  std::uint8_t step[2][KIND_COUNT];
  std::uint8_t slide[2][KIND_COUNT];
};

constexpr int dir_index(int dx, int dy) {
  for (int d = 0; d < 8; ++d)
    if (DIR_DX[d] == dx && DIR_DY[d] == dy) return d;
  return -1;
}

constexpr KindMoves make_kind_moves() {
  KindMoves k{};
  for (int side = 0; side < 2; ++side) {
    const int f = forward_dy(side);
    auto bit = [&](int dx, int dy) { return static_cast<std::uint8_t>(1u << dir_index(dx, dy)); };
    const std::uint8_t fwd3 = bit(-1, f) | bit(0, f) | bit(1, f);
    const std::uint8_t gold = fwd3 | bit(-1, 0) | bit(1, 0) | bit(0, -f);
    const std::uint8_t diag = bit(-1, -1) | bit(1, -1) | bit(-1, 1) | bit(1, 1);
    const std::uint8_t orth = bit(0, -1) | bit(0, 1) | bit(-1, 0) | bit(1, 0);
    k.step[side][FU] = bit(0, f);
    k.step[side][GI] = fwd3 | bit(-1, -f) | bit(1, -f);
    k.step[side][KI] = k.step[side][TO] = k.step[side][NY] = k.step[side][NK] = k.step[side][NG] =
        gold;
    k.step[side][OU] = diag | orth;
    k.step[side][UM] = orth;
    k.step[side][RY] = diag;
    k.slide[side][KY] = bit(0, f);
    k.slide[side][KA] = k.slide[side][UM] = diag;
    k.slide[side][HI] = k.slide[side][RY] = orth;
  }
  return k;
}
inline constexpr KindMoves KIND_MOVES = make_kind_moves();

constexpr bool on_board(int x, int y) {
  return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

// The square one step from s in direction d, or NO_SQ off the board.
struct Neighbours {
  std::int8_t to[NSQ][8];
};
constexpr Neighbours make_neighbours() {
  Neighbours n{};
  for (int s = 0; s < NSQ; ++s)
    for (int d = 0; d < 8; ++d) {
      const int x = x_of(s) + DIR_DX[d], y = y_of(s) + DIR_DY[d];
      n.to[s][d] = static_cast<std::int8_t>(on_board(x, y) ? sq_of(x, y) : NO_SQ);
    }
  return n;
}
inline constexpr Neighbours NEIGHBOURS = make_neighbours();

// A knight's two targets from s for each side (NO_SQ off the board).
struct KnightTargets {
  std::int8_t to[2][NSQ][2];
};
constexpr KnightTargets make_knight_targets() {
  KnightTargets k{};
  for (int side = 0; side < 2; ++side)
    for (int s = 0; s < NSQ; ++s)
      for (int i = 0; i < 2; ++i) {
        const int x = x_of(s) + (i == 0 ? -1 : 1), y = y_of(s) + 2 * forward_dy(side);
        k.to[side][s][i] = static_cast<std::int8_t>(on_board(x, y) ? sq_of(x, y) : NO_SQ);
      }
  return k;
}
inline constexpr KnightTargets KNIGHT_TARGETS = make_knight_targets();

}  // namespace zv::s4
