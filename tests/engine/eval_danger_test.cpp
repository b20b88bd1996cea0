// The whole-board danger term. Kings stand in far corners so that only the
// feature under test contributes.
#include "engine/eval_support.h"

namespace zv {
namespace {

using test::EvalBoard;

TEST(Danger, UndefendedPieceCostsItsFullCode) {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_SYA).put(5, 8, SITA_SYA);
  b.prepare();
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(b.s, UE_SYA, 5, 5), -900);
}

TEST(Danger, WhatTheMoveCapturedOnTheSquarePaysPartOfTheLoss) {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_SYA).put(5, 8, SITA_SYA);
  b.prepare();
  b.s.board_backup[5][5] = SITA_GIN;  // a silver stood there when the turn began
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(b.s, UE_SYA, 5, 5), -800);
}

TEST(Danger, DefendedPieceAttackedByACheaperPieceCostsTheDifference) {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_GIN).put(5, 4, UE_KIN).put(5, 6, SITA_HU);
  b.prepare();
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(b.s, UE_GIN, 5, 5), -90);
  b.s.man_pinned[5][6] = 1;  // a pinned pawn cannot take
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(b.s, UE_GIN, 5, 5), 0);
}

// Computer king on (5, 1); a human gold on (5, 3) attacks the square in front.
EvalBoard first_row_king() {
  EvalBoard b;
  b.put(5, 1, UE_OU).put(9, 9, SITA_OU).put(5, 3, SITA_KIN);
  return b;
}

TEST(Danger, KingOnTheFirstRowWithAnAttackedSquareInFront) {
  EvalBoard b = first_row_king();
  b.prepare();
  // 50 + 250 for the king; 0.5 for each of the three attacked squares beside
  // it; 0.1 for (4, 3) and (6, 3), attacked in the computer's camp.
  EXPECT_NEAR(盤評価_COM危険座標(b.s, UE_OU, 5, 1), -301.7, 1e-9);
}

TEST(Danger, KingOnTheFirstRowWithTheSquareInFrontWellDefended) {
  EvalBoard b = first_row_king();
  b.put(4, 1, UE_KIN).prepare();
  EXPECT_NEAR(盤評価_COM危険座標(b.s, UE_OU, 5, 1), -51.7, 1e-9);
}

TEST(Danger, KingOnTheFirstRowWithAGoldInTheHumansHand) {
  EvalBoard b = first_row_king();
  b.man_hand(SLOT_KIN, 1).prepare();
  // 1000 for the king, 10 more for each attacked square beside it, and 0.1
  // for each of the 20 empty undefended squares of rows 1-3 (drop threats).
  EXPECT_NEAR(盤評価_COM危険座標(b.s, UE_OU, 5, 1), -1033.7, 1e-9);
}

// A computer knight just arrived on (5, 5), attacking a human silver and gold.
EvalBoard knight_fork() {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_KEI).put(4, 7, SITA_GIN).put(6, 7, SITA_KIN);
  return b;
}

TEST(Danger, ForkOfTwoUndefendedPiecesEarnsTheCheaperOne) {
  EvalBoard b = knight_fork();
  b.prepare();
  EXPECT_NEAR(盤評価_COM危険座標(b.s, UE_KEI, 5, 5), 100.2, 1e-9);
}

TEST(Danger, NoForkWhenOneTargetIsDefended) {
  EvalBoard b = knight_fork();
  b.put(4, 8, SITA_GIN).prepare();  // guards (4, 7), itself undefended and not attacked
  EXPECT_NEAR(盤評価_COM危険座標(b.s, UE_KEI, 5, 5), 0.1, 1e-9);
}

TEST(Danger, NoForkFromAnAttackedSquare) {
  EvalBoard b = knight_fork();
  b.put(5, 6, SITA_HU).prepare();  // the pawn attacks the knight and guards nothing
  // The knight hangs to a pawn: 30 - 10 for the exchange and 30 for the loss.
  EXPECT_NEAR(盤評価_COM危険座標(b.s, UE_KEI, 5, 5), -50, 1e-9);
}

TEST(Danger, LanceDropWouldSkewerTwoPieces) {
  EvalBoard b;
  // The bishop does not defend (5, 6), the square in front of it.
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_KAKU).put(5, 3, UE_KIN).put(5, 2, UE_HU);
  b.man_hand(SLOT_KYOU, 1).prepare();
  const double with_lance = 盤評価_COM危険座標(b.s, UE_KAKU, 5, 5);
  b.man_hand(SLOT_KYOU, 0).man_hand(SLOT_HU, 1).prepare();
  const double with_pawn = 盤評価_COM危険座標(b.s, UE_KAKU, 5, 5);
  // A lance on (5, 6) would hit the bishop and the gold behind it: 100 + 110 / 2.
  EXPECT_NEAR(with_lance - with_pawn, -155, 1e-9);
  b.put(5, 6, UE_HU).man_hand(SLOT_KYOU, 1).prepare();  // nowhere to drop it
  const double blocked = 盤評価_COM危険座標(b.s, UE_KAKU, 5, 5);
  b.man_hand(SLOT_KYOU, 0).prepare();
  EXPECT_NEAR(blocked - 盤評価_COM危険座標(b.s, UE_KAKU, 5, 5), 0, 1e-9);
}

TEST(BackingLine, HumanLanceFurtherDownTheColumn) {
  EvalBoard b;
  b.put(3, 9, SITA_KYOU).put(3, 4, UE_GIN);
  EXPECT_EQ(調査_自守駒MAN_直進駒(b.s, 3, 4), 1);
  EXPECT_EQ(b.s.board[3][4], UE_GIN);  // the square is put back
  b.put(3, 7, SITA_HU);                // another human piece blocks the lance
  EXPECT_EQ(調査_自守駒MAN_直進駒(b.s, 3, 4), 0);
  b.put(3, 7, UE_HU);  // a computer piece ends the search
  EXPECT_EQ(調査_自守駒MAN_直進駒(b.s, 3, 4), 0);
}

TEST(BackingLine, RookAndDragonCountButABishopDoesNot) {
  EvalBoard b;
  b.put(6, 8, SITA_SYA);
  EXPECT_EQ(調査_自守駒MAN_直進駒(b.s, 6, 2), 1);
  b.put(6, 8, SITA_RYU);
  EXPECT_EQ(調査_自守駒MAN_直進駒(b.s, 6, 2), 1);
  b.put(6, 8, SITA_KAKU);
  EXPECT_EQ(調査_自守駒MAN_直進駒(b.s, 6, 2), 0);
}

}  // namespace
}  // namespace zv
