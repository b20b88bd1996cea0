// Mate tests of either king. Every position is written from the human's side
// and also played mirrored (board turned half round, sides swapped) against
// 詰めかCOM, which must give the same answer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "engine/survey_support.h"

namespace zv {
namespace {

using test::Position;

struct Layout {
  Grid board{};
  Hand hand{};  // the checked side's hand
  Layout& put(int x, int y, int c) {
    board[x][y] = c;
    return *this;
  }
  Layout& hold(int slot, int n) {
    hand[slot] = n;
    return *this;
  }
};

int total(const Hand& h) {
  int n = 0;
  for (int k = 1; k <= HAND_SLOTS; ++k) n += h[k];
  return n;
}

void load_for_man(Position& p, const Layout& st) {
  p.s.board = st.board;
  p.s.man_hand = st.hand;
  p.s.man_hand_total = total(st.hand);
}

void load_for_com(Position& p, const Layout& st) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) p.s.board[10 - x][10 - y] = -st.board[x][y];
  p.s.com_hand = st.hand;
  p.s.com_hand_total = total(st.hand);
}

// The human king on (5,9) in the corner of row 9, a computer rook checking
// along row 9 from (1,9); every flight square is the human's own or attacked,
// and no human piece can reach row 9 by a board move.
Layout row_check() {
  Layout st;
  st.put(5, 9, SITA_OU).put(1, 9, UE_SYA).put(9, 1, UE_OU);
  st.put(4, 8, SITA_KYOU).put(5, 8, SITA_HU).put(6, 8, SITA_HU).put(6, 9, SITA_KYOU);
  return st;
}

// A computer gold on (5,8) next to the human king on (5,9), backed by a silver.
Layout contact_check() {
  Layout st;
  st.put(5, 9, SITA_OU).put(5, 8, UE_KIN).put(4, 7, UE_GIN).put(9, 1, UE_OU);
  return st;
}

// A computer knight on (4,7) checks the king on (5,9), boxed in by its own pieces.
Layout knight_check() {
  Layout st;
  st.put(5, 9, SITA_OU).put(4, 7, UE_KEI).put(9, 1, UE_OU);
  st.put(4, 8, SITA_KEI).put(5, 8, SITA_HU).put(6, 8, SITA_HU);
  st.put(4, 9, SITA_KYOU).put(6, 9, SITA_KYOU);
  return st;
}

struct MateCase {
  const char* name;
  std::function<Layout()> setup;
  int mated;
};
void PrintTo(const MateCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<MateCase> cases() {
  return {
      {"NotInCheck",
       [] {
         Layout st = row_check();
         st.put(1, 9, EMPTY);
         return st;
       },
       0},
      {"RookCheckNoHand", row_check, 1},
      {"RookCheckGoldInHandBlocks", [] { return row_check().hold(SLOT_KIN, 1); }, 0},
      {"RookCheckPawnInHandDroppedLegally", [] { return row_check().hold(SLOT_HU, 2); }, 0},
      {"RookCheckPawnDropRefusedSecondPawn",
       [] { return row_check().hold(SLOT_HU, 1).put(2, 5, SITA_HU); }, 1},
      {"RookCheckMixedHandIgnoresPawnRule",
       [] { return row_check().hold(SLOT_HU, 1).hold(SLOT_GIN, 1).put(2, 5, SITA_HU); }, 0},
      {"RookCheckUnprotectedEnemyOnFlightSquare", [] { return row_check().put(6, 8, UE_HU); }, 0},
      {"RookCheckProtectedEnemyOnFlightSquare",
       [] { return row_check().put(6, 8, UE_HU).put(7, 7, UE_GIN); }, 1},
      {"RookCheckBlockedByABoardMove", [] { return row_check().put(3, 8, SITA_KIN); }, 0},
      {"RookCheckCheckerCapturedByLance",
       [] { return row_check().put(1, 8, EMPTY).put(1, 6, SITA_KYOU); }, 1},  // lance moves up only
      {"RookCheckCheckerCapturedByGold", [] { return row_check().put(1, 8, SITA_KIN); }, 0},
      {"ContactCheckSkipsBlockingEvenWithHand",
       [] { return contact_check().hold(SLOT_KIN, 1).hold(SLOT_HU, 3); }, 1},
      {"ContactCheckKingTakesUnprotectedChecker", [] { return contact_check().put(4, 7, EMPTY); },
       0},
      {"ContactCheckCheckerCapturedBySilver", [] { return contact_check().put(6, 7, SITA_GIN); },
       0},
      {"ContactCheckCaptureByPieceHeldByBishopFails",
       [] { return contact_check().put(6, 8, SITA_KIN).put(8, 6, UE_KAKU); }, 1},
      {"ContactCheckCaptureWithoutTheBishop", [] { return contact_check().put(6, 8, SITA_KIN); },
       0},
      {"KnightCheckWithPiecesInHandCannotBeBlocked",
       [] { return knight_check().hold(SLOT_KIN, 1); }, 1},
      {"KnightCheckKnightCaptured", [] { return knight_check().put(4, 8, SITA_KIN); }, 0},
      {"KnightCheckWithAFlightSquare", [] { return knight_check().put(6, 8, EMPTY); }, 0},
  };
}

class MateTest : public ::testing::TestWithParam<MateCase> {};

TEST_P(MateTest, HumanKing) {
  Position p;
  const Layout st = GetParam().setup();
  load_for_man(p, st);
  p.survey();
  const Grid before = p.s.board;
  EXPECT_EQ(詰めかMAN(p.s), GetParam().mated);
  EXPECT_EQ(p.s.board, before);
}

TEST_P(MateTest, ComputerKingMirrored) {
  Position p;
  load_for_com(p, GetParam().setup());
  p.survey();
  const Grid before = p.s.board;
  EXPECT_EQ(詰めかCOM(p.s), GetParam().mated);
  EXPECT_EQ(p.s.board, before);
}

INSTANTIATE_TEST_SUITE_P(Mate, MateTest, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Mate, ComputerKingDefenceFoundAfterAFailedTrialOpenedAnotherCheck) {
  // The computer king on (1,1) is checked by a human lance from (1,5). The rook
  // on (3,3) can block on (1,3) but then uncovers the bishop on (5,5); the
  // bishop on (4,7) blocks on (1,4) safely. The failed trial's survey must not
  // hide the lance's squares from the later defender.
  Position p;
  p.put(1, 1, UE_OU).put(1, 5, SITA_KYOU).put(3, 3, UE_SYA).put(5, 5, SITA_KAKU);
  p.put(4, 7, UE_KAKU).put(2, 1, UE_HU).put(3, 4, SITA_KEI).put(9, 9, SITA_OU);
  p.survey();
  ASSERT_GT(p.s.man_influence[1][1], 0);
  EXPECT_EQ(詰めかCOM(p.s), 0);
  // The maps now describe the defended position it tried last.
  EXPECT_EQ(p.s.man_influence[1][1], 0);
  EXPECT_EQ(p.s.board[1][4], EMPTY);
  EXPECT_EQ(p.s.board[4][7], UE_KAKU);
  勢力調査(p.s);
  p.s.board[4][7] = EMPTY;  // without the bishop there is no defence
  勢力調査(p.s);
  EXPECT_EQ(詰めかCOM(p.s), 1);
}

TEST(Mate, ComputerKingRerunsTheSurveyForEachDefence) {
  // Mated: the last survey it ran is of a trial position, not the real one.
  Position p;
  Layout st = contact_check().put(6, 8, SITA_KIN).put(8, 6, UE_KAKU);
  load_for_com(p, st);
  p.survey();
  const Map real_com = p.s.com_influence;
  ASSERT_EQ(詰めかCOM(p.s), 1);
  EXPECT_NE(p.s.com_influence, real_com);
}

TEST(Mate, KingsNextToEachOtherCountAsCheckWithNothingToBlock) {
  // The computer king bears on the human king but marks no check: a hand
  // piece "blocks" it, an empty hand leaves only the flight squares.
  Position p;
  p.put(5, 9, SITA_OU).put(5, 8, UE_OU).put(4, 7, UE_GIN);
  p.put(4, 8, SITA_HU).put(6, 8, SITA_HU).put(4, 9, SITA_KYOU).put(6, 9, SITA_KYOU);
  p.survey();
  EXPECT_EQ(詰めかMAN(p.s), 1);
  p.s.man_hand[SLOT_KIN] = 1;
  p.s.man_hand_total = 1;
  EXPECT_EQ(詰めかMAN(p.s), 0);
}

TEST(MateComMove, AnyComputerPieceReachingTheHumanKing) {
  Position p;
  p.put(5, 9, SITA_OU).put(5, 5, UE_KYOU).put(5, 7, SITA_HU).put(1, 1, UE_OU);
  p.survey();
  EXPECT_EQ(詰めかMAN_COM移動(p.s), 0);
  p.s.board[5][7] = EMPTY;
  EXPECT_EQ(詰めかMAN_COM移動(p.s), 1);
  p.s.board[5][5] = SITA_KYOU;  // a human piece never counts
  EXPECT_EQ(詰めかMAN_COM移動(p.s), 0);
}

TEST(MateEscape, CountsEmptyUnattackedNeighboursOnly) {
  Position p;
  p.put(5, 5, SITA_OU).put(5, 4, UE_HU).put(4, 6, SITA_HU).put(1, 9, UE_OU);
  p.survey();
  // (5,4) holds a computer piece the king could take: never counted. The pawn
  // on (5,4) bears on (5,5) only. (4,6) is the human's own piece.
  EXPECT_EQ(調査_自王逃道(p.s), 6);
  p.put(6, 2, UE_SYA);  // attacks column 6: (6,4), (6,5), (6,6)
  p.survey();
  EXPECT_EQ(調査_自王逃道(p.s), 3);
}

TEST(MateEscape, KingInTheCornerHasThreeNeighbours) {
  Position p;
  p.put(9, 9, SITA_OU).put(1, 1, UE_OU);
  p.survey();
  EXPECT_EQ(調査_自王逃道(p.s), 3);
  p.put(1, 8, UE_SYA);  // row 8
  p.survey();
  EXPECT_EQ(調査_自王逃道(p.s), 1);
}

}  // namespace
}  // namespace zv
