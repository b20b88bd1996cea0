// Positions for the searching player's tests: random games played with the
// game's own rules (warps placed anew as in play), and variants with pieces
// standing on warp squares, which real play never leaves behind.
#pragma once
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "engine/bench_suite.h"
#include "engine/search4.h"

namespace zv::test4 {

using bench::Position;

inline BoardState board_of(const Position& p) {
  BoardState s;
  s.board = p.board;
  s.warp_map = p.warp;
  s.com_hand = p.com_hand;
  s.man_hand = p.man_hand;
  recount_hand_totals(s);
  locate_kings(s);
  return s;
}

inline std::vector<Position> random_positions(int count, unsigned long long seed) {
  auto q = std::make_unique<bench::QuietGame>();
  q->random.x = seed;
  std::vector<Position> out;
  while (static_cast<int>(out.size()) < count) {
    const int plies = 1 + static_cast<int>(q->random.next() * 110);
    q->clock.sleep(1.3);
    Position p;
    if (bench::random_position(q->g(), plies, p)) out.push_back(p);
  }
  return out;
}

// The black pair moved under two occupied squares (an upper and a lower
// piece when there are such), so warps that take pieces are exercised.
inline Position with_occupied_warp(Position p, int pick) {
  std::vector<std::pair<int, int>> upper, lower;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      if (p.warp[x][y] == IRVU_KURO) p.warp[x][y] = 0;
      if (p.board[x][y] >= UE_MIN) upper.push_back({x, y});
      if (p.board[x][y] <= SITA_MAX) lower.push_back({x, y});
    }
  const auto a = upper[pick % upper.size()], b = lower[(pick * 7 + 3) % lower.size()];
  if (p.warp[a.first][a.second] == 0 && p.warp[b.first][b.second] == 0) {
    p.warp[a.first][a.second] = IRVU_KURO;
    p.warp[b.first][b.second] = IRVU_KURO;
  }
  return p;
}

using MoveKey = std::tuple<int, int, int, int, int>;  // sx, sy, dx, dy, result

// Every move and drop the game's rules allow the side of sign side_code,
// each promotion form the rules allow as a separate move.
inline std::set<MoveKey> rule_moves(BoardState s, int side_code) {
  std::vector<bench::RandomMove> moves;
  bench::list_moves(s, side_code, moves);
  std::set<MoveKey> out;
  for (const auto& m : moves) {
    const bool drop = m.sx == COM_HAND_X || m.sx == MAN_HAND_X;
    if (!drop && 調査_駒成(s, m.sx, m.sy, m.dx, m.dy, m.piece) == YES)
      out.insert({m.sx, m.sy, m.dx, m.dy, s.promoted_code});
    if (drop || 移動後チェック(m.dy, m.piece) == YES) out.insert({m.sx, m.sy, m.dx, m.dy, m.piece});
  }
  return out;
}

// The game's answer for a computer move: empty when allowed, else why not.
inline std::string refusal(BoardState s, int side_code, const ComMove& m) {
  if (!m.found) return "no move";
  for (const MoveKey& k : rule_moves(s, side_code))
    if (k == MoveKey{m.sx, m.sy, m.dx, m.dy, m.result}) {
      const bool drop = m.sx == COM_HAND_X || m.sx == MAN_HAND_X;
      const int on_origin =
          drop ? side_code * SLOT_CODE[side_code > 0 ? m.sy : m.sy - MAN_HAND_ROW_OFFSET]
               : s.board[m.sx][m.sy];
      return on_origin == m.source ? "" : "wrong source code";
    }
  return "not allowed by the rules";
}

}  // namespace zv::test4
