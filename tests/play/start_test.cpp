#include <gtest/gtest.h>

#include "model/setup.h"
#include "play/play.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace zv {
namespace {

class Start : public ::testing::Test {
 protected:
  test::TestGame t;
  GameState& s = t.s();
  void SetUp() override { 初期設定(t.g()); }
};

TEST_F(Start, SenteOnAFreshWindow) {
  const double before = t.clock.t;
  SENTE_Click(t.g());
  EXPECT_EQ(s.turn, SENTE);
  EXPECT_EQ(s.man_side, SENTE);
  EXPECT_EQ(s.com_side, GOTE);
  EXPECT_EQ(s.game_mode, MODE_COM);
  EXPECT_TRUE(s.timer1_enabled);
  EXPECT_GE(t.clock.t - before, 1.5) << "the start waits before its message";
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "MANの番です");
  EXPECT_EQ(t.dialogs.shown[0].title, " ");
}

TEST_F(Start, GoteLetsTheComputerOpen) {
  GOTE_Click(t.g());
  EXPECT_EQ(s.man_side, GOTE);
  EXPECT_EQ(s.com_side, SENTE);
  EXPECT_EQ(s.game_mode, MODE_COM);
}

TEST_F(Start, StartAfterAFinishedGameResetsTheBoard) {
  s.winner = SENTE;
  s.turn = GOTE;
  s.move_number = 12;
  s.board[5][5] = UE_KIN;
  START_Click(t.g());
  EXPECT_EQ(s.board[5][5], EMPTY);
  EXPECT_EQ(s.winner, 0);
  EXPECT_EQ(s.turn, SENTE);
  EXPECT_EQ(s.game_mode, MODE_HUMAN);
  EXPECT_EQ(t.dialogs.shown.back().text, "先手の番です");
}

TEST_F(Start, StartResumesWithTheSideToMove) {
  s.turn = GOTE;
  s.move_number = 3;
  START_Click(t.g());
  EXPECT_EQ(s.turn, GOTE);
  EXPECT_EQ(t.dialogs.shown.back().text, "後手の番です");
}

TEST_F(Start, SenteResumedOnTheHumansTurn) {
  s.turn = GOTE;
  s.man_side = GOTE;
  s.com_side = SENTE;
  s.move_number = 4;
  SENTE_Click(t.g());
  EXPECT_EQ(s.man_side, SENTE);
  EXPECT_EQ(s.turn, SENTE);
  EXPECT_EQ(t.dialogs.shown.back().title, "対局");
}

TEST_F(Start, LevelMovesTheCheckMarkDuringAGame) {
  s.checked[M_LEVEL3] = true;
  SENTE_Click(t.g());
  LEVEL1_Click(t.g());
  EXPECT_EQ(s.com_level, 1);
  EXPECT_TRUE(s.checked[M_LEVEL1]);
  EXPECT_FALSE(s.checked[M_LEVEL3]);
  EXPECT_EQ(s.turn, SENTE) << "the game goes on";
  レベル_設定(t.g(), 7);
  EXPECT_EQ(s.com_level, 1);
  EXPECT_FALSE(s.checked[M_LEVEL1]);
}

TEST_F(Start, MusicFollowsTheModeOnlyWhenOn) {
  BGM_切替(t.g(), MODE_COM);
  EXPECT_EQ(t.sound.calls.size(), 2u) << "with music off it only stops";
  s.checked[M_BGM] = true;
  t.sound.calls.clear();
  BGM_切替(t.g(), MODE_COM);
  ASSERT_EQ(t.sound.calls.size(), 3u);
  EXPECT_EQ(t.sound.calls[0].id, SoundId::Music);
  EXPECT_EQ(t.sound.calls[1].id, SoundId::Ending);
  EXPECT_EQ(t.sound.calls[2].op, "loop");
  EXPECT_EQ(t.sound.calls[2].id, SoundId::Music);
  BGM_切替(t.g(), MODE_NONE);
  EXPECT_EQ(t.sound.calls.back().id, SoundId::Ending);
}

}  // namespace
}  // namespace zv
