// Which squares each piece bears on, for both sides, and where lines stop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/survey_support.h"

namespace zv {
namespace {

using test::marked;
using test::Position;
using test::Square;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;

struct PieceCase {
  const char* name;
  int code, x, y;
  std::vector<Square> squares;
};
void PrintTo(const PieceCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<Square> line(int x, int y, int dx, int dy) {
  std::vector<Square> out;
  for (x += dx, y += dy; x >= 1 && x <= 9 && y >= 1 && y <= 9; x += dx, y += dy)
    out.emplace_back(x, y);
  return out;
}

std::vector<Square> join(std::initializer_list<std::vector<Square>> parts) {
  std::vector<Square> out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::vector<Square> rook55() {
  return join({line(5, 5, 0, 1), line(5, 5, 0, -1), line(5, 5, 1, 0), line(5, 5, -1, 0)});
}
std::vector<Square> bishop55() {
  return join({line(5, 5, 1, 1), line(5, 5, 1, -1), line(5, 5, -1, 1), line(5, 5, -1, -1)});
}
const std::vector<Square> kKing55 = {{4, 4}, {5, 4}, {6, 4}, {4, 5},
                                     {6, 5}, {4, 6}, {5, 6}, {6, 6}};
const std::vector<Square> kManGold55 = {{5, 4}, {4, 4}, {6, 4}, {5, 6}, {4, 5}, {6, 5}};
const std::vector<Square> kComGold55 = {{5, 4}, {5, 6}, {4, 6}, {6, 6}, {4, 5}, {6, 5}};
const std::vector<Square> kOrtho55 = {{5, 4}, {5, 6}, {4, 5}, {6, 5}};
const std::vector<Square> kDiag55 = {{4, 4}, {6, 4}, {4, 6}, {6, 6}};

std::vector<PieceCase> cases() {
  return {
      {"ManPawn", SITA_HU, 5, 5, {{5, 4}}},
      {"ComPawn", UE_HU, 5, 5, {{5, 6}}},
      {"ManLance", SITA_KYOU, 5, 5, line(5, 5, 0, -1)},
      {"ComLance", UE_KYOU, 5, 5, line(5, 5, 0, 1)},
      {"ManKnight", SITA_KEI, 5, 5, {{4, 3}, {6, 3}}},
      {"ComKnight", UE_KEI, 5, 5, {{4, 7}, {6, 7}}},
      {"ManSilver", SITA_GIN, 5, 5, {{5, 4}, {4, 4}, {6, 4}, {4, 6}, {6, 6}}},
      {"ComSilver", UE_GIN, 5, 5, {{5, 6}, {4, 6}, {6, 6}, {4, 4}, {6, 4}}},
      {"ManGold", SITA_KIN, 5, 5, kManGold55},
      {"ManTokin", SITA_TO, 5, 5, kManGold55},
      {"ManPromotedLance", SITA_NARIKYOU, 5, 5, kManGold55},
      {"ManPromotedKnight", SITA_NARIKEI, 5, 5, kManGold55},
      {"ManPromotedSilver", SITA_NARIGIN, 5, 5, kManGold55},
      {"ComGold", UE_KIN, 5, 5, kComGold55},
      {"ComTokin", UE_TO, 5, 5, kComGold55},
      {"ComPromotedLance", UE_NARIKYOU, 5, 5, kComGold55},
      {"ComPromotedKnight", UE_NARIKEI, 5, 5, kComGold55},
      {"ComPromotedSilver", UE_NARIGIN, 5, 5, kComGold55},
      {"ManBishop", SITA_KAKU, 5, 5, bishop55()},
      {"ComBishop", UE_KAKU, 5, 5, bishop55()},
      {"ManHorse", SITA_UMA, 5, 5, join({bishop55(), kOrtho55})},
      {"ComHorse", UE_UMA, 5, 5, join({bishop55(), kOrtho55})},
      {"ManRook", SITA_SYA, 5, 5, rook55()},
      {"ComRook", UE_SYA, 5, 5, rook55()},
      {"ManDragon", SITA_RYU, 5, 5, join({rook55(), kDiag55})},
      {"ComDragon", UE_RYU, 5, 5, join({rook55(), kDiag55})},
      {"ManKing", SITA_OU, 5, 5, kKing55},
      {"ComKing", UE_OU, 5, 5, kKing55},
      // Edges: nothing off the board, nothing wrapped.
      {"ManPawnRow1", SITA_HU, 5, 1, {}},
      {"ManKnightRow2", SITA_KEI, 5, 2, {}},
      {"ManKnightRow1", SITA_KEI, 5, 1, {}},
      {"ComPawnRow9", UE_HU, 5, 9, {}},
      {"ComKnightRow8", UE_KEI, 5, 8, {}},
      {"ComKnightRow9", UE_KEI, 5, 9, {}},
      {"ManKnightColumn1", SITA_KEI, 1, 5, {{2, 3}}},
      {"ComKnightColumn9", UE_KEI, 9, 5, {{8, 7}}},
      {"ManGoldRow9", SITA_KIN, 5, 9, {{5, 8}, {4, 8}, {6, 8}, {4, 9}, {6, 9}}},
      {"ComGoldRow1", UE_KIN, 5, 1, {{5, 2}, {4, 2}, {6, 2}, {4, 1}, {6, 1}}},
      {"ManBishopCorner", SITA_KAKU, 1, 1, line(1, 1, 1, 1)},
      {"ComBishopCorner", UE_KAKU, 9, 9, line(9, 9, -1, -1)},
      {"ManLanceRow1", SITA_KYOU, 3, 1, {}},
      {"ComLanceRow9", UE_KYOU, 3, 9, {}},
      {"ManKingCorner", SITA_OU, 9, 9, {{8, 8}, {9, 8}, {8, 9}}},
      {"ComKingCorner", UE_OU, 1, 1, {{1, 2}, {2, 1}, {2, 2}}},
  };
}

class PieceSquares : public ::testing::TestWithParam<PieceCase> {};

TEST_P(PieceSquares, BearsOnExactlyItsSquaresOnce) {
  const PieceCase& pc = GetParam();
  Position p;
  p.put(pc.x, pc.y, pc.code);
  const GameState& s = p.survey();
  const Map& own = pc.code < 0 ? s.man_influence : s.com_influence;
  const Map& other = pc.code < 0 ? s.com_influence : s.man_influence;
  EXPECT_THAT(marked(own), UnorderedElementsAreArray(pc.squares));
  for (auto [x, y] : pc.squares) EXPECT_EQ(own[x][y], 1) << x << "," << y;
  EXPECT_TRUE(marked(other).empty());
}

INSTANTIATE_TEST_SUITE_P(Survey, PieceSquares, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurveyLines, ManRookStopsAtTheFirstPieceOfEitherSide) {
  Position p;
  p.put(5, 5, SITA_SYA).put(5, 3, SITA_GIN).put(7, 5, UE_HU).put(5, 8, UE_KIN).put(2, 5, UE_OU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.man_influence[5][4], 1);
  EXPECT_EQ(s.man_influence[5][3], 1);  // own blocker counted (guarded)...
  EXPECT_EQ(s.man_guard_min[5][3], SITA_SYA);
  EXPECT_EQ(s.man_influence[5][1], 0);  // ...and nothing behind it
  EXPECT_EQ(s.man_influence[5][2], 1);  // only the silver's step
  EXPECT_EQ(s.man_influence[7][5], 1);  // enemy blocker counted
  EXPECT_EQ(s.man_influence[8][5], 0);
  EXPECT_EQ(s.man_influence[5][8], 1);
  EXPECT_EQ(s.man_influence[5][9], 0);
  EXPECT_EQ(s.man_attack_count[7][5], 1);
  // Leftward the line passes the computer king and runs on to the edge.
  EXPECT_EQ(s.man_influence[2][5], 1);
  EXPECT_EQ(s.man_influence[1][5], 1);
}

TEST(SurveyLines, ComLanceStopsAtItsOwnKingButPassesTheHumanKing) {
  Position p;
  p.put(3, 2, UE_KYOU).put(3, 5, SITA_OU).put(3, 8, UE_HU);
  p.put(7, 2, UE_KYOU).put(7, 5, UE_OU);
  const GameState& s = p.survey();
  std::vector<Square> col3, col7;
  for (int y = 1; y <= 9; ++y) {
    if (s.com_influence[3][y]) col3.emplace_back(3, y);
    if (s.com_influence[7][y]) col7.emplace_back(7, y);
  }
  // Column 3: through the human king up to and including the own pawn.
  // (3,6) is also a neighbour of nothing else here.
  EXPECT_THAT(col3, ElementsAre(Square{3, 3}, Square{3, 4}, Square{3, 5}, Square{3, 6},
                                Square{3, 7}, Square{3, 8}, Square{3, 9}));
  EXPECT_EQ(s.com_influence[3][9], 1);  // the pawn's own step, not the lance
  EXPECT_EQ(s.com_influence[3][8], 1);
  // Column 7: the own king stops the line; the king adds its own steps.
  EXPECT_EQ(s.com_influence[7][5], 1);
  EXPECT_EQ(s.com_influence[7][6], 1);
  EXPECT_EQ(s.com_influence[7][7], 0);
}

TEST(SurveyLines, ComRookOnTheHumanKingsColumn) {
  Position p;
  p.put(5, 5, UE_SYA).put(5, 2, SITA_OU);
  const GameState& s = p.survey();
  for (int y = 1; y <= 4; ++y) EXPECT_EQ(s.com_influence[5][y], 1) << y;
  EXPECT_EQ(s.man_check_map[5][4], CHECK_PATH);
  EXPECT_EQ(s.man_check_map[5][3], CHECK_PATH);
  EXPECT_EQ(s.man_check_map[5][5], CHECKER);
  EXPECT_EQ(s.man_check_map[5][2], 0);
  EXPECT_EQ(marked(s.man_check_map).size(), 3u);
}

TEST(SurveyLines, ComRookBlockedByAHumanPawnGivesNoCheck) {
  Position p;
  p.put(5, 5, UE_SYA).put(5, 2, SITA_OU).put(5, 3, SITA_HU);
  const GameState& s = p.survey();
  EXPECT_EQ(s.com_influence[5][4], 1);
  EXPECT_EQ(s.com_influence[5][3], 1);
  EXPECT_EQ(s.com_influence[5][1], 0);
  EXPECT_EQ(s.com_cheapest_attacker[5][3], UE_SYA);
  EXPECT_EQ(s.com_cheapest_attacker_x[5][3], 5);
  EXPECT_EQ(s.com_cheapest_attacker_y[5][3], 5);
  EXPECT_TRUE(marked(s.man_check_map).empty());
}

TEST(SurveyLines, WarpSquaresDoNotBendOrStopLines) {
  Position p;
  p.put(1, 9, SITA_KAKU);
  p.s.warp_map[3][7] = IRVU_AKA;
  p.s.warp_map[6][4] = IRVU_AKA;
  const GameState& s = p.survey();
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(s.man_influence[1 + k][9 - k], 1) << k;
}

}  // namespace
}  // namespace zv
