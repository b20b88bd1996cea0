// Cheapest guards and attackers: which code wins, and which writers record a square.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/survey_support.h"

namespace zv {
namespace {

using test::Position;

TEST(SurveyTracking, ClearedValuesOnAKingsOnlyBoard) {
  Position p;
  p.put(5, 9, SITA_OU).put(5, 1, UE_OU);
  p.s.man_king_x = p.s.man_king_y = p.s.com_king_x = p.s.com_king_y = 0;
  const GameState& s = p.survey();
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(s.man_guard_min[x][y], NO_MIN);
      EXPECT_EQ(s.com_cheapest_guard[x][y], NO_MIN);
      EXPECT_EQ(s.com_cheapest_attacker[x][y], NO_MIN);
      EXPECT_EQ(s.man_cheapest_attacker[x][y], NO_MAX);
      EXPECT_EQ(s.man_attack_count[x][y], 0);
      EXPECT_EQ(s.man_check_map[x][y], 0);
      EXPECT_EQ(s.com_check_map[x][y], 0);
    }
  }
  EXPECT_EQ(s.man_influence[4][8], 1);
  EXPECT_EQ(s.com_influence[6][2], 1);
  EXPECT_EQ(s.man_king_x, 5);
  EXPECT_EQ(s.man_king_y, 9);
  EXPECT_EQ(s.com_king_x, 5);
  EXPECT_EQ(s.com_king_y, 1);
}

TEST(SurveyTracking, KingSquaresKeepTheirValueWithoutAKing) {
  Position p;
  p.s.man_king_x = 3;
  p.s.man_king_y = 4;
  p.s.com_king_x = 6;
  p.s.com_king_y = 7;
  p.put(5, 5, SITA_HU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_king_x, 3);
  EXPECT_EQ(s.man_king_y, 4);
  EXPECT_EQ(s.com_king_x, 6);
  EXPECT_EQ(s.com_king_y, 7);
}

TEST(SurveyTracking, EverySurveyStartsFromClearedMaps) {
  Position p;
  p.put(5, 5, UE_GIN).put(5, 6, SITA_HU).put(5, 4, UE_HU).put(4, 8, SITA_KEI).put(3, 4, UE_KAKU);
  p.survey();
  ASSERT_EQ(p.s.com_cheapest_attacker[5][6], UE_KAKU);
  ASSERT_EQ(p.s.man_cheapest_attacker_x[5][5], 5);
  p.s.board = {};
  p.put(1, 1, SITA_HU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_influence[5][5], 0);
  EXPECT_EQ(s.com_influence[5][5], 0);
  EXPECT_EQ(s.man_cheapest_attacker[5][5], NO_MAX);
  EXPECT_EQ(s.man_attack_count[5][5], 0);
  EXPECT_EQ(s.man_cheapest_attacker_x[5][5], 0);
  EXPECT_EQ(s.com_cheapest_guard[5][5], NO_MIN);
  EXPECT_EQ(s.com_cheapest_attacker[5][6], NO_MIN);
  EXPECT_TRUE(test::marked(s.man_influence).empty());
}

TEST(SurveyTracking, PawnAndSilverAttackingOnePiece) {
  Position p;
  p.put(5, 5, UE_KIN).put(5, 6, SITA_HU).put(4, 6, SITA_GIN);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_attack_count[5][5], 2);
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_HU);
  EXPECT_EQ(s.man_cheapest_attacker_x[5][5], 5);
  EXPECT_EQ(s.man_cheapest_attacker_y[5][5], 6);
}

TEST(SurveyTracking, TwoEqualAttackersFirstInScanOrderKeepsTheSquare) {
  Position p;
  p.put(5, 5, UE_KIN).put(6, 6, SITA_GIN).put(4, 6, SITA_GIN);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_attack_count[5][5], 2);
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_GIN);
  EXPECT_EQ(s.man_cheapest_attacker_x[5][5], 4);
  EXPECT_EQ(s.man_cheapest_attacker_y[5][5], 6);
}

TEST(SurveyTracking, ManGuardMinIsTheMostValuableGuardWithoutASquare) {
  Position p;
  p.put(5, 8, SITA_HU).put(5, 9, SITA_OU).put(4, 8, SITA_KIN).put(5, 1, SITA_SYA);
  p.put(2, 2, SITA_GIN).put(1, 3, SITA_KIN).put(3, 3, SITA_HU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_guard_min[5][8], SITA_OU);  // king, rook and gold all guard it
  EXPECT_EQ(s.man_influence[5][8], 3);
  EXPECT_EQ(s.man_guard_min[2][2], SITA_KIN);  // gold (1,3) guards; pawn (3,3) bears on (3,2)
  EXPECT_EQ(s.man_guard_min[1][3], SITA_GIN);  // the silver's backward step
  EXPECT_EQ(s.man_guard_min[4][8], SITA_OU);
  EXPECT_EQ(s.man_guard_min[5][1], NO_MIN);  // nothing guards the rook
  EXPECT_EQ(s.man_cheapest_attacker[5][8], NO_MAX);
}

TEST(SurveyTracking, ManDiagonalRecordsBishopForTheHorseAndHorseStepsRecordHorse) {
  Position p;
  // A horse and a bishop on one computer piece's diagonals: both record -800,
  // the first processed (the horse, column 3) keeps the square.
  p.put(5, 5, UE_GIN).put(3, 7, SITA_UMA).put(8, 8, SITA_KAKU);
  // The horse's orthogonal step onto another computer piece records -801.
  p.put(3, 6, UE_HU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_attack_count[5][5], 2);
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_KAKU);
  EXPECT_EQ(s.man_cheapest_attacker_x[5][5], 3);
  EXPECT_EQ(s.man_cheapest_attacker_y[5][5], 7);
  EXPECT_EQ(s.man_cheapest_attacker[3][6], SITA_UMA);
}

TEST(SurveyTracking, ManGoldMoverRecordsItsOwnCode) {
  Position p;
  p.put(5, 5, UE_KIN).put(5, 6, SITA_NARIKEI).put(6, 5, SITA_TO).put(6, 6, SITA_KAKU);
  const GameState& s = p.survey();
  // (5,6) -31 and (6,5) -11 both bear on (5,5); the bishop at (6,6) too.
  EXPECT_EQ(s.man_attack_count[5][5], 3);
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_TO);
  EXPECT_EQ(s.man_cheapest_attacker_x[5][5], 6);
  EXPECT_EQ(s.man_cheapest_attacker_y[5][5], 5);
  // (6,6) is guarded by -11 and -31: the lower code stays.
  EXPECT_EQ(s.man_guard_min[6][6], SITA_NARIKEI);
}

TEST(SurveyTracking, ManKingAsTheOnlyAttacker) {
  Position p;
  p.put(5, 5, UE_KIN).put(5, 6, SITA_OU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_OU);
  EXPECT_EQ(s.man_attack_count[5][5], 1);
}

struct GuardCase {
  const char* name;
  int guard, gx, gy;
  int code;          // expected com_cheapest_guard on (5,5)
  bool with_square;  // whether com_cheapest_guard_x/y are written
};
void PrintTo(const GuardCase& c, std::ostream* os) {
  *os << c.name;
}

class ComGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(ComGuard, RecordsCodeAndSquareAsItsSideDoes) {
  const GuardCase& gc = GetParam();
  Position p;
  p.put(5, 5, UE_GIN).put(gc.gx, gc.gy, gc.guard);
  p.s.com_cheapest_guard_x[5][5] = 7;  // left over from an earlier survey
  p.s.com_cheapest_guard_y[5][5] = 7;
  const GameState& s = p.survey();
  EXPECT_EQ(s.com_cheapest_guard[5][5], gc.code);
  EXPECT_EQ(s.com_cheapest_guard_x[5][5], gc.with_square ? gc.gx : 7);
  EXPECT_EQ(s.com_cheapest_guard_y[5][5], gc.with_square ? gc.gy : 7);
}

INSTANTIATE_TEST_SUITE_P(Survey, ComGuard,
                         ::testing::Values(GuardCase{"Pawn", UE_HU, 5, 4, UE_HU, false},
                                           GuardCase{"Lance", UE_KYOU, 5, 1, UE_KYOU, true},
                                           GuardCase{"Knight", UE_KEI, 4, 3, UE_KEI, true},
                                           GuardCase{"Silver", UE_GIN, 6, 6, UE_GIN, true},
                                           GuardCase{"Gold", UE_KIN, 4, 5, UE_KIN, false},
                                           GuardCase{"Tokin", UE_TO, 5, 4, UE_KIN, false},
                                           GuardCase{"PromotedSilver", UE_NARIGIN, 5, 6, UE_KIN,
                                                     false},
                                           GuardCase{"Bishop", UE_KAKU, 2, 2, UE_KAKU, true},
                                           GuardCase{"HorseDiagonal", UE_UMA, 8, 8, UE_UMA, true},
                                           GuardCase{"HorseStep", UE_UMA, 5, 4, NO_MIN, false},
                                           GuardCase{"Rook", UE_SYA, 9, 5, UE_SYA, true},
                                           GuardCase{"DragonLine", UE_RYU, 5, 9, UE_RYU, true},
                                           GuardCase{"DragonDiagonal", UE_RYU, 4, 4, UE_RYU, true},
                                           GuardCase{"King", UE_OU, 6, 5, UE_OU, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AttackCase {
  const char* name;
  int attacker, ax, ay;
  int code;  // expected com_cheapest_attacker on (5,5)
  bool with_square;
};
void PrintTo(const AttackCase& c, std::ostream* os) {
  *os << c.name;
}

class ComAttacker : public ::testing::TestWithParam<AttackCase> {};

TEST_P(ComAttacker, RecordsCodeAndSquareAsItsSideDoes) {
  const AttackCase& ac = GetParam();
  Position p;
  p.put(5, 5, SITA_GIN).put(ac.ax, ac.ay, ac.attacker);
  p.s.com_cheapest_attacker_x[5][5] = 7;
  p.s.com_cheapest_attacker_y[5][5] = 7;
  const GameState& s = p.survey();
  EXPECT_EQ(s.com_influence[5][5], 1);
  EXPECT_EQ(s.com_cheapest_attacker[5][5], ac.code);
  EXPECT_EQ(s.com_cheapest_attacker_x[5][5], ac.with_square ? ac.ax : 7);
  EXPECT_EQ(s.com_cheapest_attacker_y[5][5], ac.with_square ? ac.ay : 7);
}

INSTANTIATE_TEST_SUITE_P(Survey, ComAttacker,
                         ::testing::Values(AttackCase{"Pawn", UE_HU, 5, 4, UE_HU, false},
                                           AttackCase{"Lance", UE_KYOU, 5, 2, UE_KYOU, true},
                                           AttackCase{"Knight", UE_KEI, 6, 3, NO_MIN, false},
                                           AttackCase{"Silver", UE_GIN, 4, 4, NO_MIN, false},
                                           AttackCase{"Gold", UE_KIN, 5, 4, NO_MIN, false},
                                           AttackCase{"Bishop", UE_KAKU, 1, 1, UE_KAKU, true},
                                           AttackCase{"HorseDiagonal", UE_UMA, 7, 7, UE_UMA, true},
                                           AttackCase{"HorseStep", UE_UMA, 5, 6, NO_MIN, false},
                                           AttackCase{"Rook", UE_SYA, 1, 5, UE_SYA, true},
                                           AttackCase{"DragonDiagonal", UE_RYU, 6, 6, UE_RYU, true},
                                           AttackCase{"King", UE_OU, 4, 5, NO_MIN, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurveyTracking, CheapestComAttackerAndGuardAmongSeveral) {
  Position p;
  // Human piece on (5,5) attacked by a rook (5,1) and a bishop (2,2): the bishop is cheaper.
  p.put(5, 5, SITA_KIN).put(5, 1, UE_SYA).put(2, 2, UE_KAKU);
  // Computer piece on (8,5) guarded by a rook (8,1), then a silver (7,4): the silver wins.
  p.put(8, 5, UE_KIN).put(8, 1, UE_SYA).put(7, 4, UE_GIN);
  const GameState& s = p.survey();
  EXPECT_EQ(s.com_cheapest_attacker[5][5], UE_KAKU);
  EXPECT_EQ(s.com_cheapest_attacker_x[5][5], 2);
  EXPECT_EQ(s.com_cheapest_attacker_y[5][5], 2);
  EXPECT_EQ(s.com_cheapest_guard[8][5], UE_GIN);
  EXPECT_EQ(s.com_cheapest_guard_x[8][5], 7);
  EXPECT_EQ(s.com_cheapest_guard_y[8][5], 4);
}

TEST(SurveyTracking, CheaperGuardWithoutSquareLeavesTheDearerGuardsSquare) {
  Position p;
  // A silver on (4,4) records itself first (column 4), then the pawn on (5,4)
  // lowers the code to 10 without moving the square.
  p.put(5, 5, UE_KIN).put(4, 4, UE_GIN).put(5, 4, UE_HU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.com_cheapest_guard[5][5], UE_HU);
  EXPECT_EQ(s.com_cheapest_guard_x[5][5], 4);
  EXPECT_EQ(s.com_cheapest_guard_y[5][5], 4);
  EXPECT_EQ(s.com_influence[5][5], 2);
}

}  // namespace
}  // namespace zv
