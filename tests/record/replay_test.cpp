#include <gtest/gtest.h>

#include "model/setup.h"
#include "random_game.h"
#include "record/record.h"
#include "record_test_util.h"

namespace zv {
namespace {

using test::TestGame;

TEST(StepBack, AtTheStartIsRefused) {
  TestGame t;
  初期設定(t.g());
  t.s().turn = SENTE;
  t.s().text_visible = true;
  t.s().Text2 = "title";
  REPLAY_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "できません");
  EXPECT_EQ(t.dialogs.shown[0].title, "戻る");
  EXPECT_EQ(t.sound.calls.size(), 1u);
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
  EXPECT_EQ(t.s().clock_pending, 1);
  EXPECT_FALSE(t.s().text_visible);
  EXPECT_TRUE(t.s().Text2.empty());
}

TEST(StepBack, TwiceFromEntryTwoRestoresTheStart) {
  TestGame t;
  const test::RandomGame game = test::play_random_game(t, 2, 8);
  GameState& s = t.s();
  s.piece_selected = 1;
  s.timer1_enabled = true;
  s.winner = s.com_side;
  t.sound.calls.clear();
  REPLAY_Click(t.g());
  EXPECT_EQ(s.board, game.positions[1].board);
  EXPECT_EQ(s.turn, GOTE);
  EXPECT_EQ(s.piece_selected, 0);
  EXPECT_FALSE(s.timer1_enabled);
  EXPECT_EQ(s.winner, 0);
  REPLAY_Click(t.g());
  EXPECT_EQ(s.board, game.positions[0].board);
  EXPECT_EQ(s.warp_map, game.positions[0].warp);
  EXPECT_EQ(s.turn, SENTE);
  EXPECT_EQ(s.move_number, 0);
  EXPECT_EQ(s.history_index, 0);
  EXPECT_EQ(s.history_last, 2) << "stepping back keeps the moves for 進";
  EXPECT_EQ(t.sound.count("play", SoundId::Piece), 2);
  EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(StepBack, RestoresHandsTotalsTimesAndTheKing) {
  TestGame t;
  const test::RandomGame game = test::play_random_game(t, 40, 99);
  GameState& s = t.s();
  for (int k = 39; k >= 0; --k) {
    REPLAY_Click(t.g());
    const test::Snapshot& want = game.positions[k];
    ASSERT_EQ(s.board, want.board) << k;
    EXPECT_EQ(s.man_hand, want.man_hand) << k;
    EXPECT_EQ(s.com_hand, want.com_hand) << k;
    EXPECT_EQ(s.man_hand_total, want.man_total) << k;
    EXPECT_EQ(s.com_hand_total, want.com_total) << k;
    EXPECT_EQ(s.man_total_seconds, want.man_seconds) << k;
    EXPECT_EQ(s.com_total_seconds, want.com_seconds) << k;
    EXPECT_EQ(s.board[s.man_king_x][s.man_king_y], SITA_OU) << k;
    EXPECT_EQ(s.board[s.com_king_x][s.com_king_y], UE_OU) << k;
  }
  // And forward again to the newest saved position.
  for (int k = 1; k <= 39; ++k) AFTER_Click(t.g());
  EXPECT_EQ(s.board, game.positions[39].board);
  EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(Reverse, TurnsTheBoardAndSwapsTheHands) {
  TestGame t;
  test::play_random_game(t, 30, 4);
  GameState& s = t.s();
  const Grid board = s.board, warps = s.warp_map;
  const Hand man = s.man_hand, com = s.com_hand;
  const int turn = s.turn;
  t.sound.calls.clear();
  REVERSE_Click(t.g());
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(s.board[10 - x][10 - y], -board[x][y]);
  EXPECT_EQ(s.warp_map, warps);
  EXPECT_EQ(s.man_hand, com);
  EXPECT_EQ(s.com_hand, man);
  EXPECT_EQ(s.man_hand_total, 調査_持駒数(s, s.man_side));
  EXPECT_EQ(s.board[s.man_king_x][s.man_king_y], SITA_OU);
  EXPECT_EQ(s.board[s.com_king_x][s.com_king_y], UE_OU);
  EXPECT_EQ(s.turn, -turn);
  EXPECT_EQ(s.reversed_once, 1);
  EXPECT_EQ(t.sound.count("play", SoundId::Piece), 1);

  REVERSE_Click(t.g());
  EXPECT_EQ(s.board, board);
  EXPECT_EQ(s.man_hand, man);
  EXPECT_EQ(s.com_hand, com);
  EXPECT_EQ(s.turn, turn);
  EXPECT_EQ(s.history_index, 0);
  EXPECT_EQ(s.history_last, 0);
  AFTER_Click(t.g());
  EXPECT_EQ(t.dialogs.shown.back().text, "できません");
  REPLAY_Click(t.g());
  EXPECT_EQ(t.dialogs.shown.back().text, "できません");
  EXPECT_EQ(s.board, board);

  KIFU_WRITE_Click(t.g());
  EXPECT_EQ(t.dialogs.shown.back().text, "反転後は書き込みできません");
  EXPECT_EQ(t.dialogs.shown.back().title, "棋譜書込");
  EXPECT_FALSE(s.dir1_visible);
}

TEST(Reverse, RefusedInRecordMode) {
  TestGame t;
  test::play_random_game(t, 4, 4);
  t.s().kifu_mode = 1;
  const Grid board = t.s().board;
  REVERSE_Click(t.g());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "棋譜ﾓｰﾄﾞではできません");
  EXPECT_EQ(t.dialogs.shown[0].title, "反転");
  EXPECT_EQ(t.sound.calls.back().id, SoundId::Forbidden);
  EXPECT_EQ(t.s().board, board);
  EXPECT_EQ(t.s().reversed_once, 0);
}

TEST(Reverse, NegatesASetHandicap) {
  TestGame t;
  初期設定(t.g());
  LBEL_UP_Click(t.g());
  LBEL_UP_Click(t.g());
  REVERSE_Click(t.g());
  EXPECT_EQ(t.s().handicap_level, -2);
  EXPECT_EQ(t.s().board[2][8], EMPTY) << "the upper rook's square, turned";
  EXPECT_EQ(t.s().board[8][8], EMPTY);
  REVERSE_Click(t.g());
  EXPECT_EQ(t.s().handicap_level, 2);
}

}  // namespace
}  // namespace zv
