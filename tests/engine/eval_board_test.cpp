// Board evaluation of a trial move: decisive results, general terms, captures,
// level gates and the piece terms.
#include <functional>

#include "engine/eval_support.h"

namespace zv {
namespace {

using test::EvalBoard;

// Computer rook on (5, 2) facing the human king on (5, 8); a human rook on
// (1, 9) bears down on the computer's king in the corner.
EvalBoard king_hunt(int level = 3) {
  EvalBoard b(level);
  b.put(1, 1, UE_OU).put(1, 9, SITA_SYA).put(5, 2, UE_SYA).put(5, 8, SITA_OU).put(3, 2, SITA_KIN);
  b.prepare();
  return b;
}

TEST(Evaluation, TakingTheHumansKingScores9999) {
  EvalBoard b = king_hunt();
  EXPECT_EQ(b.trial(5, 2, 5, 8), 9999);
}

TEST(Evaluation, LeavingTheOwnKingAttackedScoresMinus9998EvenWithACapture) {
  EvalBoard b = king_hunt();
  EXPECT_EQ(b.trial(5, 2, 3, 2), -9998);
}

// The human king on (5, 9) with its flight squares covered: a gold on (5, 7)
// guards (5, 8), knights on (3, 7) and (7, 7) cover (4, 9) and (6, 9).
EvalBoard mating_net() {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(5, 9, SITA_OU).put(5, 7, UE_KIN).put(3, 7, UE_KEI).put(7, 7, UE_KEI);
  b.com_hand(SLOT_HU, 1).com_hand(SLOT_KIN, 1);
  b.prepare();
  return b;
}

TEST(Evaluation, AMatingDropScores9998) {
  EvalBoard b = mating_net();
  EXPECT_EQ(b.trial(COM_HAND_X, SLOT_KIN, 5, 8), 9998);
}

TEST(Evaluation, MatingWithADroppedPawnScoresMinus9998) {
  EvalBoard b = mating_net();
  EXPECT_EQ(b.trial(COM_HAND_X, SLOT_HU, 5, 8), -9998);
}

TEST(Evaluation, MatingWithAPawnMoveScoresMinus9998) {
  // Golds on (4, 7) and (6, 7) back the pawn and cover (4, 8) and (6, 8).
  EvalBoard b = mating_net();
  b.put(5, 7, UE_HU).put(4, 7, UE_KIN).put(6, 7, UE_KIN).prepare();
  EXPECT_EQ(b.trial(5, 7, 5, 8), -9998);
}

TEST(Evaluation, UndefendedDropOntoAnAttackedSquareCostsItsCodePlus50) {
  EvalBoard b(2);
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 6, SITA_HU).com_hand(SLOT_GIN, 1);
  b.prepare();
  b.s.mover_distance = 0;
  // -5 for a drop, -190 danger (the hanging silver: 90 for the exchange and
  // 100 for the loss), -150 for the drop itself.
  EXPECT_DOUBLE_EQ(b.trial(COM_HAND_X, SLOT_GIN, 5, 5), -345);
}

// A computer pawn on (5, 4) takes an undefended human bishop.
double pawn_takes_bishop(int level) {
  EvalBoard b(level);
  b.put(1, 5, UE_OU).put(9, 9, SITA_OU).put(5, 4, UE_HU).put(5, 5, SITA_KAKU);
  b.prepare();
  return b.trial(5, 4, 5, 5);
}

TEST(LevelGates, LevelOneCountsACaptureOnlyByTheMajorPieceBonus) {
  EXPECT_NEAR(pawn_takes_bishop(2) - pawn_takes_bishop(1), 800, 1e-9);
}

TEST(LevelGates, LevelTwoSkipsThePieceTerms) {
  // The pawn's own terms here: -0.1 for a board move.
  EXPECT_NEAR(pawn_takes_bishop(3) - pawn_takes_bishop(2), -0.1, 1e-9);
}

// A knight move without capture: level 1 runs the piece terms like level 3.
double knight_move(int level) {
  EvalBoard b(level);
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(6, 1, UE_KEI);
  b.prepare();
  return b.trial(6, 1, 7, 3);
}

TEST(LevelGates, LevelOneRunsThePieceTermsWithoutACapture) {
  EXPECT_DOUBLE_EQ(knight_move(1), knight_move(3));
  EXPECT_NEAR(knight_move(3) - knight_move(2), -0.1, 1e-9);
}

// The approach bonus alone: the same position scored with the mover far from
// and next to the human king.
double approach_bonus(int kx, int ky) {
  EvalBoard b(2);
  b.put(1, 1, UE_OU).put(kx, ky, SITA_OU).put(5, 5, UE_GIN);
  b.prepare();
  b.s.trial_source_piece = UE_GIN;
  b.s.mover_distance = 9;
  const double far = 盤評価(b.s, EMPTY, UE_GIN, 5, 4, 5, 5);
  b.s.mover_distance = 0;
  return far - 盤評価(b.s, EMPTY, UE_GIN, 5, 4, 5, 5);
}

TEST(Evaluation, ApproachBonusIsOneWhenTheColumnDistanceDominates) {
  EXPECT_NEAR(approach_bonus(9, 6), 1, 1e-9);
  EXPECT_NEAR(approach_bonus(6, 9), 0.1, 1e-9);
  EXPECT_NEAR(approach_bonus(9, 9), 0.1, 1e-9);  // equal distances take the row branch
}

// Piece terms isolated: the same trial scored at level 3 and level 2.
struct PieceCase {
  const char* name;
  std::function<void(EvalBoard&)> setup;
  int sx, sy, dx, dy, result;
  double expected;
};

double piece_terms(const PieceCase& c) {
  double score[2];
  for (int i = 0; i < 2; ++i) {
    EvalBoard b(2 + i);
    c.setup(b);
    b.prepare();
    b.s.mover_distance = 0;
    score[i] = b.trial(c.sx, c.sy, c.dx, c.dy, c.result);
  }
  return score[1] - score[0];
}

class PieceTerms : public testing::TestWithParam<PieceCase> {};

TEST_P(PieceTerms, AddUpAsTheSectionSays) {
  EXPECT_NEAR(piece_terms(GetParam()), GetParam().expected, 1e-9);
}

const PieceCase kPieceCases[] = {
    {"PawnDropBackedAgainstALanceBelow",
     [](EvalBoard& b) {
       b.put(1, 1, UE_OU).put(9, 1, SITA_OU).put(5, 4, UE_KIN).put(5, 9, SITA_KYOU);
       b.com_hand(SLOT_HU, 1);
     },
     COM_HAND_X, SLOT_HU, 5, 5, 0, 120},
    {"PromotedPawnNotOutnumbered",
     [](EvalBoard& b) { b.put(1, 1, UE_OU).put(9, 1, SITA_OU).put(3, 6, UE_HU); }, 3, 6, 3, 7,
     UE_TO, 1},
    {"LanceMoveWithoutCapture",
     [](EvalBoard& b) { b.put(9, 1, UE_OU).put(9, 9, SITA_OU).put(1, 1, UE_KYOU); }, 1, 1, 1, 4, 0,
     -0.9},
    {"KnightOntoSevenThreeBesideItsBishop",
     [](EvalBoard& b) {
       b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(6, 1, UE_KEI).put(8, 4, UE_KAKU);
     },
     6, 1, 7, 3, 0, -5.1},
    {"SilverOntoSevenThreeAgainstTheEdgePawns",
     [](EvalBoard& b) {
       b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(7, 2, UE_GIN).put(8, 3, UE_HU).put(8, 5, SITA_HU);
     },
     7, 2, 7, 3, 0, 115},
    {"GoldDropAboveItsHandRow",
     [](EvalBoard& b) { b.put(1, 1, UE_OU).put(9, 9, SITA_OU).com_hand(SLOT_KIN, 1); }, COM_HAND_X,
     SLOT_KIN, 5, 4, 0, -0.5},
    {"GoldDropBelowItsHandRow",
     [](EvalBoard& b) { b.put(1, 1, UE_OU).put(9, 9, SITA_OU).com_hand(SLOT_KIN, 1); }, COM_HAND_X,
     SLOT_KIN, 5, 6, 0, 0},
    {"BishopDroppedIntoAPocket",
     [](EvalBoard& b) {
       b.put(1, 1, UE_OU).put(9, 1, SITA_OU).put(2, 8, SITA_HU).com_hand(SLOT_KAKU, 1);
     },
     COM_HAND_X, SLOT_KAKU, 1, 9, 0, -20},
    {"HorseBesideItsKingAndRook",
     [](EvalBoard& b) {
       b.put(1, 1, UE_OU).put(2, 1, UE_SYA).put(3, 3, UE_UMA).put(9, 9, SITA_OU);
     },
     3, 3, 2, 2, 0, -2},
    {"RookTwoSquaresFromTheKingOnItsColumn",
     [](EvalBoard& b) { b.put(1, 1, UE_OU).put(5, 2, UE_SYA).put(5, 9, SITA_OU); }, 5, 2, 5, 7, 0,
     99},
    {"DragonTwoSquaresFromTheKingOnItsColumn",
     [](EvalBoard& b) { b.put(1, 1, UE_OU).put(5, 2, UE_RYU).put(5, 9, SITA_OU); }, 5, 2, 5, 7, 0,
     100},
    {"KingStepsSideways", [](EvalBoard& b) { b.put(5, 1, UE_OU).put(9, 9, SITA_OU); }, 5, 1, 4, 2,
     0, 1},
    {"KingLeavesItsCamp", [](EvalBoard& b) { b.put(5, 3, UE_OU).put(9, 9, SITA_OU); }, 5, 3, 5, 4,
     0, -19},
    {"PromotedSilverHasNoTerms",
     [](EvalBoard& b) {
       b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(7, 6, UE_GIN).put(8, 7, UE_HU).put(8, 9, SITA_HU);
     },
     7, 6, 7, 7, UE_NARIGIN, 0},
};

INSTANTIATE_TEST_SUITE_P(Sections, PieceTerms, testing::ValuesIn(kPieceCases),
                         [](const testing::TestParamInfo<PieceCase>& i) { return i.param.name; });

}  // namespace
}  // namespace zv
