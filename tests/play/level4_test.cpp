// The searching computer in the game: the LEVEL4 entry, its turn through the
// same flow as the other levels, and the human's hint.
#include <gtest/gtest.h>

#include <cmath>

#include "model/rules.h"
#include "model/setup.h"
#include "play/play.h"
#include "support/fakes.h"
#include "view/draw.h"

namespace zv {
namespace {

class Level4 : public ::testing::Test {
 protected:
  test::TestGame t;
  GameState& s = t.s();
  void SetUp() override { 初期設定(t.g()); }

  // Outlines drawn in the guidance colour since the last clear, as grid cells.
  std::vector<std::pair<int, int>> guide_cells() const {
    std::vector<std::pair<int, int>> out;
    for (const auto& op : t.canvas.of(test::DrawOp::Box))
      if (op.code == COL_GUIDE)
        out.push_back({static_cast<int>(std::lround((op.a - X0) / CELL_W)),
                       static_cast<int>(std::lround((op.b - Y0) / CELL_H))});
    return out;
  }
};

TEST_F(Level4, TheEntryMovesTheCheckMarkAndTheLabel) {
  SENTE_Click(t.g());
  LEVEL4_Click(t.g());
  EXPECT_EQ(s.com_level, COM_LEVEL_SEARCH);
  EXPECT_TRUE(s.checked[M_LEVEL4]);
  EXPECT_FALSE(s.checked[M_LEVEL1] || s.checked[M_LEVEL2] || s.checked[M_LEVEL3]);
  bool label = false;
  for (const auto& op : t.canvas.of(test::DrawOp::Text)) label = label || op.text == "4";
  EXPECT_TRUE(label);
  LEVEL2_Click(t.g());
  EXPECT_FALSE(s.checked[M_LEVEL4]);
  EXPECT_EQ(s.com_level, 2);
}

// The computer opens at level 4: the move is one the rules allow, it goes into
// the history with its sound, and the turn passes to the human.
TEST_F(Level4, TheComputersTurnGoesThroughTheUsualFlow) {
  LEVEL4_Click(t.g());
  const BoardState before = s;
  GOTE_Click(t.g());
  EXPECT_EQ(s.move_number, 1);
  EXPECT_EQ(s.history_index, 1);
  EXPECT_EQ(s.turn, s.man_side);
  EXPECT_EQ(t.sound.count("play", SoundId::Piece), 1);
  // Exactly one upper piece left its square for an allowed one.
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      if (before.board[x][y] != s.board[x][y] && s.board[x][y] == EMPTY) from_x = x, from_y = y;
      if (before.board[x][y] != s.board[x][y] && s.board[x][y] != EMPTY) to_x = x, to_y = y;
    }
  ASSERT_NE(from_x, 0);
  ASSERT_NE(to_x, 0);
  EXPECT_EQ(移動チェック(before, from_x, from_y, to_x, to_y, before.board[from_x][from_y]), YES);
}

TEST_F(Level4, HintIsRefusedOutsideAGame) {
  HINT_Click(t.g());
  EXPECT_EQ(t.sound.count("play", SoundId::Forbidden), 1);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "「対局」で始めて下さい");
}

// On the human's turn the hint outlines an own piece (or hand slot) and a
// square it may go to, and moves nothing.
TEST_F(Level4, HintOutlinesAnAllowedMoveOfTheSideToMove) {
  for (bool between_people : {false, true}) {
    初期設定(t.g());
    if (between_people) {
      START_Click(t.g());
      s.turn = GOTE;  // the upper side's turn
    } else {
      SENTE_Click(t.g());
    }
    const BoardState before = s;
    const int shown = static_cast<int>(t.dialogs.shown.size());
    t.canvas.clear();
    HINT_Click(t.g());
    EXPECT_EQ(static_cast<int>(t.dialogs.shown.size()), shown);
    EXPECT_EQ(s.board, before.board);
    EXPECT_EQ(s.turn, before.turn);
    EXPECT_EQ(s.piece_selected, 0);
    const auto cells = guide_cells();
    ASSERT_EQ(cells.size(), 2u);
    const auto [ox, oy] = cells[0];
    const auto [dx, dy] = cells[1];
    const int piece = s.board[ox][oy];
    EXPECT_EQ(移動チェック(s, ox, oy, dx, dy, piece), YES);
    EXPECT_TRUE(between_people ? piece >= UE_MIN : piece <= SITA_MAX);
  }
}

}  // namespace
}  // namespace zv
