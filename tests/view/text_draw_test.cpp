#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "view/draw.h"
#include "view_test_util.h"

namespace zv {
namespace {
using namespace test;

struct Conversion {
  int value;
  const char* text;
  friend std::ostream& operator<<(std::ostream& os, const Conversion& c) { return os << c.value; }
};

class ToText : public ::testing::TestWithParam<Conversion> {};

TEST_P(ToText, Table) {
  EXPECT_EQ(文字列変換(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToText,
    ::testing::Values(Conversion{1, "１"}, Conversion{9, "９"}, Conversion{1001, "一"},
                      Conversion{1009, "九"}, Conversion{10, "歩"}, Conversion{-10, "歩"},
                      Conversion{11, "と"}, Conversion{-11, "と"}, Conversion{21, "香成"},
                      Conversion{-31, "桂成"}, Conversion{101, "銀成"}, Conversion{-101, "銀成"},
                      Conversion{-110, "金"}, Conversion{800, "角"}, Conversion{-801, "角成"},
                      Conversion{-900, "飛"}, Conversion{901, "飛成"}, Conversion{950, "王"},
                      Conversion{-950, "王"}, Conversion{0, ""}, Conversion{111, ""},
                      Conversion{-111, ""}, Conversion{1010, ""}, Conversion{1000, ""},
                      Conversion{-1, ""}, Conversion{951, ""}, Conversion{INT_MIN, ""}));

TEST(ToText, BothSignsGiveTheSameName) {
  for (int code : {UE_HU, UE_TO, UE_KYOU, UE_NARIKYOU, UE_KEI, UE_NARIKEI, UE_GIN, UE_NARIGIN,
                   UE_KIN, UE_KAKU, UE_UMA, UE_SYA, UE_RYU, UE_OU}) {
    EXPECT_FALSE(文字列変換(code).empty()) << code;
    EXPECT_EQ(文字列変換(code), 文字列変換(-code)) << code;
  }
}

TEST(Number, PlainDecimalAtTheGridPosition) {
  TestGame t;
  描画_数値(t.g(), 2, 3, 10, COL_RED, 0, 14);
  描画_数値(t.g(), 0, 0, 0, COL_RED, 0, 14);
  描画_数値(t.g(), 0, 0, -3, COL_RED, 0, 14);
  描画_数値(t.g(), 0, 0, 2.5, COL_RED, 0, 14);
  描画_数値(t.g(), 0, 0, 123456, COL_RED, 0, 14);
  expect_ops(t.canvas.ops, {txt(2, 3, "10", COL_RED, 14), txt(0, 0, "0", COL_RED, 14),
                            txt(0, 0, "-3", COL_RED, 14), txt(0, 0, "2.5", COL_RED, 14),
                            txt(0, 0, "123456", COL_RED, 14)});
}

TEST(Number, KanjiModeOnlyForOneToNine) {
  TestGame t;
  for (double v : {0.0, 10.0, -1.0, 1.5, 100.0}) 描画_数値(t.g(), 1, 1, v, COL_RED, 1, 12);
  描画_数値(t.g(), 1, 1, "10", COL_RED, 1, 12);
  描画_数値(t.g(), 1, 1, "LEVEL", COL_RED, 1, 12);
  EXPECT_TRUE(t.canvas.ops.empty());
  描画_数値(t.g(), 1, 1, 1, COL_RED, 1, 12);
  描画_数値(t.g(), 1, 1, 9, COL_RED, 1, 12);
  描画_数値(t.g(), 1, 1, "5", COL_RED, 1, 12);
  expect_ops(t.canvas.ops, {txt(1, 1, "一", COL_RED, 12), txt(1, 1, "九", COL_RED, 12),
                            txt(1, 1, "五", COL_RED, 12)});
}

TEST(Number, FollowsTheWindowFontWeight) {
  TestGame t;
  描画_数値(t.g(), 1, 1, "a", COL_RED, 0, 12);
  t.s().font_bold = true;
  描画_数値(t.g(), 1, 1, "b", COL_RED, 0, 12);
  ASSERT_EQ(t.canvas.ops.size(), 2u);
  EXPECT_FALSE(t.canvas.ops[0].bold);
  EXPECT_TRUE(t.canvas.ops[1].bold);
}

TEST(CodedText, LabelsAreInsetInTheCell) {
  TestGame t;
  描画_文字列(t.g(), 11, 1, -10, COL_WHITE, 10);
  描画_文字列(t.g(), 11, 1, 0, COL_WHITE, 10);
  描画_文字列(t.g(), 11, 1, 8, COL_WHITE, 10);
  描画_文字列(t.g(), 11, 1, 10, COL_WHITE, 10);
  描画_文字列(t.g(), 13.8, 3.1, 99, COL_BLACK, 10);
  for (int none : {-11, 11, 98, 100}) 描画_文字列(t.g(), 11, 1, none, COL_WHITE, 10);
  const auto& ops = t.canvas.ops;
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(ops[0].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(ops[1].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
  EXPECT_EQ(ops[2].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
  EXPECT_EQ(ops[3].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
  EXPECT_EQ(ops[4].text, "手目");
  EXPECT_DOUBLE_EQ(ops[0].a, tx(11) + 120);
  EXPECT_DOUBLE_EQ(ops[0].b, ty(1) + 160);
  EXPECT_DOUBLE_EQ(ops[4].a, tx(13.8) + 120);
  EXPECT_DOUBLE_EQ(ops[4].b, ty(3.1) + 160);
  EXPECT_EQ(ops[4].code, COL_BLACK);
}

TEST(BoardCoordinates, FilesAboveRanksRightAndBoldForGood) {
  TestGame t;
  t.s().background = HAIKEI_MIDORI;
  描画_桝_数値(t.g());
  EXPECT_TRUE(t.s().font_bold);
  std::vector<DrawOp> want;
  for (int i = 1; i <= 9; ++i) {
    const std::string file = std::to_string(10 - i);
    const char* kanji[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    want.push_back(pic(HAIKEI_MIDORI, i, 0));
    want.push_back(txt(i + 0.2, 0.5, file, COL_SHADOW, 16, true));
    want.push_back(txt(i + 0.1, 0.4, file, COL_YELLOW, 16, true));
    want.push_back(pic(HAIKEI_MIDORI, 10, i));
    want.push_back(txt(10.2, i + 0.4, kanji[i], COL_SHADOW, 12, true));
    want.push_back(txt(10.1, i + 0.3, kanji[i], COL_YELLOW, 12, true));
    want.push_back(outline(COL_BOARD, 9, i));
  }
  expect_ops(t.canvas.ops, want);
  // Later text keeps the bold face.
  t.canvas.clear();
  描画_レベル(t.g(), 1);
  for (const DrawOp& o : t.canvas.ops) EXPECT_TRUE(o.bold);
}

TEST(MoveText, UpperSideLeftOfTheBoard) {
  TestGame t;
  t.s().background = HAIKEI_TATAMI;
  t.s().com_side = SENTE;
  t.s().man_side = GOTE;
  描画_移動結果(t.g(), SENTE, 3, 6, UE_HU, COL_YELLOW);
  expect_ops(t.canvas.ops,
             {pic(HAIKEI_TATAMI, -1, 8), pic(HAIKEI_TATAMI, 0, 8), outline(COL_BOARD, -1, 7),
              outline(COL_BOARD, 1, 8), txt(-1.5, 8.5, "７", COL_SHADOW, 12),
              txt(-1.6, 8.4, "７", COL_YELLOW, 12), txt(-1.1, 8.5, "六", COL_SHADOW, 12),
              txt(-1.2, 8.4, "六", COL_YELLOW, 12), txt(-0.5, 8.5, "歩", COL_SHADOW, 12),
              txt(-0.6, 8.4, "歩", COL_YELLOW, 12), outline(COL_BOARD, 1, 8)});
}

TEST(MoveText, LowerSideRightOfTheBoard) {
  TestGame t;
  t.s().background = HAIKEI_TATAMI;
  t.s().com_side = GOTE;
  t.s().man_side = SENTE;
  描画_移動結果(t.g(), SENTE, 1, 1, SITA_NARIGIN, COL_WHITE);
  expect_ops(t.canvas.ops,
             {pic(HAIKEI_TATAMI, 12, 2), pic(HAIKEI_TATAMI, 13, 2), pic(HAIKEI_TATAMI, 14, 2),
              txt(12.5, 2.5, "９", COL_SHADOW, 12), txt(12.4, 2.4, "９", COL_WHITE, 12),
              txt(12.9, 2.5, "一", COL_SHADOW, 12), txt(12.8, 2.4, "一", COL_WHITE, 12),
              txt(13.5, 2.5, "銀成", COL_SHADOW, 12), txt(13.4, 2.4, "銀成", COL_WHITE, 12)});
}

TEST(MoveText, NoSideDrawsNothing) {
  TestGame t;
  描画_移動結果(t.g(), NO_TURN, 3, 6, UE_HU, COL_WHITE);
  消去_移動結果(t.g(), NO_TURN);
  EXPECT_TRUE(t.canvas.ops.empty());
}

struct MoveNumberCase {
  int n;
  double shadow_q, q;
  const char* text;
  friend std::ostream& operator<<(std::ostream& os, const MoveNumberCase& c) { return os << c.n; }
};

class MoveNumber : public ::testing::TestWithParam<MoveNumberCase> {};

TEST_P(MoveNumber, LongerNumbersStartFurtherLeft) {
  const MoveNumberCase c = GetParam();
  TestGame t;
  t.s().background = HAIKEI_TAKE;
  描画_手数(t.g(), c.n, COL_WHITE);
  std::vector<DrawOp> want = {
      pic(HAIKEI_TAKE, 13, 3), pic(HAIKEI_TAKE, 14, 3), outline(COL_BOARD, 11, 3),
      txt(c.shadow_q, 3.4, c.text, COL_SHADOW, 12), txt(c.q, 3.3, c.text, COL_WHITE, 12)};
  DrawOp s = txt(13.9, 3.2, "手目", COL_SHADOW, 10), w = txt(13.8, 3.1, "手目", COL_WHITE, 10);
  s.a += 120, s.b += 160, w.a += 120, w.b += 160;
  want.push_back(s);
  want.push_back(w);
  expect_ops(t.canvas.ops, want);
}

INSTANTIATE_TEST_SUITE_P(Digits, MoveNumber,
                         ::testing::Values(MoveNumberCase{0, 13.3, 13.2, "0"},
                                           MoveNumberCase{9, 13.3, 13.2, "9"},
                                           MoveNumberCase{10, 13.2, 13.1, "10"},
                                           MoveNumberCase{99, 13.2, 13.1, "99"},
                                           MoveNumberCase{100, 13.1, 13.0, "100"},
                                           MoveNumberCase{500, 13.1, 13.0, "500"}));

TEST(Level, LabelThenNumberEachWithShadow) {
  TestGame t;
  描画_レベル(t.g(), 3);
  expect_ops(t.canvas.ops,
             {txt(-1.4, 0.2, "LEVEL", COL_SHADOW, 10), txt(-1.5, 0.1, "LEVEL", COL_WHITE, 10),
              txt(0.1, 0.1, "3", COL_SHADOW, 12), txt(0, 0, "3", COL_WHITE, 12)});
}

TEST(ThinkingMark, ErasedByTilesAndOutlines) {
  TestGame t;
  t.s().background = HAIKEI_RENGA;
  消去_思考中(t.g());
  expect_ops(t.canvas.ops,
             {pic(HAIKEI_RENGA, -2, 8), pic(HAIKEI_RENGA, -1, 8), pic(HAIKEI_RENGA, 0, 8),
              outline(COL_BOARD, -1, 7), outline(COL_BOARD, 1, 8)});
}

}  // namespace
}  // namespace zv
