#include <gtest/gtest.h>

#include <cmath>

#include "model/setup.h"
#include "play/play.h"
#include "support/fakes.h"
#include "support/positions.h"

namespace zv {
namespace {

class Input : public ::testing::Test {
 protected:
  test::TestGame t;
  GameState& s = t.s();
  void SetUp() override { 初期設定(t.g()); }

  void click(int button, double q, double r) {
    Form_MouseDown(t.g(), button, 0, X0 + CELL_W * (q + 0.5), Y0 + CELL_H * (r + 0.5));
  }
  void left(double q, double r) { click(BUTTON_LEFT, q, r); }
  void right(double q, double r) { click(BUTTON_RIGHT, q, r); }
  const test::ScriptedDialogs::Shown& last_box() { return t.dialogs.shown.back(); }
  void start_humans() {
    START_Click(t.g());
    t.dialogs.shown.clear();
    t.sound.calls.clear();
  }
  // A quiet board with both kings and no warps, humans to play, lower side to move.
  void quiet_board() {
    start_humans();
    test::clear_board(s);
    s.board[5][9] = SITA_OU;
    s.board[5][1] = UE_OU;
    s.man_king_x = 5;
    s.man_king_y = 9;
  }
};

TEST_F(Input, ClickBeforeAnyGameIsRefused) {
  left(5, 7);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(last_box().text, "「対局」で始めて下さい");
  EXPECT_EQ(last_box().title, "開始");
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
  EXPECT_EQ(s.piece_selected, 0);
}

TEST_F(Input, LoadedRecordAsksToStepAndNoStartsAfresh) {
  s.kifu_mode = 1;
  s.board[5][5] = UE_KIN;
  t.dialogs.answers.push_back(Answer::Yes);
  left(5, 7);
  EXPECT_EQ(last_box().text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(last_box().buttons, Buttons::YesNo);
  EXPECT_EQ(s.kifu_mode, 1);
  t.dialogs.answers.push_back(Answer::No);
  left(5, 7);
  EXPECT_EQ(s.kifu_mode, 0);
  EXPECT_EQ(s.board[5][5], EMPTY);
}

TEST_F(Input, FinishedGameAsksForANewOne) {
  s.turn = SENTE;
  s.winner = SENTE;
  left(5, 7);
  EXPECT_EQ(last_box().text, "新規に対局してください");
  EXPECT_EQ(last_box().title, "終局");
}

TEST_F(Input, HumansPlayAPawnAndTheTurnPasses) {
  START_Click(t.g());
  EXPECT_EQ(last_box().text, "先手の番です");
  EXPECT_EQ(s.turn, SENTE);
  EXPECT_EQ(s.man_side, SENTE);
  left(7, 7);
  EXPECT_EQ(s.piece_selected, 1);
  left(7, 6);
  EXPECT_EQ(s.board[7][6], SITA_HU);
  EXPECT_EQ(s.board[7][7], EMPTY);
  EXPECT_EQ(s.turn, GOTE);
  EXPECT_EQ(s.move_number, 1);
  EXPECT_EQ(s.history_index, 1);
  EXPECT_EQ(t.sound.count("play", SoundId::Piece), 1);
  EXPECT_EQ(s.piece_selected, 0);
  // Now the upper side moves.
  left(3, 3);
  left(3, 4);
  EXPECT_EQ(s.board[3][4], UE_HU);
  EXPECT_EQ(s.turn, SENTE);
}

TEST_F(Input, OpponentPieceIsShownButNotChosen) {
  start_humans();
  left(3, 3);
  EXPECT_EQ(s.piece_selected, 0);
  EXPECT_TRUE(t.sound.calls.empty());
}

TEST_F(Input, SecondOwnPieceSwitchesWithoutSound) {
  start_humans();
  left(7, 7);
  left(8, 8);
  EXPECT_EQ(s.piece_selected, 1);
  EXPECT_EQ(s.元X, 8);
  EXPECT_EQ(s.選択駒, SITA_SYA);
  EXPECT_TRUE(t.sound.calls.empty());
}

TEST_F(Input, ClicksFarOffTheWindowAreClicksBesideTheBoard) {
  // Twips this far off do not fit an int; the sanitizers catch a bare cast.
  start_humans();
  const Grid before = s.board;
  left(7, 7);
  for (double far : {1e300, -1e300, 4e9, -4e9, std::nan("")}) {
    Form_MouseDown(t.g(), BUTTON_LEFT, 0, far, Y0);
    Form_MouseDown(t.g(), BUTTON_RIGHT, 0, X0, far);
  }
  EXPECT_EQ(s.piece_selected, 0) << "the choice was let go";
  EXPECT_EQ(s.board, before);
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 0);
}

TEST_F(Input, IllegalDestinationBuzzesAndLetsGo) {
  start_humans();
  left(7, 7);
  left(7, 5);
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
  EXPECT_EQ(s.piece_selected, 0);
  EXPECT_EQ(s.board[7][7], SITA_HU);
  EXPECT_EQ(s.turn, SENTE);
}

TEST_F(Input, PawnOnTheLastRowMustBePromotedWithTheRightButton) {
  quiet_board();
  s.board[2][2] = SITA_HU;
  left(2, 2);
  left(2, 1);
  EXPECT_EQ(last_box().text, "マウスの右をクリックして下さい");
  EXPECT_EQ(last_box().title, "成り");
  EXPECT_EQ(s.board[2][2], SITA_HU);
  EXPECT_EQ(s.piece_selected, 1) << "the choice stays";
  right(2, 1);
  EXPECT_EQ(s.board[2][1], SITA_TO);
  EXPECT_EQ(s.hist_piece[0], SITA_TO);
}

TEST_F(Input, RightClickPromotesOnlyWhereAllowed) {
  quiet_board();
  s.board[3][4] = SITA_GIN;
  s.board[7][6] = SITA_GIN;
  left(3, 4);
  right(3, 3);
  EXPECT_EQ(s.board[3][3], SITA_NARIGIN);
  s.turn = SENTE;
  left(7, 6);
  right(7, 5);  // outside the zone: moves unpromoted
  EXPECT_EQ(s.board[7][5], SITA_GIN);
  s.turn = SENTE;
  s.board[6][4] = SITA_GIN;
  left(6, 4);
  left(6, 3);  // a left click never promotes
  EXPECT_EQ(s.board[6][3], SITA_GIN);
}

TEST_F(Input, DropsFromTheHandAndEmptySlots) {
  quiet_board();
  left(11, 3);  // no pawn in hand
  EXPECT_EQ(s.piece_selected, 0);
  s.man_hand[SLOT_KIN] = 1;
  s.man_hand_total = 1;
  left(11, SLOT_KIN + 2);
  EXPECT_EQ(s.piece_selected, 1);
  left(4, 4);
  EXPECT_EQ(s.board[4][4], SITA_KIN);
  EXPECT_EQ(s.man_hand[SLOT_KIN], 0);
  EXPECT_EQ(s.man_hand_total, 0);
  // The upper side drops from its column, rook at the top.
  s.com_hand[SLOT_SYA] = 1;
  s.com_hand_total = 1;
  left(-1, 1);
  left(6, 6);
  EXPECT_EQ(s.board[6][6], UE_SYA);
  EXPECT_EQ(s.com_hand[SLOT_SYA], 0);
}

TEST_F(Input, HandPieceOfTheSideNotToMoveIsLetGo) {
  quiet_board();
  s.com_hand[SLOT_HU] = 1;
  s.com_hand_total = 1;
  left(-1, 7);
  EXPECT_EQ(s.piece_selected, 1);
  left(6, 6);
  EXPECT_EQ(s.piece_selected, 0);
  EXPECT_EQ(s.board[6][6], EMPTY);
}

TEST_F(Input, CapturingTheUpperKingEndsAHumanGame) {
  quiet_board();
  s.board[5][2] = SITA_KIN;
  left(5, 2);
  left(5, 1);
  EXPECT_EQ(s.winner, SENTE);
  EXPECT_EQ(last_box().text, "先手の勝ちです");
  EXPECT_EQ(last_box().title, "終了");
  EXPECT_EQ(s.game_mode, MODE_NONE);
  left(5, 5);
  EXPECT_EQ(last_box().text, "新規に対局してください");
}

TEST_F(Input, CapturingTheComputerKingWinsForTheHuman) {
  quiet_board();
  s.game_mode = MODE_COM;
  s.checked[M_BGM] = true;
  s.board[5][2] = SITA_KIN;
  left(5, 2);
  left(5, 1);
  EXPECT_EQ(s.winner, s.man_side);
  EXPECT_EQ(last_box().text, "あなたの勝ちです");
  EXPECT_EQ(s.game_mode, MODE_NONE);
  EXPECT_EQ(t.sound.count("loop", SoundId::Ending), 1);
}

TEST_F(Input, WarpedOwnKingLosesForTheHuman) {
  quiet_board();
  s.game_mode = MODE_COM;
  s.board[5][9] = EMPTY;
  s.board[9][9] = SITA_OU;
  s.man_king_x = 9;
  s.warp_map[2][5] = IRVU_AO;
  s.warp_map[9][9] = IRVU_AO;
  s.board[2][6] = SITA_HU;
  left(2, 6);
  left(2, 5);
  EXPECT_EQ(s.board[9][9], SITA_HU);
  EXPECT_EQ(s.winner, s.com_side);
  EXPECT_EQ(last_box().text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
}

TEST_F(Input, WarpMovePlacesTheColourAnew) {
  quiet_board();
  s.warp_map[2][5] = IRVU_AKA;
  s.warp_map[8][3] = IRVU_AKA;
  s.board[2][6] = SITA_HU;
  s.board[8][3] = UE_GIN;
  left(2, 6);
  left(2, 5);
  EXPECT_EQ(s.board[8][3], SITA_HU);
  EXPECT_EQ(s.man_hand[SLOT_GIN], 1);
  EXPECT_EQ(t.sound.count("play", SoundId::Warp), 1);
  int reds = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) reds += s.warp_map[x][y] == IRVU_AKA;
  EXPECT_EQ(reds, 2);
  EXPECT_EQ(s.warp_map[2][5], 0);
}

TEST_F(Input, HistoryKeepsTimesOfEachSide) {
  quiet_board();
  s.man_total_seconds = 10;
  s.com_total_seconds = 20;
  s.turn_start_time = t.clock.t;
  t.clock.t += 7;
  s.board[3][7] = SITA_HU;
  left(3, 7);
  left(3, 6);
  EXPECT_DOUBLE_EQ(s.hist_time[0][前秒M], 10);
  EXPECT_DOUBLE_EQ(s.hist_time[0][後秒M], 17);
  EXPECT_DOUBLE_EQ(s.hist_time[0][前秒C], 20);
  EXPECT_DOUBLE_EQ(s.hist_time[0][後秒C], 20);
  EXPECT_DOUBLE_EQ(s.man_total_seconds, 17);
}

TEST_F(Input, FullHistoryRefusesTheMove) {
  quiet_board();
  s.history_index = HISTORY_MAX + 1;
  s.board[3][7] = SITA_HU;
  left(3, 7);
  left(3, 6);
  EXPECT_EQ(s.board[3][7], SITA_HU);
  EXPECT_EQ(last_box().text, "これ以上の手は記録できません");
  EXPECT_EQ(s.piece_selected, 0);
}

}  // namespace
}  // namespace zv
