// The searching player's own position against the game's rules and move
// routines, on random positions with warps, drops and promotions, for both
// sides.
#include <gtest/gtest.h>

#include "engine/search4_support.h"

namespace zv {
namespace {

using namespace s4;
using test4::MoveKey;

std::vector<test4::Position> positions() {
  auto out = test4::random_positions(40, 0x4a11ce);
  const std::size_t plain = out.size();
  for (std::size_t i = 0; i < plain; i += 2)
    out.push_back(test4::with_occupied_warp(out[i], static_cast<int>(i)));
  return out;
}

bool same(const s4::Position& a, const s4::Position& b) {
  for (int s = 0; s < NSQ; ++s)
    if (a.sq[s] != b.sq[s] || a.warp[s] != b.warp[s] || a.partner(s) != b.partner(s)) return false;
  for (int side = 0; side < 2; ++side) {
    for (int k = 1; k <= HAND_SLOTS; ++k)
      if (a.hand[side][k] != b.hand[side][k]) return false;
    for (int x = 1; x <= BAN_SIZE; ++x)
      if (a.pawns[side][x] != b.pawns[side][x]) return false;
    if (a.king[side] != b.king[side]) return false;
  }
  return a.side == b.side && a.winner == b.winner && a.key == b.key;
}

TEST(Search4Rules, GeneratesExactlyTheMovesTheRulesAllow) {
  for (const auto& tp : positions())
    for (int side_code : {SENTE, GOTE}) {
      const BoardState s = test4::board_of(tp);
      const s4::Position p = from_board(s, side_code);
      MoveList list;
      generate_moves(p, list);
      std::set<MoveKey> mine;
      for (int i = 0; i < list.size; ++i) {
        const ComMove c = to_com_move(p, list.moves[i]);
        EXPECT_TRUE(mine.insert({c.sx, c.sy, c.dx, c.dy, c.result}).second) << "listed twice";
      }
      ASSERT_EQ(mine, test4::rule_moves(s, side_code));

      // Captures are exactly the moves that take a piece of the other side.
      MoveList caps;
      generate_captures(p, caps);
      for (int i = 0; i < caps.size; ++i) {
        s4::Position q = p;
        Undo u;
        q.make(caps.moves[i], u);
        int before = 0, after = 0;
        for (int t = 0; t < NSQ; ++t) {
          before += p.sq[t] != 0 && side_of(p.sq[t]) != p.side;
          after += q.sq[t] != 0 && side_of(q.sq[t]) != p.side;
        }
        EXPECT_LT(after, before);
      }
    }
}

// Each move made on the compact position leaves what the game's own routines
// leave (the used warp pair gone instead of placed anew); unmake restores
// every field; the key follows every change.
TEST(Search4Rules, MakeMatchesTheGameAndUnmakeRestoresExactly) {
  int warps = 0, own_taken = 0, kings = 0;
  for (const auto& tp : positions())
    for (int side_code : {SENTE, GOTE}) {
      const BoardState s = test4::board_of(tp);
      s4::Position p = from_board(s, side_code);
      ASSERT_EQ(p.key, p.compute_key());
      const s4::Position start = p;
      MoveList list;
      generate_moves(p, list);
      for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[i];
        const ComMove c = to_com_move(p, m);
        BoardState ref = s;
        const int w = ref.warp_map[c.dx][c.dy];
        int px = 0, py = 0;
        const bool warped = w != 0 && warp_partner(ref, c.dx, c.dy, px, py);
        const int taken = warped ? ref.board[px][py] : 0;
        駒移動_仮(ref, c.sx, c.sy, c.dx, c.dy, c.result);
        if (warped) {
          駒移動_IRVU_仮(ref, c.dx, c.dy, c.result);
          for (auto& col : ref.warp_map)
            for (int& v : col)
              if (v == w) v = 0;
          ++warps;
          own_taken += taken != 0 && (taken > 0) == (side_code > 0);
        }
        Undo u;
        p.make(m, u);
        s4::Position expect = from_board(ref, -side_code);
        expect.winner = p.winner;
        for (int side = 0; side < 2; ++side)
          if (expect.king[side] == NO_SQ && start.king[side] != NO_SQ) {
            EXPECT_EQ(p.winner, 1 - side) << "the king's owner loses";
            ++kings;
          }
        EXPECT_TRUE(same(p, expect)) << "move " << c.sx << c.sy << "-" << c.dx << c.dy;
        EXPECT_EQ(p.key, p.compute_key());
        EXPECT_NE(p.key, start.key);
        p.unmake(u);
        ASSERT_TRUE(same(p, start));
      }
    }
  EXPECT_GT(warps, 100);
  EXPECT_GT(own_taken, 0);
  EXPECT_GT(kings, 0);
}

// Whether a king can be taken at once, checked against trying every move.
TEST(Search4Rules, KingCapturableMeansSomeMoveTakesTheKing) {
  int yes = 0;
  for (const auto& tp : positions())
    for (int side_code : {SENTE, GOTE}) {
      s4::Position p = from_board(test4::board_of(tp), side_code);
      MoveList list;
      generate_moves(p, list);
      bool takes = false;
      for (int i = 0; i < list.size && !takes; ++i) {
        Undo u;
        p.make(list.moves[i], u);
        takes = p.winner == 1 - p.side;
        p.unmake(u);
      }
      EXPECT_EQ(king_capturable(p, p.side), takes);
      yes += takes;
    }
  EXPECT_GT(yes, 0);
}

TEST(Search4Rules, KeyCoversHandsWarpsAndSideToMove) {
  BoardState s = test4::board_of(test4::random_positions(1, 7)[0]);
  const std::uint64_t base = from_board(s, SENTE).key;
  EXPECT_NE(from_board(s, GOTE).key, base);
  s.com_hand[SLOT_KIN] += 1;
  EXPECT_NE(from_board(s, SENTE).key, base);
  s.com_hand[SLOT_KIN] -= 1;
  s.man_hand[SLOT_KIN] += 1;
  EXPECT_NE(from_board(s, SENTE).key, base);
  s.man_hand[SLOT_KIN] -= 1;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (s.warp_map[x][y] == IRVU_AKA) s.warp_map[x][y] = IRVU_AO + 1;
  EXPECT_NE(from_board(s, SENTE).key, base);
}

}  // namespace
}  // namespace zv
