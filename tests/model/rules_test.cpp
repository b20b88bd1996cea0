#include "model/rules.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/fakes.h"
#include "support/positions.h"

namespace zv {
namespace {

using Squares = std::set<std::pair<int, int>>;

// Every square the piece on (x, y) may move to on the given board.
Squares reach(const BoardState& s, int x, int y) {
  Squares out;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j)
      if (移動チェック(s, x, y, i, j, s.board[x][y]) == YES) out.insert({i, j});
  return out;
}

Squares drops(const BoardState& s, int hand_x, int code) {
  Squares out;
  for (int i = 1; i <= 9; ++i)
    for (int j = 1; j <= 9; ++j)
      if (移動チェック(s, hand_x, 0, i, j, code) == YES) out.insert({i, j});
  return out;
}

struct Geometry {
  int code;
  Squares expected;  // from (5, 5) on an empty board
};

class PieceGeometry : public ::testing::TestWithParam<Geometry> {};

TEST_P(PieceGeometry, FromCentreOfEmptyBoard) {
  BoardState s;
  test::clear_board(s);
  s.board[5][5] = GetParam().code;
  EXPECT_EQ(reach(s, 5, 5), GetParam().expected) << "code " << GetParam().code;
}

Squares gold_up() {
  return {{4, 6}, {5, 6}, {6, 6}, {4, 5}, {6, 5}, {5, 4}};
}
Squares gold_down() {
  return {{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}};
}
Squares line(int dx, int dy) {
  Squares out;
  for (int x = 5 + dx, y = 5 + dy; x >= 1 && x <= 9 && y >= 1 && y <= 9; x += dx, y += dy)
    out.insert({x, y});
  return out;
}
Squares join(std::initializer_list<Squares> parts) {
  Squares out;
  for (auto& p : parts) out.insert(p.begin(), p.end());
  return out;
}
Squares king() {
  Squares out;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx || dy) out.insert({5 + dx, 5 + dy});
  return out;
}
Squares rook() {
  return join({line(1, 0), line(-1, 0), line(0, 1), line(0, -1)});
}
Squares bishop() {
  return join({line(1, 1), line(-1, 1), line(1, -1), line(-1, -1)});
}

INSTANTIATE_TEST_SUITE_P(
    BothSides, PieceGeometry,
    ::testing::Values(Geometry{UE_HU, {{5, 6}}}, Geometry{SITA_HU, {{5, 4}}},
                      Geometry{UE_KYOU, line(0, 1)}, Geometry{SITA_KYOU, line(0, -1)},
                      Geometry{UE_KEI, {{4, 7}, {6, 7}}}, Geometry{SITA_KEI, {{4, 3}, {6, 3}}},
                      Geometry{UE_GIN, {{4, 6}, {5, 6}, {6, 6}, {4, 4}, {6, 4}}},
                      Geometry{SITA_GIN, {{4, 4}, {5, 4}, {6, 4}, {4, 6}, {6, 6}}},
                      Geometry{UE_KIN, gold_up()}, Geometry{SITA_KIN, gold_down()},
                      Geometry{UE_TO, gold_up()}, Geometry{SITA_TO, gold_down()},
                      Geometry{UE_NARIKYOU, gold_up()}, Geometry{SITA_NARIKYOU, gold_down()},
                      Geometry{UE_NARIKEI, gold_up()}, Geometry{SITA_NARIKEI, gold_down()},
                      Geometry{UE_NARIGIN, gold_up()}, Geometry{SITA_NARIGIN, gold_down()},
                      Geometry{UE_KAKU, bishop()}, Geometry{SITA_KAKU, bishop()},
                      Geometry{UE_UMA, join({bishop(), king()})},
                      Geometry{SITA_UMA, join({bishop(), king()})}, Geometry{UE_SYA, rook()},
                      Geometry{SITA_SYA, rook()}, Geometry{UE_RYU, join({rook(), king()})},
                      Geometry{SITA_RYU, join({rook(), king()})}, Geometry{UE_OU, king()},
                      Geometry{SITA_OU, king()}));

class Rules : public ::testing::Test {
 protected:
  test::TestGame t;
  BoardState& s = t.s();
  void SetUp() override { test::clear_board(s); }
};

TEST_F(Rules, StartingPositionPawnsAndKnights) {
  初期設定(t.g());
  EXPECT_EQ(reach(s, 5, 7), (Squares{{5, 6}}));
  EXPECT_EQ(reach(s, 5, 3), (Squares{{5, 4}}));
  // Knights are boxed in by their own pawns at the start.
  EXPECT_TRUE(reach(s, 2, 9).empty());
  s.board[1][7] = EMPTY;
  s.board[3][7] = UE_HU;  // an enemy piece may be taken
  EXPECT_EQ(reach(s, 2, 9), (Squares{{1, 7}, {3, 7}}));
  s.board[1][3] = EMPTY;
  s.board[3][3] = EMPTY;
  EXPECT_EQ(reach(s, 2, 1), (Squares{{1, 3}, {3, 3}}));
}

TEST_F(Rules, LinesStopAtTheFirstPieceOfEitherSide) {
  s.board[5][9] = SITA_KYOU;
  s.board[5][5] = UE_HU;
  EXPECT_EQ(reach(s, 5, 9), (Squares{{5, 8}, {5, 7}, {5, 6}, {5, 5}}));
  s.board[5][5] = SITA_HU;
  EXPECT_EQ(reach(s, 5, 9), (Squares{{5, 8}, {5, 7}, {5, 6}}));

  s.board[1][1] = UE_SYA;
  s.board[4][1] = SITA_GIN;
  s.board[1][3] = UE_GIN;
  EXPECT_EQ(reach(s, 1, 1), (Squares{{2, 1}, {3, 1}, {4, 1}, {1, 2}}));

  s.board[9][9] = SITA_KAKU;
  s.board[6][6] = UE_KIN;
  EXPECT_EQ(reach(s, 9, 9), (Squares{{8, 8}, {7, 7}, {6, 6}}));
  EXPECT_EQ(移動チェック角(s, 9, 9, 5, 5), NO);
  EXPECT_EQ(移動チェック飛車(s, 1, 1, 5, 1), NO);
}

TEST_F(Rules, HorseAndDragonStepOneSquareTheOtherWay) {
  s.board[5][5] = SITA_UMA;
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 4, SITA_UMA), YES);
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 4, SITA_KAKU), NO);
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 3, SITA_UMA), NO);
  s.board[5][5] = UE_RYU;
  EXPECT_EQ(移動チェック(s, 5, 5, 4, 4, UE_RYU), YES);
  EXPECT_EQ(移動チェック(s, 5, 5, 3, 3, UE_RYU), NO);
}

TEST_F(Rules, OwnPieceOriginAndBoundsAreRefused) {
  s.board[5][5] = SITA_KIN;
  s.board[5][4] = SITA_HU;
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 4, SITA_KIN), NO);
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 5, SITA_KIN), NO);
  EXPECT_EQ(移動チェック(s, 5, 5, 0, 5, SITA_KIN), NO);
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 10, SITA_KIN), NO);
  s.board[5][4] = UE_HU;
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 4, SITA_KIN), YES);
}

TEST_F(Rules, SilverAndPromotedPawnRetreat) {
  EXPECT_EQ(移動チェック(s, 5, 5, 4, 6, SITA_GIN), YES);
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 6, SITA_GIN), NO);
  EXPECT_EQ(移動チェック(s, 5, 5, 5, 6, SITA_TO), YES);
  EXPECT_EQ(移動チェック(s, 5, 5, 4, 6, SITA_TO), NO);
}

TEST_F(Rules, DropsGoOnlyToEmptySquaresAnyRow) {
  s.board[5][5] = UE_KIN;
  EXPECT_EQ(移動チェック(s, MAN_HAND_X, 3, 5, 5, SITA_HU), NO);
  EXPECT_EQ(移動チェック(s, MAN_HAND_X, 3, 5, 1, SITA_HU), YES);
  EXPECT_EQ(移動チェック(s, MAN_HAND_X, 4, 5, 1, SITA_KYOU), YES);
  EXPECT_EQ(移動チェック(s, MAN_HAND_X, 5, 5, 2, SITA_KEI), YES);
  EXPECT_EQ(移動チェック(s, COM_HAND_X, 1, 5, 9, UE_HU), YES);
  EXPECT_EQ(移動チェック(s, COM_HAND_X, 3, 4, 8, UE_KEI), YES);
  EXPECT_EQ(drops(s, COM_HAND_X, UE_KAKU).size(), 80u);
}

TEST_F(Rules, SecondUnpromotedPawnInAColumnIsRefused) {
  s.board[4][6] = SITA_HU;
  s.board[6][6] = SITA_TO;
  for (int y = 1; y <= 9; ++y) {
    if (y != 6) {
      EXPECT_EQ(移動チェック(s, MAN_HAND_X, 3, 4, y, SITA_HU), NO) << y;
    }
    EXPECT_EQ(移動チェック(s, COM_HAND_X, 1, 4, y == 6 ? 5 : y, UE_HU), YES) << y;
  }
  // A promoted pawn does not count.
  EXPECT_EQ(移動チェック(s, MAN_HAND_X, 3, 6, 5, SITA_HU), YES);
  EXPECT_TRUE(pawn_in_column(s, 4, SITA_HU));
  EXPECT_FALSE(pawn_in_column(s, 4, UE_HU));
}

TEST_F(Rules, MovesThatLeaveTheKingAttackedAreAllowed) {
  s.board[5][9] = SITA_OU;
  s.board[5][8] = SITA_KIN;
  s.board[5][1] = UE_SYA;
  EXPECT_EQ(移動チェック(s, 5, 8, 4, 8, SITA_KIN), YES);
  EXPECT_EQ(移動チェック(s, 5, 9, 5, 8, SITA_OU), NO);
}

struct AfterMove {
  int code, row, answer;
};
class MustPromote : public ::testing::TestWithParam<AfterMove> {};
TEST_P(MustPromote, Rows) {
  EXPECT_EQ(移動後チェック(GetParam().row, GetParam().code), GetParam().answer);
}
INSTANTIATE_TEST_SUITE_P(Table, MustPromote,
                         ::testing::Values(AfterMove{UE_HU, 9, NO}, AfterMove{UE_HU, 8, YES},
                                           AfterMove{UE_KYOU, 9, NO}, AfterMove{UE_KEI, 8, NO},
                                           AfterMove{UE_KEI, 7, YES}, AfterMove{SITA_HU, 1, NO},
                                           AfterMove{SITA_HU, 2, YES}, AfterMove{SITA_KYOU, 1, NO},
                                           AfterMove{SITA_KEI, 2, NO}, AfterMove{SITA_KEI, 3, YES},
                                           AfterMove{SITA_GIN, 1, YES}, AfterMove{SITA_TO, 1, YES},
                                           AfterMove{UE_NARIKEI, 9, YES},
                                           AfterMove{SITA_OU, 1, YES}));

}  // namespace
}  // namespace zv
