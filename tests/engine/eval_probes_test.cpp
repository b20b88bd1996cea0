// The small probes the evaluation adds up.
#include "engine/eval_support.h"

namespace zv {
namespace {

using test::EvalBoard;

TEST(Surroundings, CountsBigComputerPiecesAroundTheSquare) {
  EvalBoard b;
  b.put(2, 1, UE_SYA).put(1, 2, UE_OU).put(2, 2, UE_KIN).put(3, 3, UE_KAKU);
  EXPECT_EQ(調査_周辺状況(b.s, 1, 1),
            -2);  // a corner has three neighbours; gold and (3, 3) don't count
  EvalBoard c;
  for (int x = 4; x <= 6; ++x)
    for (int y = 4; y <= 6; ++y) c.put(x, y, UE_UMA);
  c.put(5, 5, SITA_SYA);
  EXPECT_EQ(調査_周辺状況(c.s, 5, 5), -8);
  c.put(4, 4, SITA_RYU);
  EXPECT_EQ(調査_周辺状況(c.s, 5, 5), -7);
}

TEST(Mobility, CountsOnlyTargetsTheOtherSideDoesNotBearOn) {
  EvalBoard b;
  b.put(5, 5, UE_OU).put(1, 4, SITA_SYA).put(9, 9, SITA_OU);
  b.prepare();
  EXPECT_EQ(調査_移動可場所数(b.s, 5, 5, UE_OU), 5);  // row 4 is the rook's
  // The square need not hold the piece; the own king on (5, 5) blocks one target.
  EXPECT_EQ(調査_移動可場所数(b.s, 5, 6, UE_OU), 7);
  // A human piece is safe where the computer does not bear.
  EXPECT_EQ(調査_移動可場所数(b.s, 5, 7, SITA_OU), 8 - 3);  // the king on (5, 5) covers row 6
}

// A computer pawn on (5, 7) attacked by a human bishop, backed from (5, 5),
// with a human gold at the bottom of its column.
EvalBoard lance_aim_position() {
  EvalBoard b;
  b.put(5, 7, UE_HU).put(5, 5, UE_KIN).put(7, 9, SITA_KAKU).put(5, 9, SITA_KIN);
  b.prepare();
  return b;
}

TEST(LanceAim, ValueOfTheFirstPieceBelowTheAttackedPawn) {
  EvalBoard b = lance_aim_position();
  EXPECT_EQ(調査_香狙い(b.s, 5, 7), 110);
}

TEST(LanceAim, NothingWhenTheFirstPieceBelowIsTheComputers) {
  EvalBoard b = lance_aim_position();
  b.put(5, 9, UE_KIN).prepare();
  EXPECT_EQ(調査_香狙い(b.s, 5, 7), 0);
}

TEST(LanceAim, NothingWhenTheColumnBelowIsEmpty) {
  EvalBoard b = lance_aim_position();
  b.put(5, 9, EMPTY).prepare();
  EXPECT_EQ(調査_香狙い(b.s, 5, 7), 0);
}

TEST(LanceAim, NothingWhenTheHumanBearsOnTheSquareAbove) {
  EvalBoard b = lance_aim_position();
  b.put(1, 6, SITA_SYA).prepare();  // the rook's row reaches (5, 6)
  EXPECT_EQ(調査_香狙い(b.s, 5, 7), 0);
}

TEST(KnightAim, SideSquarePaysWhenItsPieceIsNotTheRecordedAttacker) {
  EvalBoard b;
  b.put(5, 7, UE_HU).put(3, 7, SITA_SYA).put(7, 9, SITA_KAKU);
  b.prepare();
  ASSERT_EQ(b.s.man_cheapest_attacker[5][7], SITA_KAKU);
  EXPECT_EQ(調査_桂狙い(b.s, 5, 7), 900);
}

TEST(KnightAim, SideSquareDoesNotPayWhenItsPieceIsTheRecordedAttacker) {
  EvalBoard b;
  b.put(5, 7, UE_HU).put(3, 7, SITA_SYA);
  b.prepare();
  ASSERT_EQ(b.s.man_cheapest_attacker_x[5][7], 3);
  EXPECT_EQ(調査_桂狙い(b.s, 5, 7), 0);
}

TEST(KnightAim, NothingOnRowsAboveSix) {
  EvalBoard b;
  b.put(5, 5, UE_HU).put(3, 5, SITA_SYA).put(7, 7, SITA_KAKU);
  b.prepare();
  EXPECT_EQ(調査_桂狙い(b.s, 5, 5), 0);
}

// The computer's king on (5, 1) and a rook that has just moved to (7, 5): a
// bishop on (8, 4) would give check.
EvalBoard bishop_caution_position() {
  EvalBoard b;
  b.put(5, 1, UE_OU).put(7, 5, UE_SYA).put(9, 9, SITA_OU);
  b.prepare();
  return b;
}

TEST(BishopDropThreat, MarksEmptyUndefendedSquaresOnTheKingsDiagonals) {
  EvalBoard b = bishop_caution_position();
  EXPECT_EQ(b.s.man_bishop_drop_threat[8][4], 1);
  EXPECT_EQ(b.s.man_bishop_drop_threat[3][3], 1);
  EXPECT_EQ(b.s.man_bishop_drop_threat[4][2], 0);  // the king defends it
  EXPECT_EQ(b.s.man_bishop_drop_threat[7][3], 0);  // the rook defends it
  EXPECT_EQ(b.s.man_bishop_drop_threat[5][5], 0);  // not on a diagonal
}

TEST(BishopCaution, FullCodeWhenAHumanBishopReachesTheSquare) {
  EvalBoard b = bishop_caution_position();
  b.put(9, 3, SITA_KAKU);
  EXPECT_EQ(盤評価_自角注意_COM(b.s, 7, 5, UE_SYA), UE_SYA);
}

TEST(BishopCaution, FullCodeWhenABishopInHandCanBeDropped) {
  EvalBoard b = bishop_caution_position();
  b.man_hand(SLOT_KAKU, 1);
  EXPECT_EQ(盤評価_自角注意_COM(b.s, 7, 5, UE_SYA), UE_SYA);
  b.put(8, 4, SITA_HU);  // the square is taken: no drop
  EXPECT_EQ(盤評価_自角注意_COM(b.s, 7, 5, UE_SYA), 0);
}

TEST(BishopCaution, NothingWithoutABishop) {
  EvalBoard b = bishop_caution_position();
  EXPECT_EQ(盤評価_自角注意_COM(b.s, 7, 5, UE_SYA), 0);
  b.put(6, 6, SITA_KAKU);  // its way to (8, 4) is blocked by the rook
  EXPECT_EQ(盤評価_自角注意_COM(b.s, 7, 5, UE_SYA), 0);
}

}  // namespace
}  // namespace zv
