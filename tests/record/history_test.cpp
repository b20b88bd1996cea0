#include <gtest/gtest.h>

#include "model/setup.h"
#include "random_game.h"
#include "record/kifu_format.h"
#include "record/record.h"
#include "record_test_util.h"

namespace zv {
namespace {

using test::TestGame;

TEST(History, SaveStoresTheWholePositionAtTheCurrentEntry) {
  TestGame t;
  初期設定(t.g());
  GameState& s = t.s();
  s.history_index = 7;
  s.man_hand[SLOT_GIN] = 2;
  s.com_hand[SLOT_HU] = 3;
  s.board[5][5] = UE_RYU;
  const Grid other = s.hist_board[8];
  ASSERT_TRUE(手順保存(s, 5, 6, {10.5, 12.5, 20, 20}));
  EXPECT_EQ(s.hist_board[7], s.board);
  EXPECT_EQ(s.hist_warp[7], s.warp_map);
  EXPECT_EQ(s.hist_man_hand[7][SLOT_GIN], 2);
  EXPECT_EQ(s.hist_com_hand[7][SLOT_HU], 3);
  EXPECT_EQ(s.hist_dest_x[7], 5);
  EXPECT_EQ(s.hist_dest_y[7], 6);
  EXPECT_EQ(s.hist_time[7], (std::array<double, 4>{10.5, 12.5, 20, 20}));
  EXPECT_EQ(s.history_last, 7);
  EXPECT_EQ(s.history_index, 7) << "the caller moves the index after the move";
  EXPECT_EQ(s.hist_board[8], other);
}

TEST(History, FullHistoryRefusesTheMoveAndSaysSo) {
  TestGame t;
  初期設定(t.g());
  GameState& s = t.s();
  s.history_index = HISTORY_MAX;
  EXPECT_FALSE(history_full(s));
  EXPECT_FALSE(refuse_if_history_full(t.g()));
  EXPECT_TRUE(t.dialogs.shown.empty());
  EXPECT_TRUE(手順保存(s, 5, 6, {0, 0, 0, 0}));
  s.history_index = HISTORY_MAX + 1;
  const int last = s.history_last;
  EXPECT_TRUE(history_full(s));
  EXPECT_FALSE(手順保存(s, 5, 6, {0, 0, 0, 0}));
  EXPECT_EQ(s.history_last, last);
  EXPECT_TRUE(refuse_if_history_full(t.g()));
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "これ以上の手は記録できません");
  EXPECT_EQ(t.dialogs.shown[0].title, "対局");
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
}

TEST(History, LongestGameFillsTheHistoryAndSavesAsFiveHundredPositions) {
  TestGame t;
  const test::RandomGame game = test::play_random_game(t, 600, 42);
  GameState& s = t.s();
  ASSERT_EQ(game.positions.size(), 502u) << "501 moves fit: entries 0..500";
  EXPECT_EQ(s.history_index, 501);
  EXPECT_EQ(s.history_last, 500);
  EXPECT_TRUE(refuse_if_history_full(t.g()));

  // Stepping back from the full history and forward again stays in bounds.
  REPLAY_Click(t.g());
  EXPECT_EQ(s.board, game.positions[500].board);
  AFTER_Click(t.g());
  EXPECT_EQ(t.dialogs.shown.back().text, "できません");

  test::ScratchDir dir;
  s.dir_path = dir.path;
  s.Text1 = "long";
  Command1_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.back().text, "棋譜を書き込みました");
  TestGame u;
  u.s().dir_path = dir.path;
  File1_Click(u.g(), "long.棋譜");
  EXPECT_EQ(u.s().history_last, 500);
}

TEST(History, CountsOnlyThePositiveSlotsOfTheSidesHand) {
  TestGame t;
  GameState& s = t.s();
  s.man_side = SENTE;
  s.com_side = GOTE;
  s.man_hand = {0, 3, 0, 1, 0, 0, 0, -1};
  s.com_hand = {9, 0, 2, 0, 0, 1, 0, 0};
  EXPECT_EQ(調査_持駒数(s, SENTE), 4);
  EXPECT_EQ(調査_持駒数(s, GOTE), 3) << "slot 0 is not a hand slot";
  EXPECT_EQ(調査_持駒数(s, NO_TURN), 0);
}

TEST(History, ForwardNeedsAGame) {
  TestGame t;
  初期設定(t.g());
  t.s().file1_visible = true;
  AFTER_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "「対局」で始めて下さい");
  EXPECT_EQ(t.dialogs.shown[0].title, "開始");
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
  EXPECT_FALSE(t.s().file1_visible);
  EXPECT_EQ(t.s().clock_pending, 0);
}

TEST(History, ForwardAtTheNewestPositionIsRefused) {
  TestGame t;
  test::play_random_game(t, 3, 1);
  const Grid board = t.s().board;
  AFTER_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "できません");
  EXPECT_EQ(t.dialogs.shown[0].title, "進む");
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
  EXPECT_EQ(t.s().board, board);
  EXPECT_EQ(t.s().clock_pending, 1);
}

TEST(History, BackThreeThenForwardReplaysTheSavedPositions) {
  TestGame t;
  const test::RandomGame game = test::play_random_game(t, 3, 17);
  GameState& s = t.s();
  ASSERT_EQ(s.history_index, 3);
  ASSERT_EQ(s.history_last, 2);
  for (int i = 0; i < 3; ++i) REPLAY_Click(t.g());
  EXPECT_EQ(s.board, game.positions[0].board);
  EXPECT_EQ(s.turn, SENTE);
  for (int k = 1; k <= 2; ++k) {
    t.sound.calls.clear();
    AFTER_Click(t.g());
    EXPECT_EQ(s.board, game.positions[k].board);
    EXPECT_EQ(s.warp_map, game.positions[k].warp);
    EXPECT_EQ(s.man_hand, game.positions[k].man_hand);
    EXPECT_EQ(s.com_hand, game.positions[k].com_hand);
    EXPECT_EQ(s.move_number, k);
    EXPECT_EQ(s.turn, k % 2 ? GOTE : SENTE);
    EXPECT_EQ(s.man_total_seconds, game.positions[k].man_seconds);
    EXPECT_EQ(s.com_total_seconds, game.positions[k].com_seconds);
    EXPECT_EQ(t.sound.count("play", SoundId::Piece), 1);
    EXPECT_FALSE(s.timer1_enabled);
  }
  EXPECT_TRUE(t.dialogs.shown.empty());
  AFTER_Click(t.g());
  EXPECT_EQ(t.dialogs.shown.back().text, "できません");
  EXPECT_EQ(s.board, game.positions[2].board);
}

TEST(History, NewMoveAfterSteppingBackDiscardsTheRest) {
  TestGame t;
  test::play_random_game(t, 6, 23);
  GameState& s = t.s();
  REPLAY_Click(t.g());
  REPLAY_Click(t.g());
  REPLAY_Click(t.g());
  ASSERT_EQ(s.history_index, 3);
  ASSERT_TRUE(手順保存(s, 0, 0, {0, 0, 0, 0}));
  EXPECT_EQ(s.history_last, 3);
  s.history_index = 4;
  AFTER_Click(t.g());
  EXPECT_EQ(t.dialogs.shown.back().text, "できません");
}

TEST(History, EntriesOfAnEarlierGameAreNeverReplayed) {
  TestGame t;
  test::play_random_game(t, 10, 5);
  const test::RandomGame game = test::play_random_game(t, 3, 6);
  GameState& s = t.s();
  // Resuming the game, a start command claims the current move as the last entry,
  // though entry 3 still holds a position of the earlier game.
  s.history_last = s.move_number;
  for (int i = 0; i < 3; ++i) REPLAY_Click(t.g());
  AFTER_Click(t.g());
  AFTER_Click(t.g());
  EXPECT_EQ(s.board, game.positions[2].board);
  AFTER_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown.back().text, "できません");
  EXPECT_EQ(s.history_index, 2);
}

TEST(History, RestartGivesAFreshPositionWithNewWarps) {
  TestGame t;
  test::play_random_game(t, 8, 3);
  const Grid warps = t.s().warp_map;
  t.clock.t += 7;
  CANCEL_Click(t.g());
  EXPECT_EQ(t.s().board, test::start_entry().board);
  EXPECT_NE(t.s().warp_map, warps);
  EXPECT_EQ(t.s().turn, NO_TURN);
  EXPECT_EQ(t.s().game_mode, MODE_NONE);
  EXPECT_EQ(t.s().history_index, 0);
  EXPECT_EQ(t.s().man_hand_total + t.s().com_hand_total, 0);
}

}  // namespace
}  // namespace zv
