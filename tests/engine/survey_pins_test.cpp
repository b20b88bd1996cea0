// Pinned pieces: man_pinned and com_pin_flag.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/survey_support.h"

namespace zv {
namespace {

using test::marked;
using test::Position;
using test::Square;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

GameState& pins(Position& p) {
  p.survey();  // the kings' squares come from the survey
  調査_移動不可駒(p.s);
  return p.s;
}

TEST(Pins, SilverBetweenKingAndBishop) {
  Position p;
  p.put(5, 9, SITA_OU).put(4, 8, SITA_GIN).put(1, 5, UE_KAKU).put(6, 8, SITA_KIN);
  p.put(5, 1, UE_OU);
  const GameState& s = pins(p);
  EXPECT_THAT(marked(s.man_pinned), ElementsAre(Square{4, 8}));
  EXPECT_EQ(s.com_pin_flag, 0);
}

TEST(Pins, KingAlreadyInCheckByALineMarksEveryHumanPieceAndTheKing) {
  Position p;
  p.put(5, 9, SITA_OU).put(5, 1, UE_KYOU).put(1, 9, SITA_KYOU).put(8, 7, SITA_HU);
  p.put(9, 1, UE_OU).put(9, 3, UE_HU);
  const GameState& s = pins(p);
  EXPECT_THAT(marked(s.man_pinned), ElementsAre(Square{1, 9}, Square{5, 9}, Square{8, 7}));
  EXPECT_EQ(s.com_pin_flag, 0);
}

TEST(Pins, OnlyLancesBishopsHorsesRooksAndDragonsPin) {
  Position p;
  // A knight check and a gold next to the king pin nothing.
  p.put(5, 9, SITA_OU).put(4, 7, UE_KEI).put(6, 8, UE_KIN).put(5, 8, SITA_HU);
  p.put(5, 1, UE_OU);
  const GameState& s = pins(p);
  EXPECT_THAT(marked(s.man_pinned), IsEmpty());
}

TEST(Pins, ComputerLanceBelowTheKingPinsNothing) {
  Position p;
  p.put(5, 5, SITA_OU).put(5, 7, SITA_HU).put(5, 9, UE_KYOU).put(1, 1, UE_OU);
  const GameState& s = pins(p);
  EXPECT_THAT(marked(s.man_pinned), IsEmpty());
}

TEST(Pins, HorseAndDragonPinAlongTheirLines) {
  Position p;
  p.put(5, 9, SITA_OU).put(5, 7, SITA_GIN).put(5, 2, UE_RYU);
  p.put(7, 7, SITA_KIN).put(9, 5, UE_UMA);
  p.put(1, 1, UE_OU);
  const GameState& s = pins(p);
  EXPECT_THAT(marked(s.man_pinned), ElementsAre(Square{5, 7}, Square{7, 7}));
}

TEST(Pins, ComputerPieceHeldByAHumanRookSetsTheFlagOnly) {
  Position p;
  p.put(5, 1, UE_OU).put(5, 3, UE_KIN).put(5, 8, SITA_SYA).put(9, 9, SITA_OU);
  const GameState& s = pins(p);
  EXPECT_EQ(s.com_pin_flag, 1);
  EXPECT_THAT(marked(s.man_pinned), IsEmpty());
}

TEST(Pins, NoPinClearsTheFlagAndStaleMarks) {
  Position p;
  p.put(5, 1, UE_OU).put(5, 9, SITA_OU).put(5, 5, SITA_HU);
  p.s.com_pin_flag = 1;
  p.s.man_pinned[3][3] = 1;
  p.s.man_pinned[5][5] = 1;
  const GameState& s = pins(p);
  EXPECT_EQ(s.com_pin_flag, 0);
  EXPECT_THAT(marked(s.man_pinned), IsEmpty());
}

TEST(Pins, BoardIsTheSameAfterwards) {
  Position p;
  p.put(5, 9, SITA_OU).put(4, 8, SITA_GIN).put(1, 5, UE_KAKU).put(5, 1, UE_OU).put(5, 3, UE_KIN);
  p.put(5, 8, SITA_SYA);
  const Grid before = p.s.board;
  pins(p);
  EXPECT_EQ(p.s.board, before);
}

}  // namespace
}  // namespace zv
