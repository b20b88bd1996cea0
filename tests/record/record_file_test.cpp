#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "model/setup.h"
#include "random_game.h"
#include "record/kifu_format.h"
#include "record/panel.h"
#include "record/record.h"
#include "record_test_util.h"

namespace zv {
namespace {

using test::ScratchDir;
using test::TestGame;

std::string last_text(TestGame& t) {
  return t.dialogs.shown.empty() ? std::string() : t.dialogs.shown.back().text;
}

void prepare_save(TestGame& t, const ScratchDir& dir, const std::string& name) {
  t.s().dir_path = dir.path;
  t.s().Text1 = name;
  t.s().Text2 = "名人戦";
  t.s().Text3 = "先手さん";
  t.s().Text4 = "後手さん";
  t.s().text_visible = true;
  t.s().drive1_visible = t.s().dir1_visible = true;
}

class RoundTrip : public testing::TestWithParam<unsigned> {};

TEST_P(RoundTrip, RandomGameStepsForwardThroughTheSamePositions) {
  TestGame played;
  const test::RandomGame game = test::play_random_game(played, 75, GetParam());
  ASSERT_EQ(game.positions.size(), 76u);
  EXPECT_GT(game.captures, 0);
  EXPECT_GT(game.drops, 0);
  EXPECT_GT(game.promotions, 0);
  EXPECT_GT(game.warps, 0);
  const int last = played.s().history_last;
  ASSERT_EQ(last, 75) << "every move played is saved, the last one too";

  ScratchDir dir;
  prepare_save(played, dir, "対局1");
  Command1_Click(played.g());
  ASSERT_EQ(last_text(played), "棋譜を書き込みました");
  EXPECT_EQ(played.dialogs.shown.back().title, "  ");
  EXPECT_FALSE(played.s().drive1_visible || played.s().dir1_visible || played.s().text_visible);

  TestGame loaded;
  初期設定(loaded.g());
  loaded.s().dir_path = dir.path;
  File1_Click(loaded.g(), "対局1.棋譜");
  GameState& s = loaded.s();
  ASSERT_EQ(loaded.dialogs.shown.size(), 2u) << last_text(loaded);
  EXPECT_EQ(loaded.dialogs.shown[0].text, " 読み込みました");
  EXPECT_EQ(loaded.dialogs.shown[1].text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(loaded.dialogs.shown[1].title, "棋譜");
  EXPECT_EQ(s.kifu_mode, 1);
  EXPECT_EQ(s.turn, SENTE);
  EXPECT_EQ(s.history_last, last);
  EXPECT_EQ(s.history_index, 0);
  EXPECT_EQ(s.board, game.positions[0].board);

  for (int k = 1; k <= last; ++k) {
    AFTER_Click(loaded.g());
    const test::Snapshot& want = game.positions[k];
    ASSERT_EQ(s.history_index, k);
    EXPECT_EQ(s.move_number, k);
    ASSERT_EQ(s.board, want.board) << "position " << k;
    EXPECT_EQ(s.warp_map, want.warp) << "position " << k;
    EXPECT_EQ(s.man_hand, want.man_hand) << "position " << k;
    EXPECT_EQ(s.com_hand, want.com_hand) << "position " << k;
    EXPECT_EQ(s.man_hand_total + s.com_hand_total, want.man_total + want.com_total);
    EXPECT_EQ(s.man_total_seconds, want.man_seconds) << "position " << k;
    EXPECT_EQ(s.com_total_seconds, want.com_seconds) << "position " << k;
  }
  const size_t shown = loaded.dialogs.shown.size();
  AFTER_Click(loaded.g());
  ASSERT_EQ(loaded.dialogs.shown.size(), shown + 1);
  EXPECT_EQ(last_text(loaded), "終わり");
  EXPECT_EQ(loaded.dialogs.shown.back().title, "進む");
  EXPECT_EQ(loaded.sound.count("play", SoundId::Forbidden), 0);

  // Saving the loaded game again gives the same bytes.
  const std::string first = test::read_bytes(dir.file("対局1.棋譜"));
  prepare_save(loaded, dir, "対局2");
  loaded.s().man_side = SENTE;
  Command1_Click(loaded.g());
  EXPECT_EQ(test::read_bytes(dir.file("対局2.棋譜")), first);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoundTrip, testing::Values(1u, 7u, 2024u));

TEST(RecordSave, WritesTheLayoutOfTheFormat) {
  TestGame t;
  test::play_random_game(t, 4, 3);
  ScratchDir dir;
  prepare_save(t, dir, "layout");
  Command1_Click(t.g());
  const std::string bytes = test::read_bytes(dir.file("layout.棋譜"));
  // Lower side moved first: line 2 names 後手 (upper), line 3 先手.
  const std::string head =
      "\x96\xbc\x90\x6c\x90\xed\r\n"
      "\x8c\xe3\x8e\xe8\x82\xb3\x82\xf1\r\n"
      "\x90\xe6\x8e\xe8\x82\xb3\x82\xf1\r\n";
  ASSERT_EQ(bytes.substr(0, head.size()), head);
  ASSERT_EQ(bytes.size(), head.size() + 4 * 522) << "one line for each of the four moves";
  for (int k = 1; k <= 4; ++k) {
    const std::string line = bytes.substr(head.size() + (k - 1) * 522, 522);
    EXPECT_EQ(line.substr(520), "\r\n");
    EXPECT_EQ(line.find('\n'), 521u);
    const Grid& b = t.s().hist_board[k];
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        char want[8];
        std::snprintf(want, sizeof want, "%4d", b[x][y]);
        EXPECT_EQ(line.substr(((x - 1) * 9 + (y - 1)) * 4, 4), want);
      }
  }
  // Upper side moving first swaps the names.
  prepare_save(t, dir, "swap");
  t.s().man_side = GOTE;
  Command1_Click(t.g());
  const std::string swapped = test::read_bytes(dir.file("swap.棋譜"));
  EXPECT_EQ(swapped.substr(8, 10), "\x90\xe6\x8e\xe8\x82\xb3\x82\xf1\r\n");
}

TEST(RecordSave, RefusalsChangeNothing) {
  TestGame t;
  test::play_random_game(t, 3, 5);
  ScratchDir dir;
  struct Case {
    const char* name;
    int last;
    const char* text;
    const char* title;
  } cases[] = {
      {"", 2, "ﾌｧｲﾙ名が入力されていません", "  "},
      {"x", 0, "保存するデータがありません", "棋譜保存"},
      {"../escape", 2, "ﾌｧｲﾙ名に使えない文字（/ \\ .. 制御文字）が含まれています", "棋譜保存"},
      {"sub/name", 2, "ﾌｧｲﾙ名に使えない文字（/ \\ .. 制御文字）が含まれています", "棋譜保存"},
      {"a\tb", 2, "ﾌｧｲﾙ名に使えない文字（/ \\ .. 制御文字）が含まれています", "棋譜保存"},
  };
  for (const Case& c : cases) {
    prepare_save(t, dir, c.name);
    t.s().history_last = c.last;
    Command1_Click(t.g());
    EXPECT_EQ(last_text(t), c.text) << c.name;
    EXPECT_EQ(t.dialogs.shown.back().title, c.title) << c.name;
    EXPECT_TRUE(t.s().text_visible) << "the panel stays open to correct the entry";
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
  EXPECT_FALSE(std::filesystem::exists(dir.path + "/../escape.棋譜"));
}

TEST(RecordSave, NamesShiftJisCannotHoldAreRefused) {
  TestGame t;
  test::play_random_game(t, 3, 5);
  ScratchDir dir;
  prepare_save(t, dir, "emoji");
  t.s().Text3 = "\xF0\x9F\x98\x80";
  Command1_Click(t.g());
  EXPECT_EQ(last_text(t), "対局名と対局者名にShift-JISで書けない文字か制御文字が含まれています");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST(RecordSave, OverwritesAndAFailedSaveKeepsTheOldFile) {
  TestGame t;
  test::play_random_game(t, 6, 9);
  ScratchDir dir;
  prepare_save(t, dir, "same");
  t.s().history_last = 2;
  Command1_Click(t.g());
  const std::string two = test::read_bytes(dir.file("same.棋譜"));
  prepare_save(t, dir, "same");
  t.s().history_last = 5;
  Command1_Click(t.g());
  const std::string five = test::read_bytes(dir.file("same.棋譜"));
  EXPECT_GT(five.size(), two.size());

  if (::geteuid() != 0) {  // root writes anywhere
    ::chmod(dir.path.c_str(), 0500);
    prepare_save(t, dir, "same");
    t.s().history_last = 2;
    Command1_Click(t.g());
    EXPECT_EQ(last_text(t).rfind("棋譜ﾌｧｲﾙを作成できません", 0), 0u);
    ::chmod(dir.path.c_str(), 0700);
    EXPECT_EQ(test::read_bytes(dir.file("same.棋譜")), five);
  }
  // No temporary file is left behind.
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path)) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(RecordSave, MissingFolderIsReported) {
  TestGame t;
  test::play_random_game(t, 3, 5);
  ScratchDir dir;
  prepare_save(t, dir, "x");
  t.s().dir_path = dir.path + "/gone";
  Command1_Click(t.g());
  EXPECT_EQ(last_text(t).rfind("棋譜ﾌｧｲﾙを作成できません", 0), 0u);
}

// The game in progress, to compare after a refused load.
struct Fingerprint {
  Grid board, warp;
  Hand man, com;
  int turn, index, last, kifu, mode, move;
  bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprint(const GameState& s) {
  return {s.board,         s.warp_map,     s.man_hand,  s.com_hand,  s.turn,
          s.history_index, s.history_last, s.kifu_mode, s.game_mode, s.move_number};
}

TEST(RecordLoad, DamagedRecordLeavesTheGameInProgressUntouched) {
  TestGame t;
  test::play_random_game(t, 20, 11);
  const Fingerprint before = fingerprint(t.s());
  const auto hist = t.s().hist_board;
  ScratchDir dir;
  t.s().dir_path = dir.path;

  std::string bytes = test::sample_bytes(30);
  bytes.replace(bytes.size() - 522 * 3 + 10, 2, "x9");  // line 31 of 33
  test::write_bytes(dir.file("bad.棋譜"), bytes);
  t.s().drive1_visible = t.s().dir1_visible = t.s().file1_visible = true;
  File1_Click(t.g(), "bad.棋譜");
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text,
            "棋譜ﾌｧｲﾙが正しくありません（31行目）\n数値ではない欄があります");
  EXPECT_EQ(t.dialogs.shown[0].title, "棋譜");
  EXPECT_TRUE(fingerprint(t.s()) == before);
  EXPECT_EQ(t.s().hist_board, hist);
  EXPECT_TRUE(t.s().file1_visible) << "the list stays open to choose another file";
}

TEST(RecordLoad, FileErrorsAreReported) {
  TestGame t;
  test::play_random_game(t, 5, 11);
  const Fingerprint before = fingerprint(t.s());
  ScratchDir dir;
  t.s().dir_path = dir.path;
  File1_Click(t.g(), "missing.棋譜");
  EXPECT_EQ(last_text(t), "棋譜ﾌｧｲﾙを開けません");
  std::filesystem::create_directory(dir.file("folder.棋譜"));
  File1_Click(t.g(), "folder.棋譜");
  EXPECT_EQ(last_text(t), "棋譜ﾌｧｲﾙを開けません");
  File1_Click(t.g(), "../x.棋譜");
  EXPECT_EQ(last_text(t), "棋譜ﾌｧｲﾙを開けません");
  test::write_bytes(dir.file("huge.棋譜"), std::string(5 << 20, ' '));
  File1_Click(t.g(), "huge.棋譜");
  EXPECT_EQ(last_text(t), "棋譜ﾌｧｲﾙが大きすぎます");
  test::write_bytes(dir.file("empty.棋譜"), "title\r\nup\r\ndown\r\n");
  File1_Click(t.g(), "empty.棋譜");
  EXPECT_EQ(last_text(t), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
  EXPECT_EQ(t.dialogs.shown.back().title, "棋譜");
  test::write_bytes(dir.file("long.棋譜"),
                    test::sample_bytes(500) + format_kifu_line(test::start_entry()) + "\r\n");
  EXPECT_EQ(t.dialogs.shown.size(), 5u);
  File1_Click(t.g(), "long.棋譜");
  EXPECT_EQ(last_text(t), "棋譜ﾌｧｲﾙが正しくありません（504行目）\n500手を超えています");
  EXPECT_TRUE(fingerprint(t.s()) == before);
}

TEST(RecordLoad, DrawsTheHeadersAboveAndBelowTheBoard) {
  TestGame t;
  ScratchDir dir;
  test::write_bytes(dir.file("r.棋譜"), test::sample_bytes(2));
  t.s().dir_path = dir.path;
  File1_Click(t.g(), "r.棋譜");
  std::vector<test::DrawOp> texts;
  for (auto& op : t.canvas.of(test::DrawOp::Text))
    if (op.text == "名人戦" || op.text == "後手" || op.text == "先手") texts.push_back(op);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "名人戦");
  EXPECT_EQ(texts[0].code, COL_LIGHTRED);
  EXPECT_DOUBLE_EQ(texts[0].a, 1050 + 495 * (3 + 2.0) - 3000);
  EXPECT_EQ(texts[0].b, 6350);
  EXPECT_EQ(texts[1].text, "後手");
  EXPECT_EQ(texts[1].code, COL_WHITE);
  EXPECT_EQ(texts[1].b, 100);
  EXPECT_EQ(texts[2].text, "先手");
  EXPECT_EQ(texts[2].b, 6350);
  EXPECT_EQ(texts[2].size, 12);
}

TEST(RecordLoad, HeaderCentringFollowsTheTextLength) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("1234567890123"), 2535);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("対局名です対局名です対局名"), 2535);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 1050 + 495 * (3 + 13 / 5.0));
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("ﾊﾝﾃﾞｨ"), 1050 + 495 * (3 + 8 / 5.0));
}

TEST(RecordLoad, FirstStepShowsTheFirstMoveFromTheStartingPosition) {
  TestGame t;
  t.s().hist_board[0][5][5] = 999;  // left over from an earlier game
  ScratchDir dir;
  test::write_bytes(dir.file("r.棋譜"), test::sample_bytes(3));
  t.s().dir_path = dir.path;
  File1_Click(t.g(), "r.棋譜");
  EXPECT_EQ(t.s().hist_board[0], test::start_entry().board);
  EXPECT_EQ(t.s().warp_map, test::start_entry().warp);
  REPLAY_Click(t.g());
  EXPECT_EQ(last_text(t), "できません");
}

}  // namespace
}  // namespace zv
