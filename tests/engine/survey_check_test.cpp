// Check maps: line, step and knight checks on either king.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/survey_support.h"

namespace zv {
namespace {

using test::marked_with;
using test::Position;
using test::Square;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SurveyCheck, ManRookThroughTheComputerKing) {
  Position p;
  p.put(5, 8, SITA_SYA).put(5, 4, UE_OU).put(5, 2, UE_HU);
  const GameState& s = p.survey();
  EXPECT_THAT(marked_with(s.com_check_map, CHECK_PATH),
              ElementsAre(Square{5, 5}, Square{5, 6}, Square{5, 7}));
  EXPECT_THAT(marked_with(s.com_check_map, CHECKER), ElementsAre(Square{5, 8}));
  // Behind the king the line runs on to the next piece, counted and attacked.
  EXPECT_EQ(s.man_influence[5][3], 1);
  EXPECT_EQ(s.man_influence[5][2], 1);
  EXPECT_EQ(s.man_influence[5][1], 0);
  EXPECT_EQ(s.man_attack_count[5][2], 1);
  EXPECT_EQ(s.man_cheapest_attacker[5][2], SITA_SYA);
  EXPECT_EQ(s.man_cheapest_attacker_y[5][2], 8);
  EXPECT_EQ(s.man_cheapest_attacker[5][4], SITA_SYA);
}

TEST(SurveyCheck, ManBishopWithTwoSquaresBetween) {
  Position p;
  p.put(2, 8, SITA_KAKU).put(5, 5, UE_OU);
  const GameState& s = p.survey();
  EXPECT_THAT(marked_with(s.com_check_map, CHECK_PATH), ElementsAre(Square{3, 7}, Square{4, 6}));
  EXPECT_THAT(marked_with(s.com_check_map, CHECKER), ElementsAre(Square{2, 8}));
  EXPECT_EQ(s.man_influence[9][1], 1);  // on behind the king to the corner
}

TEST(SurveyCheck, ManHorseAndDragonCheckWithLinesAndSteps) {
  Position p;
  p.put(5, 5, UE_OU).put(5, 6, SITA_UMA).put(4, 4, SITA_RYU);
  const GameState& s = p.survey();
  // The horse's orthogonal step and the dragon's diagonal step are contact checks.
  EXPECT_THAT(marked_with(s.com_check_map, CHECKER), ElementsAre(Square{4, 4}, Square{5, 6}));
  EXPECT_THAT(marked_with(s.com_check_map, CHECK_PATH), IsEmpty());
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_UMA);
  EXPECT_EQ(s.man_attack_count[5][5], 2);
}

TEST(SurveyCheck, ManKnightMarksItsSquareAndTheKings) {
  Position p;
  p.put(4, 7, SITA_KEI).put(5, 5, UE_OU);
  const GameState& s = p.survey();
  EXPECT_THAT(marked_with(s.com_check_map, CHECKER), ElementsAre(Square{4, 7}, Square{5, 5}));
  EXPECT_THAT(marked_with(s.com_check_map, CHECK_PATH), IsEmpty());
}

TEST(SurveyCheck, ComKnightMarksItsSquareAndTheKings) {
  Position p;
  p.put(6, 3, UE_KEI).put(7, 5, SITA_OU);
  const GameState& s = p.survey();
  EXPECT_THAT(marked_with(s.man_check_map, CHECKER), ElementsAre(Square{6, 3}, Square{7, 5}));
}

struct StepCheck {
  const char* name;
  int code, x, y;  // the checker; the king stands on (5,5)
};
void PrintTo(const StepCheck& c, std::ostream* os) {
  *os << c.name;
}

class StepChecks : public ::testing::TestWithParam<StepCheck> {};

TEST_P(StepChecks, MarkOnlyTheCheckersSquare) {
  const StepCheck& sc = GetParam();
  Position p;
  const bool human = sc.code < 0;
  p.put(5, 5, human ? UE_OU : SITA_OU).put(sc.x, sc.y, sc.code);
  const GameState& s = p.survey();
  const Map& m = human ? s.com_check_map : s.man_check_map;
  EXPECT_THAT(test::marked(m), ElementsAre(Square{sc.x, sc.y}));
  EXPECT_EQ(m[sc.x][sc.y], CHECKER);
  EXPECT_THAT(test::marked(human ? s.man_check_map : s.com_check_map), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Survey, StepChecks,
    ::testing::Values(
        StepCheck{"ManPawn", SITA_HU, 5, 6}, StepCheck{"ManSilver", SITA_GIN, 4, 4},
        StepCheck{"ManGold", SITA_KIN, 6, 5}, StepCheck{"ManTokin", SITA_TO, 5, 4},
        StepCheck{"ManHorseStep", SITA_UMA, 4, 5}, StepCheck{"ManDragonStep", SITA_RYU, 6, 6},
        StepCheck{"ManLanceContact", SITA_KYOU, 5, 6}, StepCheck{"ComPawn", UE_HU, 5, 4},
        StepCheck{"ComSilver", UE_GIN, 6, 6}, StepCheck{"ComGold", UE_KIN, 4, 4},
        StepCheck{"ComTokin", UE_TO, 5, 6}, StepCheck{"ComHorseStep", UE_UMA, 6, 5},
        StepCheck{"ComDragonStep", UE_RYU, 4, 6}, StepCheck{"ComBishopContact", UE_KAKU, 4, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SurveyCheck, KingsSideBySideMarkNoCheck) {
  Position p;
  p.put(5, 5, UE_OU).put(5, 6, SITA_OU);
  const GameState& s = p.survey();
  EXPECT_THAT(test::marked(s.man_check_map), IsEmpty());
  EXPECT_THAT(test::marked(s.com_check_map), IsEmpty());
  EXPECT_EQ(s.man_influence[5][5], 1);
  EXPECT_EQ(s.com_influence[5][6], 1);
  EXPECT_EQ(s.man_cheapest_attacker[5][5], SITA_OU);
}

TEST(SurveyCheck, TwoCheckersAtOnce) {
  Position p;
  p.put(5, 1, UE_SYA).put(4, 7, UE_KEI).put(5, 9, SITA_OU);
  const GameState& s = p.survey();
  EXPECT_THAT(marked_with(s.man_check_map, CHECKER),
              ElementsAre(Square{4, 7}, Square{5, 1}, Square{5, 9}));
  EXPECT_EQ(marked_with(s.man_check_map, CHECK_PATH).size(), 7u);
}

TEST(SurveyCheck, LineBlockedByEitherSideGivesNoCheck) {
  Position p;
  p.put(1, 1, UE_KAKU).put(3, 3, UE_HU).put(5, 5, SITA_OU);
  p.put(9, 9, SITA_KAKU).put(8, 8, SITA_HU).put(7, 7, UE_OU);
  const GameState& s = p.survey();
  EXPECT_THAT(test::marked(s.man_check_map), IsEmpty());
  EXPECT_THAT(test::marked(s.com_check_map), IsEmpty());
}

}  // namespace
}  // namespace zv
