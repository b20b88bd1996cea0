#include "record/kifu_format.h"

#include <gtest/gtest.h>

#include "record_test_util.h"

namespace zv {
namespace {

using test::sample_bytes;
using test::start_entry;

constexpr int board_at(int x, int y) {
  return ((x - 1) * 9 + (y - 1)) * 4;
}
constexpr int hand_at(int slot) {
  return 324 + 2 * (slot - 1);
}
constexpr int warp_at(int x, int y) {
  return 338 + ((x - 1) * 9 + (y - 1)) * 2;
}
constexpr int time_at(int t) {
  return 500 + 5 * t;
}

TEST(KifuLine, FieldsAreRightAlignedInTheirColumns) {
  KifuEntry e = start_entry();
  e.man_hand[SLOT_KIN] = 2;
  e.com_hand[SLOT_SYA] = 1;
  e.time = {12.9, 3600, 0, 59.99};
  const std::string line = format_kifu_line(e);
  ASSERT_EQ(line.size(), 520u);
  EXPECT_EQ(line.substr(board_at(5, 9), 4), "-950");
  EXPECT_EQ(line.substr(board_at(5, 1), 4), " 950");
  EXPECT_EQ(line.substr(board_at(1, 3), 4), "  10");
  EXPECT_EQ(line.substr(board_at(1, 4), 4), "   0");
  EXPECT_EQ(line.substr(board_at(8, 8), 4), "-900");
  EXPECT_EQ(line.substr(0, 12), "  20   0  10");
  EXPECT_EQ(line.substr(hand_at(1), 14), "00000000200001");
  EXPECT_EQ(line.substr(warp_at(1, 4), 2), "16");
  EXPECT_EQ(line.substr(warp_at(1, 1), 2), " 0");
  EXPECT_EQ(line.substr(time_at(0), 20), "   12 3600    0   59");
}

TEST(KifuLine, LargeHandCountsBecomeLettersAndKeepLaterFieldsInPlace) {
  KifuEntry e = start_entry();
  for (int x = 1; x <= 9; ++x) e.board[x][7] = e.board[x][3] = EMPTY;
  e.man_hand[SLOT_HU] = 10;
  e.com_hand[SLOT_HU] = 8;
  const std::string line = format_kifu_line(e);
  ASSERT_EQ(line.size(), 520u);
  EXPECT_EQ(line.substr(hand_at(1), 2), "A8");
  EXPECT_EQ(line.substr(warp_at(1, 4), 2), "16");

  e.man_hand[SLOT_HU] = 18;
  e.com_hand[SLOT_HU] = 0;
  KifuRecord r{"t", "u", "l", {e}};
  std::string bytes;
  ASSERT_TRUE(encode_kifu(r, bytes).ok());
  EXPECT_EQ(
      bytes.substr(
          bytes.find("\r\n", bytes.find("\r\n", bytes.find("\r\n") + 2) + 2) + 2 + hand_at(1), 2),
      "I0");
  KifuRecord back;
  ASSERT_TRUE(parse_kifu(bytes, back).ok());
  EXPECT_EQ(back.entries[0].man_hand[SLOT_HU], 18);
  EXPECT_EQ(back.entries[0].warp, e.warp);
  EXPECT_EQ(back.entries[0].board, e.board);
}

TEST(KifuLine, TimesAreWholeSecondsClampedToFiveDigits) {
  KifuEntry e = start_entry();
  e.time = {99999.9, 100000, 123456789, -3};
  const std::string line = format_kifu_line(e);
  EXPECT_EQ(line.substr(time_at(0), 20), "999999999999999    0");
  KifuRecord r{"", "", "", {e}}, back;
  std::string bytes;
  ASSERT_TRUE(encode_kifu(r, bytes).ok());
  ASSERT_TRUE(parse_kifu(bytes, back).ok());
  EXPECT_EQ(back.entries[0].time, (std::array<double, 4>{99999, 99999, 99999, 0}));
}

TEST(KifuFile, HeadersAreShiftJisAndLinesEndInCrLf) {
  const std::string bytes = sample_bytes(2);
  EXPECT_EQ(bytes.substr(0, 20),
            "\x96\xbc\x90\x6c\x90\xed\r\n\x8c\xe3\x8e\xe8\r\n\x90\xe6\x8e\xe8\r\n");
  EXPECT_EQ(bytes.size(), 20u + 2 * 522u);
  EXPECT_EQ(bytes.substr(20 + 520, 2), "\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(KifuFile, ReadsBackWhatWasWritten) {
  const KifuRecord r = test::sample_record(12);
  std::string bytes;
  ASSERT_TRUE(encode_kifu(r, bytes).ok());
  KifuRecord back;
  ASSERT_TRUE(parse_kifu(bytes, back).ok());
  EXPECT_EQ(back.title, r.title);
  EXPECT_EQ(back.upper_name, r.upper_name);
  EXPECT_EQ(back.lower_name, r.lower_name);
  ASSERT_EQ(back.entries.size(), r.entries.size());
  for (size_t i = 0; i < r.entries.size(); ++i) {
    EXPECT_EQ(back.entries[i].board, r.entries[i].board);
    EXPECT_EQ(back.entries[i].warp, r.entries[i].warp);
    EXPECT_EQ(back.entries[i].man_hand, r.entries[i].man_hand);
    EXPECT_EQ(back.entries[i].com_hand, r.entries[i].com_hand);
    EXPECT_EQ(back.entries[i].time, r.entries[i].time);
  }
}

TEST(KifuFile, AcceptsBareLineFeedsAndAMissingLastLineEnd) {
  std::string bytes = sample_bytes(3);
  std::string lf;
  for (char c : bytes)
    if (c != '\r') lf += c;
  lf.pop_back();
  KifuRecord r;
  ASSERT_TRUE(parse_kifu(lf, r).ok());
  EXPECT_EQ(r.entries.size(), 3u);
  EXPECT_EQ(r.title, "名人戦");
}

TEST(KifuFile, FewerThanThreeLinesIsAnEmptyRecord) {
  for (std::string bytes : {std::string(), std::string("a\r\n"), std::string("a\r\nb\r\nc\r\n")}) {
    KifuRecord r;
    EXPECT_TRUE(parse_kifu(bytes, r).ok());
    EXPECT_TRUE(r.entries.empty());
  }
}

TEST(KifuFile, BlankFieldsReadAsZero) {
  std::string bytes = sample_bytes(1);
  const size_t line4 = bytes.size() - 522;
  bytes.replace(line4 + time_at(0), 5, "     ");
  KifuRecord r;
  ASSERT_TRUE(parse_kifu(bytes, r).ok());
  EXPECT_EQ(r.entries[0].time[0], 0);
}

TEST(KifuReader, EndOfDataLeavesTheTextAlone) {
  KifuReader f{"one\r\ntwo", 0};
  std::string text;
  int flag = -1;
  読込_棋譜ファイル(f, text, flag);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(text, "one");
  読込_棋譜ファイル(f, text, flag);
  EXPECT_EQ(text, "two");
  読込_棋譜ファイル(f, text, flag);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(text, "two");
}

// Damage done to the first record line (line 4) of a valid file.
struct Damage {
  const char* name;
  void (*apply)(std::string& line);
  KifuProblem problem;
};

void put(std::string& line, int at, const char* text) {
  line.replace(at, std::char_traits<char>::length(text), text);
}

const Damage DAMAGES[] = {
    {"ShortLine", [](std::string& l) { l.pop_back(); }, KifuProblem::LineLength},
    {"LongLine", [](std::string& l) { l += ' '; }, KifuProblem::LineLength},
    {"LetterInBoard", [](std::string& l) { put(l, board_at(3, 3), "  1x"); },
     KifuProblem::NotNumber},
    {"SignOnly", [](std::string& l) { put(l, board_at(3, 4), "   -"); }, KifuProblem::NotNumber},
    {"InnerBlank", [](std::string& l) { put(l, board_at(3, 3), " 1 0"); }, KifuProblem::NotNumber},
    {"ShiftJisInField", [](std::string& l) { put(l, board_at(3, 4), "\x82\xa0  "); },
     KifuProblem::NotNumber},
    {"NoPieceCode", [](std::string& l) { put(l, board_at(3, 3), "  12"); }, KifuProblem::BadPiece},
    {"PromotedGold", [](std::string& l) { put(l, board_at(4, 1), " 111"); }, KifuProblem::BadPiece},
    {"NoWarpCode", [](std::string& l) { put(l, warp_at(5, 5), "15"); }, KifuProblem::BadWarp},
    {"WarpWithoutPartner", [](std::string& l) { put(l, warp_at(1, 4), " 0"); },
     KifuProblem::BadWarp},
    {"NegativeHand", [](std::string& l) { put(l, hand_at(2), "-"); }, KifuProblem::BadHand},
    {"LowerCaseHand", [](std::string& l) { put(l, hand_at(2), "a"); }, KifuProblem::NotNumber},
    {"TooManyRooksInHand", [](std::string& l) { put(l, hand_at(7), "3"); }, KifuProblem::BadHand},
    {"ExtraPawn", [](std::string& l) { put(l, hand_at(1), "1"); }, KifuProblem::PieceCount},
    {"NoLowerKing", [](std::string& l) { put(l, board_at(5, 9), "   0"); }, KifuProblem::Kings},
    {"TwoUpperKings", [](std::string& l) { put(l, board_at(5, 5), " 950"); }, KifuProblem::Kings},
    {"NegativeTime", [](std::string& l) { put(l, time_at(2), "   -1"); }, KifuProblem::BadTime},
};

class DamagedLine : public testing::TestWithParam<Damage> {};

TEST_P(DamagedLine, IsRefusedWithItsLine) {
  std::string bytes = sample_bytes(3);
  // Line 5 (the second record line) is damaged; the first stays good.
  const size_t at = bytes.size() - 2 * 522;
  std::string line = bytes.substr(at, 520);
  GetParam().apply(line);
  bytes.replace(at, 520, line);
  KifuRecord r;
  const KifuStatus st = parse_kifu(bytes, r);
  EXPECT_EQ(st.problem, GetParam().problem);
  EXPECT_EQ(st.line, 5);
  EXPECT_NE(kifu_problem_text(st).find("5行目"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(All, DamagedLine, testing::ValuesIn(DAMAGES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KifuFile, MoreThanFiveHundredPositionsAreRefused) {
  KifuRecord r;
  EXPECT_TRUE(parse_kifu(sample_bytes(500), r).ok());
  EXPECT_EQ(r.entries.size(), 500u);
  const std::string bytes = sample_bytes(500) + format_kifu_line(start_entry()) + "\r\n";
  const KifuStatus st = parse_kifu(bytes, r);
  EXPECT_EQ(st.problem, KifuProblem::TooMany);
  EXPECT_EQ(st.line, 504);
}

TEST(KifuFile, BrokenShiftJisHeaderIsRefused) {
  const std::string records = sample_bytes(1).substr(20);  // after the sample's headers
  KifuRecord r;
  // A lead byte with no second byte before the line end.
  const KifuStatus cut = parse_kifu("\x81\r\nb\r\nc\r\n" + records, r);
  EXPECT_EQ(cut.problem, KifuProblem::Encoding);
  EXPECT_EQ(cut.line, 1);
  const KifuStatus control = parse_kifu("a\r\n\x01\r\nc\r\n" + records, r);
  EXPECT_EQ(control.problem, KifuProblem::HeaderText);
  EXPECT_EQ(control.line, 2);
}

TEST(KifuFile, HeadersShiftJisCannotHoldAreNotWritten) {
  KifuRecord r = test::sample_record(1);
  std::string bytes;
  r.upper_name = "\xF0\x9F\x98\x80";  // an emoji
  EXPECT_EQ(encode_kifu(r, bytes).problem, KifuProblem::Encoding);
  r.upper_name = "ok";
  r.title = "two\nlines";
  EXPECT_EQ(encode_kifu(r, bytes).problem, KifuProblem::HeaderText);
  r.title = "\xE9";  // not UTF-8
  EXPECT_EQ(encode_kifu(r, bytes).problem, KifuProblem::Encoding);
}

TEST(KifuFile, AnImpossiblePositionIsNotWritten) {
  KifuRecord r = test::sample_record(2);
  r.entries[1].board[5][1] = EMPTY;
  std::string bytes;
  const KifuStatus st = encode_kifu(r, bytes);
  EXPECT_EQ(st.problem, KifuProblem::Kings);
  EXPECT_EQ(st.line, 5);
}

}  // namespace
}  // namespace zv
