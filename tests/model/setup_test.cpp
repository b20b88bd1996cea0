#include "model/setup.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/positions.h"

namespace zv {
namespace {

// Candidate list as the warp placement builds it: empty squares without warp, X outer.
std::vector<std::pair<int, int>> candidates(const BoardState& s) {
  std::vector<std::pair<int, int>> out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (s.warp_map[x][y] == 0 && s.board[x][y] == 0) out.push_back({x, y});
  return out;
}

TEST(InitialSetting, StartingPosition) {
  test::TestGame t;
  auto& s = t.s();
  s.com_level = 1;
  s.guidance_on = 1;
  s.man_hand[3] = 2;
  初期設定(t.g());
  EXPECT_EQ(s.board[5][9], SITA_OU);
  EXPECT_EQ(s.board[5][1], UE_OU);
  EXPECT_EQ(s.board[8][8], SITA_SYA);
  EXPECT_EQ(10 - 8, 2) << "the lower rook stands on file 2";
  EXPECT_EQ(s.board[2][8], SITA_KAKU);
  EXPECT_EQ(s.board[2][2], UE_SYA);
  EXPECT_EQ(s.board[8][2], UE_KAKU);
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(s.board[x][3], UE_HU);
    EXPECT_EQ(s.board[x][7], SITA_HU);
    EXPECT_EQ(s.board[x][1], -s.board[10 - x][9]);
  }
  EXPECT_EQ(s.man_hand_total, 0);
  EXPECT_EQ(s.com_hand_total, 0);
  EXPECT_EQ(s.turn, NO_TURN);
  EXPECT_EQ(s.hist_piece[0], UE_HU);
  EXPECT_EQ(s.com_level, 1) << "level survives a new game";
  EXPECT_EQ(s.guidance_on, 1);
}

TEST(InitialSetting, EveryWarpColourOnTwoSquaresThatWereEmpty) {
  for (double start : {0.0, 36000.0, 45296.37, 86399.9}) {
    test::TestGame t;
    t.clock.t = start;
    初期設定(t.g());
    auto& s = t.s();
    for (int k = IRVU_FIRST; k <= IRVU_LAST; ++k) {
      int n = 0;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
          if (s.warp_map[x][y] == k) {
            ++n;
            EXPECT_EQ(s.board[x][y], EMPTY);
            EXPECT_TRUE(y == 2 || y == 8 || (y >= 4 && y <= 6));
          }
      EXPECT_EQ(n, 2) << "colour " << k;
    }
  }
}

TEST(WarpPlacement, PairIsAtLeastFourListPositionsApart) {
  for (int trial = 0; trial < 200; ++trial) {
    test::TestGame t;
    t.clock.t = 1000 + trial * 0.37;
    初期設定(t.g());
    auto& s = t.s();
    for (auto& col : s.warp_map) col.fill(0);
    const auto list = candidates(s);
    IRVU_設定(t.g(), IRVU_AO);
    std::vector<int> at;
    for (size_t i = 0; i < list.size(); ++i)
      if (s.warp_map[list[i].first][list[i].second] == IRVU_AO) at.push_back(static_cast<int>(i));
    ASSERT_EQ(at.size(), 2u);
    EXPECT_GT(at[1] - at[0], 3);
  }
}

TEST(WarpPlacement, NewColourNeverReusesAnotherColoursSquares) {
  test::TestGame t;
  初期設定(t.g());
  auto& s = t.s();
  auto black = s.warp_map;
  IRVU_設定(t.g(), IRVU_AKA);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (black[x][y] == IRVU_KURO) {
        EXPECT_EQ(s.warp_map[x][y], IRVU_KURO);
      }
}

TEST(WarpPlacement, FewCandidatesStillEndAndPlaceAPair) {
  for (int free : {0, 1, 2, 3, 4, 5}) {
    test::TestGame t;
    auto& s = t.s();
    test::clear_board(s);
    int left = free;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        if (left > 0) {
          --left;
          continue;
        }
        s.board[x][y] = UE_HU;
      }
    t.clock.t = 86399.0;  // last digit 9: larger than a short list
    IRVU_設定(t.g(), IRVU_MURA);
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += s.warp_map[x][y] == IRVU_MURA;
    EXPECT_EQ(n, free >= 2 ? 2 : 0) << free << " free squares";
  }
}

TEST(HandTotals, CountOnlyPositiveSlots) {
  BoardState s;
  s.man_hand = {0, 2, 0, 1, 0, 0, 0, 3};
  s.com_hand = {0, 0, -1, 0, 0, 4, 0, 0};
  recount_hand_totals(s);
  EXPECT_EQ(s.man_hand_total, 6);
  EXPECT_EQ(s.com_hand_total, 4);
}

}  // namespace
}  // namespace zv
