#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "model/setup.h"
#include "view/draw.h"
#include "view/pictures.h"
#include "view_test_util.h"

namespace zv {
namespace {
using namespace test;

TEST(Pictures, TableHoldsEveryDrawableCodeOnce) {
  EXPECT_EQ(PICTURES.size(), 39u);
  std::set<int> codes;
  for (const PictureInfo& p : PICTURES) {
    EXPECT_TRUE(codes.insert(p.code).second) << p.code;
    EXPECT_FALSE(p.control.empty());
  }
  for (int c : {PIC_KARA, SITA_HU, SITA_TO, SITA_KIN, SITA_OU, UE_UMA, UE_RYU, UE_OU, PIC_ZORVANE,
                HAIKEI_RENGA, IRVU_KURO, IRVU_MURA})
    EXPECT_TRUE(is_picture_code(c)) << c;
  for (int c : {UE_NARIKIN, SITA_NARIKIN, UE_OU + 1, 7, 15, 20 + 100, -1, 12})
    EXPECT_FALSE(is_picture_code(c)) << c;
}

TEST(Pictures, ControlNamesAndIndices) {
  struct Case {
    int code;
    std::string_view control;
    int index;
  };
  for (Case c :
       {Case{SITA_HU, "SITA_HU", 0}, Case{SITA_TO, "SITA_HU", 1}, Case{UE_UMA, "UE_KAKU", 1},
        Case{UE_KAKU, "UE_KAKU", 0}, Case{PIC_KARA, "KARA_MASU", NO_INDEX},
        Case{HAIKEI_TATAMI, "HAIKEI_TATAMI", NO_INDEX}, Case{IRVU_AKA, "IRVU_AKA", NO_INDEX},
        Case{PIC_ZORVANE, "ZORVANE", NO_INDEX}, Case{UE_KIN, "UE_KIN", NO_INDEX},
        Case{SITA_RYU, "SITA_SYA", 1}}) {
    const PictureInfo* p = find_picture(c.code);
    ASSERT_NE(p, nullptr) << c.code;
    EXPECT_EQ(p->control, c.control);
    EXPECT_EQ(p->index, c.index);
  }
}

TEST(DrawPicture, PaintsOnlyTableCodesAtTheGridPosition) {
  TestGame t;
  描画_絵(t.g(), UE_RYU, 2.5, -1);
  描画_絵(t.g(), UE_NARIKIN, 1, 1);
  描画_絵(t.g(), SITA_NARIKIN, 1, 1);
  描画_絵(t.g(), 999, 1, 1);
  expect_ops(t.canvas.ops, {pic(UE_RYU, 2.5, -1)});
}

TEST(DrawOutline, BoxCoversOneCellInTwips) {
  TestGame t;
  描画_桝輪郭(t.g(), COL_YELLOW, 1, 1);
  ASSERT_EQ(t.canvas.ops.size(), 1u);
  const DrawOp& b = t.canvas.ops[0];
  EXPECT_EQ(b.code, COL_YELLOW);
  EXPECT_DOUBLE_EQ(b.a, 1545);
  EXPECT_DOUBLE_EQ(b.b, 715);
  EXPECT_DOUBLE_EQ(b.c, 2040);
  EXPECT_DOUBLE_EQ(b.d, 1330);
}

TEST(DrawBoard, ColumnOuterEmptySquareAndOutlinePerSquare) {
  TestGame t;
  t.s().board[3][2] = UE_SYA;
  描画_盤(t.g());
  const auto& ops = t.canvas.ops;
  ASSERT_EQ(ops.size(), 162u);
  // Column 1 top to bottom comes first, each picture followed by its outline.
  EXPECT_TRUE(same_op(ops[0], pic(PIC_KARA, 1, 1)));
  EXPECT_TRUE(same_op(ops[1], outline(COL_BOARD, 1, 1)));
  EXPECT_TRUE(same_op(ops[2], pic(PIC_KARA, 1, 2)));
  const int sq = ((3 - 1) * 9 + (2 - 1)) * 2;
  EXPECT_TRUE(same_op(ops[sq], pic(UE_SYA, 3, 2)));
  EXPECT_TRUE(same_op(ops[161], outline(COL_BOARD, 9, 9)));
}

TEST(DrawWarps, OnlyNonZeroSquaresArePainted) {
  TestGame t;
  t.s().board[4][5] = SITA_HU;
  t.s().warp_map[4][5] = IRVU_AO;
  t.s().warp_map[7][2] = IRVU_KURO;
  描画_IRVU(t.g());
  expect_ops(t.canvas.ops, {pic(IRVU_AO, 4, 5), outline(COL_BOARD, 4, 5), pic(IRVU_KURO, 7, 2),
                            outline(COL_BOARD, 7, 2)});
}

TEST(DrawLowerHand, CountsWithShadowAndEmptySlots) {
  TestGame t;
  t.s().background = HAIKEI_TAKE;
  t.s().man_hand[SLOT_HU] = 10;
  t.s().man_hand[SLOT_SYA] = 1;
  描画_自持盤(t.g());
  std::vector<DrawOp> want;
  for (int i = 1; i <= 7; ++i) {
    const int r = i + 2;
    want.push_back(pic(PIC_KARA, 11, r));
    want.push_back(pic(HAIKEI_TAKE, 12, r));
    want.push_back(outline(COL_BOARD, 11, r));
    if (i == SLOT_HU) {
      want.push_back(pic(SITA_HU, 11, r));
      want.push_back(outline(COL_BOARD, 11, r));
      want.push_back(txt(12.1, 3.3, "10", COL_SHADOW, 14));
      want.push_back(txt(12, 3.2, "10", COL_HAND_COUNT, 14));
    }
    if (i == SLOT_SYA) {
      want.push_back(pic(SITA_SYA, 11, r));
      want.push_back(outline(COL_BOARD, 11, r));
      want.push_back(txt(12.1, 9.3, "1", COL_SHADOW, 14));
      want.push_back(txt(12, 9.2, "1", COL_HAND_COUNT, 14));
    }
  }
  expect_ops(t.canvas.ops, want);
}

TEST(DrawUpperHand, RookOnTopPawnAtBottomAndBoardEdgeRestored) {
  TestGame t;
  t.s().background = HAIKEI_UCHU;
  t.s().com_hand[SLOT_SYA] = 2;
  t.s().com_hand[SLOT_HU] = 12;
  描画_敵持盤(t.g());
  std::vector<DrawOp> want;
  for (int i = 1; i <= 7; ++i) {
    want.push_back(pic(PIC_KARA, -1, i));
    want.push_back(pic(HAIKEI_UCHU, 0, i));
    want.push_back(outline(COL_BOARD, -1, i));
    if (i == 1) {
      want.push_back(pic(UE_SYA, -1, 1));
      want.push_back(outline(COL_BOARD, -1, 1));
      want.push_back(txt(0.1, 1.3, "2", COL_SHADOW, 14));
      want.push_back(txt(0, 1.2, "2", COL_HAND_COUNT, 14));
    }
    if (i == 7) {
      want.push_back(pic(UE_HU, -1, 7));
      want.push_back(outline(COL_BOARD, -1, 7));
      want.push_back(txt(0.1, 7.3, "12", COL_SHADOW, 14));
      want.push_back(txt(0, 7.2, "12", COL_HAND_COUNT, 14));
    }
    want.push_back(outline(COL_BOARD, 1, i));
  }
  expect_ops(t.canvas.ops, want);
}

TEST(DrawHands, EmptyHandsPrintNoNumbers) {
  TestGame t;
  描画_自持盤(t.g());
  描画_敵持盤(t.g());
  EXPECT_TRUE(t.canvas.of(DrawOp::Text).empty());
  for (const DrawOp& p : t.canvas.of(DrawOp::Picture))
    EXPECT_FALSE(p.code <= SITA_MAX || p.code >= UE_MIN);
}

TEST(DrawBackground, TilesAroundTheBoardButNeverOnIt) {
  TestGame t;
  描画_背景(t.g(), HAIKEI_RENGA);
  std::set<std::pair<int, int>> painted;
  for (const DrawOp& o : t.canvas.ops) {
    ASSERT_EQ(o.kind, DrawOp::Picture);
    EXPECT_EQ(o.code, HAIKEI_RENGA);
    const bool on_board = o.a >= 1 && o.a <= 9 && o.b >= 1 && o.b <= 9;
    EXPECT_FALSE(on_board) << o.a << "," << o.b;
    painted.insert({static_cast<int>(o.a), static_cast<int>(o.b)});
  }
  EXPECT_EQ(t.canvas.ops.size(), 32u * 20u - 81u);
  EXPECT_EQ(painted.size(), t.canvas.ops.size());
  for (int r = 1; r <= 9; ++r) {
    EXPECT_TRUE(painted.count({0, r}));
    EXPECT_TRUE(painted.count({10, r}));
  }
  for (int q = 1; q <= 9; ++q) {
    EXPECT_TRUE(painted.count({q, 0}));
    EXPECT_TRUE(painted.count({q, 10}));
  }
  EXPECT_TRUE(painted.count({-3, -2}));
  EXPECT_TRUE(painted.count({28, 17}));
}

TEST(Blink, EmptyThenPieceWithRefreshEachStep) {
  TestGame t;
  描画_駒点滅(t.g(), UE_KAKU, 4, 6, 2);
  const std::vector<DrawOp> step = {pic(PIC_KARA, 4, 6), outline(COL_BOARD, 4, 6), refresh_op(),
                                    pic(UE_KAKU, 4, 6),  outline(COL_BOARD, 4, 6), refresh_op()};
  std::vector<DrawOp> want = step;
  want.insert(want.end(), step.begin(), step.end());
  expect_ops(t.canvas.ops, want);
}

TEST(Blink, ZeroTimesDrawsNothing) {
  TestGame t;
  描画_駒点滅(t.g(), UE_KAKU, 4, 6, 0);
  EXPECT_TRUE(t.canvas.ops.empty());
}

TEST(BoardOutlines, All81InColumnOrder) {
  TestGame t;
  描画_将棋盤桝(t.g());
  std::vector<DrawOp> want;
  for (int q = 1; q <= 9; ++q)
    for (int r = 1; r <= 9; ++r) want.push_back(outline(COL_BOARD, q, r));
  expect_ops(t.canvas.ops, want);
}

TEST(RecordRowErase, EmptySquaresUnderTheBoard) {
  TestGame t;
  描画_棋譜読込み部分消去(t.g());
  std::vector<DrawOp> want;
  for (int x = 1; x <= 9; ++x) {
    want.push_back(pic(PIC_KARA, x, 10));
    want.push_back(outline(COL_BOARD, x, 9));
  }
  expect_ops(t.canvas.ops, want);
}

// A game in progress against the computer with pieces in hand and the clock on.
void set_up_game(TestGame& t) {
  初期設定(t.g());
  t.s().background = HAIKEI_TATAMI;
  t.s().game_mode = MODE_COM;
  t.s().com_level = 2;
  t.s().checked[M_KEIKA] = true;
  t.s().com_total_seconds = 75;
  t.s().man_total_seconds = 3725;
  t.s().man_hand[SLOT_GIN] = 1;
  t.s().com_hand[SLOT_KEI] = 3;
  t.canvas.clear();
}

TEST(FullRedraw, PaintsThePartsInOrder) {
  TestGame t;
  set_up_game(t);
  画面_再描画(t.g());
  const std::vector<DrawOp> got = t.canvas.ops;

  TestGame parts;
  set_up_game(parts);
  Game& g = parts.g();
  描画_背景(g, HAIKEI_TATAMI);
  描画_桝_数値(g);
  描画_盤(g);
  描画_IRVU(g);
  描画_所有時間(g, g.st.com_side, 75);
  描画_所有時間(g, g.st.man_side, 3725);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_レベル(g, 2);
  描画_絵(g, PIC_ZORVANE, 10.8, 0);
  expect_ops(got, parts.canvas.ops);

  // Anchors that do not depend on the parts above.
  EXPECT_TRUE(same_op(got.front(), pic(HAIKEI_TATAMI, -3, -2)));
  EXPECT_TRUE(same_op(got.back(), pic(PIC_ZORVANE, 10.8, 0)));
  EXPECT_DOUBLE_EQ(tx(got.back().a), 6396);
  auto index_of = [&](const DrawOp& want) {
    for (size_t i = 0; i < got.size(); ++i)
      if (same_op(got[i], want)) return i;
    return got.size();
  };
  const size_t upper_clock = index_of(txt(-1.6, 9.2, "00:01:15", COL_WHITE, 12, true));
  const size_t lower_clock = index_of(txt(13, 9.2, "01:02:05", COL_WHITE, 12, true));
  const size_t lower_silver = index_of(pic(SITA_GIN, 11, 6));
  const size_t upper_knight = index_of(pic(UE_KEI, -1, 5));
  const size_t level = index_of(txt(-1.5, 0.1, "LEVEL", COL_WHITE, 10, true));
  size_t first_warp = got.size();
  for (size_t i = 0; i < got.size() && first_warp == got.size(); ++i)
    if (got[i].kind == DrawOp::Picture && got[i].code >= IRVU_FIRST && got[i].code <= IRVU_LAST)
      first_warp = i;
  EXPECT_LT(index_of(txt(10.1, 9.3, "九", COL_YELLOW, 12, true)), index_of(pic(SITA_KYOU, 9, 9)));
  EXPECT_LT(index_of(pic(SITA_KYOU, 9, 9)), first_warp);
  EXPECT_LT(first_warp, upper_clock);
  EXPECT_LT(upper_clock, lower_clock);
  EXPECT_LT(lower_clock, lower_silver);
  EXPECT_LT(lower_silver, upper_knight);
  EXPECT_LT(upper_knight, level);
  EXPECT_LT(level, got.size() - 1);
}

TEST(FullRedraw, LevelOnlyAgainstTheComputer) {
  TestGame t;
  set_up_game(t);
  t.s().game_mode = MODE_HUMAN;
  画面_再描画(t.g());
  for (const DrawOp& o : t.canvas.of(DrawOp::Text)) EXPECT_NE(o.text, "LEVEL");
}

TEST(FullRedraw, NoClockWithTheOptionOff) {
  TestGame t;
  set_up_game(t);
  t.s().checked[M_KEIKA] = false;
  画面_再描画(t.g());
  for (const DrawOp& o : t.canvas.of(DrawOp::Text))
    EXPECT_EQ(o.text.find(':'), std::string::npos) << o.text;
}

TEST(FullRedraw, ClockTotalsAreLeftAlone) {
  TestGame t;
  set_up_game(t);
  画面_再描画(t.g());
  EXPECT_EQ(t.s().man_total_seconds, 3725);
  EXPECT_EQ(t.s().com_total_seconds, 75);
}

}  // namespace
}  // namespace zv
