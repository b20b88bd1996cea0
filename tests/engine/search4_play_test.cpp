// What the searching player chooses: always a move the rules allow, mates it
// can see, material it can take, and a king it does not leave to be taken.
// Every position is tried for the upper side and, turned round, for the lower.
#include <gtest/gtest.h>

#include "engine/search4_support.h"
#include "support/positions.h"

namespace zv {
namespace {

using namespace s4;

// A deterministic limit: the same choice on every machine.
constexpr Limits NODES{0, 300000, 0};

// The position turned 180 degrees with the sides exchanged.
BoardState turned(const BoardState& in) {
  BoardState out;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      out.board[10 - x][10 - y] = -in.board[x][y];
      out.warp_map[10 - x][10 - y] = in.warp_map[x][y];
    }
  out.com_hand = in.man_hand;
  out.man_hand = in.com_hand;
  return out;
}

// For the upper side's move m on s, the same move on turned(s).
ComMove turned(const ComMove& m) {
  ComMove r = m;
  if (m.sx == COM_HAND_X) {
    r.sx = MAN_HAND_X;
    r.sy = m.sy + MAN_HAND_ROW_OFFSET;
  } else {
    r.sx = 10 - m.sx;
    r.sy = 10 - m.sy;
  }
  r.dx = 10 - m.dx;
  r.dy = 10 - m.dy;
  r.result = -m.result;
  r.source = -m.source;
  return r;
}

BoardState rows(const char* const r[9], Hand com_hand = {}, Hand man_hand = {}) {
  BoardState s;
  test::set_rows(s, r);
  s.com_hand = com_hand;
  s.man_hand = man_hand;
  return s;
}

struct Choice {
  ComMove move;
  Result detail;
};

// The choice for the upper side on s and for the lower side on s turned round.
std::pair<Choice, Choice> both_sides(const BoardState& s, Limits limits = NODES) {
  Searcher searcher(18);
  Choice up, low;
  up.move = search4_move(searcher, s, SENTE, limits, nullptr, &up.detail);
  low.move = search4_move(searcher, turned(s), GOTE, limits, nullptr, &low.detail);
  return {up, low};
}

bool same_move(const ComMove& a, const ComMove& b) {
  return a.sx == b.sx && a.sy == b.sy && a.dx == b.dx && a.dy == b.dy && a.result == b.result;
}

TEST(Search4Play, NeverReturnsAMoveTheRulesRefuse) {
  auto ps = test4::random_positions(16, 0xbadc0de);
  ps.push_back(test4::with_occupied_warp(ps[0], 3));
  ps.push_back(test4::with_occupied_warp(ps[5], 8));
  Searcher searcher(16);
  for (const auto& tp : ps)
    for (int side_code : {SENTE, GOTE}) {
      const BoardState s = test4::board_of(tp);
      const ComMove m = search4_move(searcher, s, side_code, Limits{0, 4000, 0});
      EXPECT_EQ(test4::refusal(s, side_code, m), "");
    }
}

TEST(Search4Play, SameNodeLimitSameChoice) {
  const BoardState s = test4::board_of(test4::random_positions(1, 99)[0]);
  Searcher a(16), b(18);
  const ComMove m1 = search4_move(a, s, SENTE, Limits{0, 20000, 0});
  search4_move(a, test4::board_of(test4::random_positions(1, 5)[0]), GOTE, Limits{0, 5000, 0});
  const ComMove m2 = search4_move(a, s, SENTE, Limits{0, 20000, 0});
  const ComMove m3 = search4_move(b, s, SENTE, Limits{0, 20000, 0});
  EXPECT_TRUE(same_move(m1, m2));
  EXPECT_TRUE(same_move(m1, m3));
}

// A gold dropped in front of the king, guarded by a pawn: every reply loses the king.
TEST(Search4Play, FindsMateInOne) {
  const char* r[9] = {"........K.........", "..................", "..................",
                      "..................", "..................", "..................",
                      "........P.........", "..................", "......l.k.l......."};
  const BoardState s = rows(r, Hand{0, 0, 0, 0, 0, 1, 0, 0});
  const auto [up, low] = both_sides(s);
  const ComMove mate{true, COM_HAND_X, SLOT_KIN, 5, 8, UE_KIN, UE_KIN};
  EXPECT_TRUE(same_move(up.move, mate));
  EXPECT_GT(up.detail.score, MATE_BOUND);
  EXPECT_TRUE(same_move(low.move, turned(mate)));
}

// A horse with a lance, silver and rook in hand against a king behind its
// lance: mate in three moves, starting with a silver drop. The one-move
// searcher pulls the horse back instead, and the mate is gone.
TEST(Search4Play, FindsAMateInThreeLevel3Misses) {
  const char* r[9] = {"........K.........", "..................", "..................",
                      "..................", "..................", "..............B+..",
                      "..........n...l...", "..............k...", ".................."};
  const BoardState s = rows(r, Hand{0, 0, 1, 0, 1, 0, 0, 1});
  Searcher searcher(18);
  int moves = 0;
  EXPECT_NE(searcher.mate_search(from_board(s, SENTE), 3, 2000000, &moves), 0);
  EXPECT_EQ(moves, 3);
  EXPECT_EQ(searcher.mate_search(from_board(s, SENTE), 2, 2000000), 0);

  const auto [up, low] = both_sides(s, Limits{0, 2000000, 0});
  EXPECT_GT(up.detail.score, MATE_BOUND);
  EXPECT_GT(low.detail.score, MATE_BOUND);

  auto q = std::make_unique<bench::QuietGame>();
  bench::Position bp{s.board, s.warp_map, s.com_hand, s.man_hand};
  bench::set_up(q->g(), bp, 3);
  const ComMove level3 = com_search(q->g().st);
  EXPECT_FALSE(same_move(level3, up.move));
  // After the level-3 move the lower side has a reply that escapes for good.
  s4::Position after = from_board(s, SENTE);
  MoveList list;
  generate_moves(after, list);
  for (int i = 0; i < list.size; ++i)
    if (same_move(to_com_move(after, list.moves[i]), level3)) {
      Undo u;
      after.make(list.moves[i], u);
      break;
    }
  ASSERT_EQ(after.side, LOWER);
  const int score = searcher.search(after, Limits{0, 1000000, 0}).score;
  EXPECT_LT(score, MATE_BOUND);
  EXPECT_GT(score, -MATE_BOUND);
}

// A lower rook stands unguarded in front of an upper gold.
TEST(Search4Play, TakesAHangingPiece) {
  const char* r[9] = {"........K.........", "..................", "....P.P.P.P.P.....",
                      "........G.........", "........r.........", "..................",
                      "....p.p...p.p.....", "..................", "........k........."};
  const auto [up, low] = both_sides(rows(r));
  const ComMove take{true, 5, 4, 5, 5, UE_KIN, UE_KIN};
  EXPECT_TRUE(same_move(up.move, take));
  EXPECT_TRUE(same_move(low.move, turned(take)));
}

// The upper king stands on the open column of a lower rook while a lower
// bishop can be taken elsewhere: the king must come first.
TEST(Search4Play, DoesNotLeaveItsKingToBeTaken) {
  const char* r[9] = {"........K.........", "..................", "P.P.........P.P.P.",
                      "..................", "........r.....b...", "................N.",
                      "p.p.........p.p...", "..................", "..........k......."};
  const BoardState s = rows(r);
  const auto [up, low] = both_sides(s);
  for (const auto& [choice, side_code, board] :
       {std::tuple{up, SENTE, s}, std::tuple{low, GOTE, turned(s)}}) {
    EXPECT_EQ(test4::refusal(board, side_code, choice.move), "");
    s4::Position p = from_board(board, side_code);
    MoveList list;
    generate_moves(p, list);
    for (int i = 0; i < list.size; ++i)
      if (same_move(to_com_move(p, list.moves[i]), choice.move)) {
        Undo u;
        p.make(list.moves[i], u);
        EXPECT_FALSE(king_capturable(p, p.side));
        break;
      }
    EXPECT_EQ(p.side, 1 - from_board(board, side_code).side) << "the chosen move was listed";
  }
}

TEST(Search4Play, StopFlagEndsTheSearchWithAnAllowedMove) {
  const BoardState s = test4::board_of(test4::random_positions(1, 3)[0]);
  Searcher searcher(16);
  std::atomic<bool> stop{true};
  Result r;
  const ComMove m = search4_move(searcher, s, SENTE, Limits{0, 0, 0}, &stop, &r);
  EXPECT_EQ(test4::refusal(s, SENTE, m), "");
  EXPECT_LT(r.nodes, 5000);
}

}  // namespace
}  // namespace zv
