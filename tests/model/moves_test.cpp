#include "model/moves.h"

#include <gtest/gtest.h>

#include "play/visible_moves.h"
#include "support/fakes.h"
#include "support/positions.h"

namespace zv {
namespace {

class Moves : public ::testing::Test {
 protected:
  test::TestGame t;
  GameState& s = t.s();
  void SetUp() override {
    test::clear_board(s);
    s.board[5][9] = SITA_OU;
    s.board[5][1] = UE_OU;
  }
  int warp_squares(int colour) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += s.warp_map[x][y] == colour;
    return n;
  }
};

TEST_F(Moves, CaptureGoesToTheHandChosenByTheCapturedPiece) {
  s.board[3][5] = SITA_HU;
  s.board[3][4] = UE_RYU;
  駒移動(t.g(), 3, 5, 3, 4, SITA_HU);
  EXPECT_EQ(s.man_hand[SLOT_SYA], 1);
  EXPECT_EQ(s.man_hand_total, 1);
  EXPECT_EQ(s.board[3][4], SITA_HU);
  EXPECT_EQ(s.board[3][5], EMPTY);

  s.board[7][7] = UE_KEI;
  s.board[6][9] = SITA_NARIGIN;
  駒移動(t.g(), 7, 7, 6, 9, UE_NARIKEI);
  EXPECT_EQ(s.com_hand[SLOT_GIN], 1);
  EXPECT_EQ(s.com_hand_total, 1);
}

TEST_F(Moves, DropsTakeFromTheRightSlot) {
  s.man_hand[SLOT_KIN] = 2;
  s.man_hand_total = 2;
  駒移動(t.g(), MAN_HAND_X, SLOT_KIN + MAN_HAND_ROW_OFFSET, 4, 4, SITA_KIN);
  EXPECT_EQ(s.man_hand[SLOT_KIN], 1);
  EXPECT_EQ(s.man_hand_total, 1);
  EXPECT_EQ(s.board[4][4], SITA_KIN);

  s.com_hand[SLOT_KAKU] = 1;
  s.com_hand_total = 1;
  駒移動(t.g(), COM_HAND_X, SLOT_KAKU, 6, 6, UE_KAKU);
  EXPECT_EQ(s.com_hand[SLOT_KAKU], 0);
  EXPECT_EQ(s.com_hand_total, 0);
}

TEST_F(Moves, VisibleMoveRedrawsTheReceivingHandAndTracksTheLowerKing) {
  s.board[5][8] = UE_HU;
  t.canvas.clear();
  駒移動(t.g(), 5, 9, 5, 8, SITA_OU);
  EXPECT_EQ(s.man_king_x, 5);
  EXPECT_EQ(s.man_king_y, 8);
  EXPECT_EQ(s.man_hand[SLOT_HU], 1);
}

TEST_F(Moves, TentativeMoveNeverDrawsOrCountsOrEndsTheGame) {
  s.board[5][2] = SITA_KIN;
  t.canvas.clear();
  駒移動_仮(s, 5, 2, 5, 1, SITA_KIN);
  EXPECT_EQ(s.com_hand_total, 0);
  EXPECT_EQ(s.winner, 0);
  EXPECT_EQ(s.board[5][1], SITA_KIN);
  EXPECT_TRUE(t.canvas.ops.empty());
  EXPECT_TRUE(t.sound.calls.empty());
}

TEST_F(Moves, CapturedKingSetsTheWinnerAndStaysOutOfTheHand) {
  s.man_side = GOTE;
  s.com_side = SENTE;
  s.board[5][2] = SITA_KIN;
  駒移動(t.g(), 5, 2, 5, 1, SITA_KIN);
  EXPECT_EQ(s.winner, s.man_side);
  int sum = 0;
  for (int k = 1; k <= 7; ++k) sum += s.man_hand[k];
  EXPECT_EQ(sum, 0);
  EXPECT_EQ(s.man_hand_total, 0);
}

TEST_F(Moves, WarpCarriesThePieceAndCapturesEvenOwnPieces) {
  s.warp_map[3][5] = IRVU_AKA;
  s.warp_map[7][2] = IRVU_AKA;
  s.warp_map[1][1] = IRVU_AO;
  s.warp_map[9][9] = IRVU_AO;
  s.board[3][6] = SITA_HU;
  s.board[7][2] = SITA_GIN;
  駒移動(t.g(), 3, 6, 3, 5, SITA_HU);
  t.sound.calls.clear();
  t.canvas.clear();
  駒移動_IRVU(t.g(), 3, 5, SITA_HU);
  EXPECT_EQ(s.board[3][5], EMPTY);
  EXPECT_EQ(s.board[7][2], SITA_HU);
  EXPECT_EQ(s.com_hand[SLOT_GIN], 1) << "own silver goes to the opponent";
  ASSERT_EQ(t.sound.calls.size(), 1u);
  EXPECT_EQ(t.sound.calls[0].id, SoundId::Warp);

  // The pair is placed anew on two other empty squares; blue stays.
  IRVU_設定(t.g(), IRVU_AKA);
  EXPECT_EQ(warp_squares(IRVU_AKA), 2);
  EXPECT_EQ(s.warp_map[3][5], 0);
  EXPECT_EQ(s.warp_map[7][2], 0);
  EXPECT_EQ(s.warp_map[1][1], IRVU_AO);
  EXPECT_EQ(s.warp_map[9][9], IRVU_AO);
}

TEST_F(Moves, WarpOntoTheOpposingKingEndsTheGame) {
  s.warp_map[4][4] = IRVU_KURO;
  s.warp_map[5][1] = IRVU_KURO;
  s.board[4][5] = SITA_HU;
  s.man_side = SENTE;
  s.com_side = GOTE;
  駒移動(t.g(), 4, 5, 4, 4, SITA_HU);
  駒移動_IRVU(t.g(), 4, 4, SITA_HU);
  EXPECT_EQ(s.winner, SENTE);
  EXPECT_EQ(s.board[5][1], SITA_HU);
}

TEST_F(Moves, TentativeWarpLeavesTheWarpMapAlone) {
  s.warp_map[2][2] = IRVU_MURA;
  s.warp_map[8][8] = IRVU_MURA;
  s.board[8][8] = UE_KIN;
  s.board[2][2] = UE_HU;
  駒移動_IRVU_仮(s, 2, 2, UE_HU);
  EXPECT_EQ(s.board[8][8], UE_HU);
  EXPECT_EQ(s.man_hand[SLOT_KIN], 1);
  EXPECT_EQ(s.warp_map[2][2], IRVU_MURA);
  EXPECT_EQ(s.warp_map[8][8], IRVU_MURA);
}

TEST_F(Moves, WarpWithoutPartnerDoesNothing) {
  s.warp_map[2][2] = IRVU_MURA;
  s.board[2][2] = UE_HU;
  駒移動_IRVU(t.g(), 2, 2, UE_HU);
  EXPECT_EQ(s.board[2][2], UE_HU);
  EXPECT_TRUE(t.sound.calls.empty());
}

struct PromotionCase {
  int code, from_y, to_y, answer;
};
class Promotion : public ::testing::TestWithParam<PromotionCase> {};
TEST_P(Promotion, Zones) {
  BoardState s;
  const auto& c = GetParam();
  EXPECT_EQ(調査_駒成(s, 5, c.from_y, 5, c.to_y, c.code), c.answer)
      << c.code << " " << c.from_y << "->" << c.to_y;
  if (c.answer == YES) {
    EXPECT_EQ(s.promoted_code, c.code + (c.code > 0 ? 1 : -1));
  }
}
INSTANTIATE_TEST_SUITE_P(
    Table, Promotion,
    ::testing::Values(PromotionCase{SITA_HU, 5, 4, NO}, PromotionCase{SITA_HU, 4, 3, YES},
                      PromotionCase{SITA_GIN, 2, 4, YES}, PromotionCase{SITA_GIN, 5, 4, NO},
                      PromotionCase{SITA_KAKU, 3, 7, YES}, PromotionCase{SITA_SYA, 5, 3, YES},
                      PromotionCase{SITA_KEI, 5, 3, YES}, PromotionCase{SITA_KYOU, 4, 4, NO},
                      PromotionCase{UE_HU, 6, 7, YES}, PromotionCase{UE_HU, 5, 6, NO},
                      PromotionCase{UE_GIN, 8, 6, YES}, PromotionCase{UE_KAKU, 1, 9, YES},
                      PromotionCase{UE_KEI, 4, 6, NO}, PromotionCase{UE_KIN, 6, 8, NO},
                      PromotionCase{SITA_OU, 4, 3, NO}, PromotionCase{SITA_TO, 4, 3, NO},
                      PromotionCase{UE_RYU, 6, 8, NO}));

TEST(PromotionDrop, NeverOnADrop) {
  BoardState s;
  EXPECT_EQ(調査_駒成(s, MAN_HAND_X, 3, 5, 1, SITA_HU), NO);
  EXPECT_EQ(調査_駒成(s, COM_HAND_X, 1, 5, 9, UE_HU), NO);
}

TEST(MoveResult, FindsTheArrivedPieceBetweenTwoHistoryEntries) {
  auto s = std::make_unique<GameState>();
  s->hist_board[0][2][7] = SITA_HU;
  s->hist_board[1][2][6] = SITA_HU;
  int x = -1, y = -1, c = -1;
  調査_移動結果(*s, 1, x, y, c);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 6);
  EXPECT_EQ(c, SITA_HU);
  int x2 = 42, y2 = 42, c2 = 42;
  調査_移動結果(*s, 2, x2, y2, c2);  // no difference: out values unchanged
  EXPECT_EQ(x2, 42);
  調査_移動結果(*s, 0, x2, y2, c2);  // no entry before the first
  EXPECT_EQ(c2, 42);
}

}  // namespace
}  // namespace zv
