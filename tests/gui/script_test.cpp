// The script language and the transcript lines, without a window.
#include "play/qt/script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/constants.h"
#include "model/setup.h"
#include "play/qt/script_ports.h"
#include "play/qt/sound_system.h"
#include "support/fakes.h"

namespace zv::script {
namespace {

Command one(std::string_view line) {
  auto cmds = parse(line);
  EXPECT_EQ(cmds.size(), 1u) << line;
  return cmds.empty() ? Command{} : cmds[0];
}

TEST(ScriptParse, CommandsAndTheirArguments) {
  Command c = one("menu SENTE");
  EXPECT_EQ(c.op, Op::Menu);
  EXPECT_EQ(c.name, "SENTE");

  c = one("  click right 1800.5 -20  # a comment");
  EXPECT_EQ(c.op, Op::Click);
  EXPECT_EQ(c.button, 2);
  EXPECT_EQ(c.nums, (std::vector<double>{1800.5, -20}));

  c = one("square left 11 3");
  EXPECT_EQ(c.op, Op::Square);
  EXPECT_EQ(c.button, 1);
  EXPECT_EQ(c.nums, (std::vector<double>{11, 3}));

  EXPECT_EQ(one("answer no").button, 0);
  EXPECT_EQ(one("answer yes").button, 1);
  EXPECT_EQ(one("key 27").nums, std::vector<double>{27});
  EXPECT_EQ(one("wait 1.25").nums, std::vector<double>{1.25});
  EXPECT_EQ(one("seed 4000000000").nums, std::vector<double>{4e9});
  EXPECT_EQ(one("time 86399.5").op, Op::Time);
  EXPECT_EQ(one("press Command1").op, Op::Press);
  EXPECT_EQ(one("com").op, Op::Com);
  EXPECT_EQ(one("dump").op, Op::Dump);
  EXPECT_EQ(one("shot docs/board.png").value, "docs/board.png");
  EXPECT_EQ(one("size 1200 600").nums, (std::vector<double>{1200, 600}));
  for (const char* bad : {"size 1200", "size 100 600", "size 1200 5000", "size 12.5 600"})
    EXPECT_EQ(one(bad).op, Op::Invalid) << bad;
  c = one("set turn -1");
  EXPECT_EQ(c.name, "turn");
  EXPECT_EQ(c.nums, std::vector<double>{-1});
}

TEST(ScriptParse, TextValuesAreTheRestOfTheLineAsWritten) {
  Command c = one("text Text2 第1局 # not a comment\r");
  EXPECT_EQ(c.op, Op::Text);
  EXPECT_EQ(c.name, "Text2");
  EXPECT_EQ(c.value, "第1局 # not a comment");
  EXPECT_EQ(one("text Text1").value, "");
  EXPECT_EQ(one("text Text4  two  blanks ").value, " two  blanks ");
  EXPECT_EQ(one("folder /tmp/my games").value, "/tmp/my games");
  EXPECT_EQ(one("file 名局 #1.棋譜").value, "名局 #1.棋譜");
}

TEST(ScriptParse, CommentsBlankLinesAndLineNumbers) {
  auto cmds = parse("\xEF\xBB\xBF# start\n\n   \nmenu START\r\n  # indented comment\ndump\n");
  ASSERT_EQ(cmds.size(), 2u);
  EXPECT_EQ(cmds[0].line, 4);
  EXPECT_EQ(cmds[1].line, 6);
}

TEST(ScriptParse, LineEndsCrLfLfAndLoneCrAlike) {
  // A lone CR ends a line (old Mac editors); CR LF is one end, LF CR two.
  auto cmds = parse("menu START\rtext Text2 a b\r\ndump\n\rkey 27");
  ASSERT_EQ(cmds.size(), 4u);
  EXPECT_EQ(cmds[1].value, "a b");
  EXPECT_EQ(cmds[2].op, Op::Dump);
  EXPECT_EQ(cmds[3].line, 5);
}

TEST(ScriptParse, PositionsAndHands) {
  std::string board = "board";
  for (int i = 0; i < 81; ++i) board += i == 40 ? " -950" : " 0";
  Command c = one(board);
  EXPECT_EQ(c.op, Op::Board);
  ASSERT_EQ(c.nums.size(), 81u);
  EXPECT_EQ(c.nums[40], -950);
  c = one("hands 1 2 3 4 5 6 7 0 0 0 0 0 0 1");
  EXPECT_EQ(c.op, Op::Hands);
  EXPECT_EQ(c.nums.size(), 14u);
  c = one("hands 1 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0");  // a dump line with its totals
  EXPECT_EQ(c.op, Op::Hands);
  EXPECT_EQ(c.nums.size(), 14u);
}

TEST(ScriptParse, LinesThatCannotRunSayWhy) {
  struct Case {
    const char* line;
    const char* why;
  };
  for (const Case& k : {
           Case{"jump 1", "unknown command: jump"},
           Case{"menu", "usage: menu NAME"},
           Case{"click middle 1 2", "usage: click left|right X Y"},
           Case{"click left 1", "usage: click left|right X Y"},
           Case{"square left a 2", "usage: square left|right Q R"},
           Case{"answer maybe", "usage: answer yes|no"},
           Case{"key 300", "usage: key N"},
           Case{"time 86400", "usage: time SECONDS"},
           Case{"wait -1", "usage: wait SECONDS"},
           Case{"seed -5", "usage: seed N"},
           Case{"text Text5 x", "text needs Text1, Text2, Text3 or Text4"},
           Case{"file", "file needs a name"},
           Case{"press Command2", "usage: press Command1"},
           Case{"board 1 2 3", "board: expects 81 numbers, got 3"},
           Case{"hands 1 2", "hands: expects 14 numbers, got 2"},
           Case{"dump now", "dump takes no arguments"},
           Case{"set turn", "usage: set NAME VALUE"},
           Case{"set turn 1.5", "usage: set NAME VALUE"},
       }) {
    Command c = one(k.line);
    EXPECT_EQ(c.op, Op::Invalid) << k.line;
    EXPECT_EQ(c.why.rfind(k.why, 0), 0u) << k.line << " -> " << c.why;
  }
  std::string bad = "warp";
  for (int i = 0; i < 81; ++i) bad += i == 3 ? " 15" : " 0";
  EXPECT_EQ(one(bad).why, "warp: not allowed here: 15");
  bad = "board";
  for (int i = 0; i < 81; ++i) bad += i == 3 ? " 111" : " 0";
  EXPECT_EQ(one(bad).why, "board: not allowed here: 111");
}

TEST(ScriptParse, SeedAndTimeBeforeEverythingElseApplyAtStartUp) {
  auto cmds = parse("# setup\nseed 7\ntime 100\nmenu START\ntime 200\n");
  StartOptions o = start_options(cmds);
  EXPECT_EQ(o.seed, 7u);
  EXPECT_DOUBLE_EQ(o.time, 100);
  EXPECT_EQ(o.first_command, 2u);
  o = start_options(parse("dump\nseed 9\n"));
  EXPECT_EQ(o.seed, 1u);
  EXPECT_DOUBLE_EQ(o.time, 36000);
  EXPECT_EQ(o.first_command, 0u);
}

TEST(Transcript, LinesEscapeWhatWouldBreakThem) {
  EXPECT_EQ(escape("a\"b\\c\rd\ne"), "a\\\"b\\\\c\\rd\\ne");
  EXPECT_EQ(box_line("開始", "「対局」で始めて下さい", Buttons::Ok, Answer::Ok),
            "box title=\"開始\" text=\"「対局」で始めて下さい\" buttons=ok");
  EXPECT_EQ(box_line("棋譜", "棋譜を '進 'で進めて下さい", Buttons::YesNo, Answer::No),
            "box title=\"棋譜\" text=\"棋譜を '進 'で進めて下さい\" buttons=yesno answer=no");
  EXPECT_EQ(box_line(" ", "a\rb", Buttons::YesNo, Answer::Yes),
            "box title=\" \" text=\"a\\rb\" buttons=yesno answer=yes");
  EXPECT_EQ(sound_line("play", "禁止.wav"), "sound play 禁止.wav");
  EXPECT_EQ(error_line(12, "no such menu: X"), "error 12: no such menu: X");
}

TEST(Transcript, DumpListsStateBoardWarpAndHands) {
  test::TestGame t;
  初期設定(t.g());
  auto& s = t.s();
  s.man_hand[SLOT_HU] = 2;
  s.com_hand[SLOT_SYA] = 1;
  recount_hand_totals(s);
  s.warp_map = Grid{};
  s.warp_map[1][2] = IRVU_AKA;
  const std::string d = dump(s);
  std::istringstream in(d);
  std::string state, board, warp, hands, rest;
  std::getline(in, state);
  std::getline(in, board);
  std::getline(in, warp);
  std::getline(in, hands);
  EXPECT_FALSE(std::getline(in, rest));
  EXPECT_EQ(state,
            "state turn=0 man_side=-1 com_side=1 winner=0 game_mode=0 com_level=3 move_number=0 "
            "history_index=0 history_last=0 kifu_mode=0 handicap_level=0 handicap_set=0 "
            "reversed_once=0 piece_selected=0");
  EXPECT_EQ(board.rfind("board 20 0 10 0 0 0 -10 0 -20 30 900 10 ", 0), 0u) << board;
  EXPECT_EQ(warp.rfind("warp 0 17 0 0", 0), 0u);
  EXPECT_EQ(hands, "hands 2 0 0 0 0 0 0 0 0 0 0 0 0 1 2 1");
  // The board line reads back as a board command.
  Command c = one(board);
  ASSERT_EQ(c.op, Op::Board);
  GameState copy;
  set_board(copy, c.nums);
  EXPECT_EQ(copy.board, s.board);
}

TEST(ScriptState, ScalarsWithinTheirRanges) {
  GameState s;
  EXPECT_EQ(set_scalar(s, "turn", -1), "");
  EXPECT_EQ(s.turn, -1);
  EXPECT_EQ(set_scalar(s, "history_last", 500), "");
  EXPECT_EQ(s.history_last, 500);
  EXPECT_EQ(set_scalar(s, "clock_pending", 1), "");
  EXPECT_EQ(s.clock_pending, 1);
  EXPECT_EQ(set_scalar(s, "history_index", 501), "history_index must lie in 0..500");
  EXPECT_EQ(set_scalar(s, "game_mode", 3), "game_mode must lie in 0..2");
  EXPECT_EQ(set_scalar(s, "speed", 1), "no such variable: speed");
  for (const char* name :
       {"man_side", "com_side", "winner", "com_level", "move_number", "kifu_mode", "handicap_level",
        "handicap_set", "reversed_once", "piece_selected"})
    EXPECT_EQ(set_scalar(s, name, 1), "") << name;
}

TEST(ScriptState, TotalsAndKingsFollowAPositionSetUpDirectly) {
  GameState s;
  std::vector<double> cells(81, 0);
  cells[(3 - 1) * 9 + (4 - 1)] = SITA_OU;  // (3, 4)
  cells[(7 - 1) * 9 + (2 - 1)] = UE_OU;    // (7, 2)
  set_board(s, cells);
  set_hands(s, {1, 0, 0, 0, 0, 0, 2, 0, 0, 3, 0, 0, 0, 0});
  settle_position(s);
  EXPECT_EQ(s.board[3][4], SITA_OU);
  EXPECT_EQ(s.man_king_x, 3);
  EXPECT_EQ(s.man_king_y, 4);
  EXPECT_EQ(s.com_king_x, 7);
  EXPECT_EQ(s.com_king_y, 2);
  EXPECT_EQ(s.man_hand[SLOT_SYA], 2);
  EXPECT_EQ(s.com_hand[SLOT_KEI], 3);
  EXPECT_EQ(s.man_hand_total, 3);
  EXPECT_EQ(s.com_hand_total, 3);
}

TEST(ScriptState, CellCentres) {
  EXPECT_DOUBLE_EQ(cell_centre_x(1), 1050 + 495 + 247.5);
  EXPECT_DOUBLE_EQ(cell_centre_y(9), 100 + 615 * 9 + 307.5);
  EXPECT_DOUBLE_EQ(cell_centre_x(-1), 1050 - 495 + 247.5);
}

TEST(ScriptPorts, ClockMovesInExactStepsAndWrapsAtMidnight) {
  ScriptClock c(36000);
  for (int i = 0; i < 20; ++i) c.advance(0.05);
  EXPECT_EQ(c.now(), 36001.0) << "no drift after many small steps";
  c.set(86399.9);
  c.sleep(0.2);
  EXPECT_NEAR(c.now(), 0.1, 1e-9);
  const double before = c.now();
  c.sleep(1e-12);
  EXPECT_GT(c.now(), before) << "even the smallest wait moves the clock";
  c.sleep(0);
  c.sleep(-1);
  EXPECT_GT(c.now(), before);
}

TEST(ScriptPorts, BoxesAreAnsweredFromTheQueueThenYes) {
  std::ostringstream out;
  ScriptDialogs d(out);
  d.queue_answer(Answer::No);
  EXPECT_EQ(d.show("OKですか？", "再開(COM)", Buttons::Ok), Answer::Ok)
      << "an OK box takes no answer";
  EXPECT_EQ(d.show("q1", "t", Buttons::YesNo), Answer::No);
  EXPECT_EQ(d.show("q2", "t", Buttons::YesNo), Answer::Yes);
  EXPECT_EQ(out.str(),
            "box title=\"再開(COM)\" text=\"OKですか？\" buttons=ok\n"
            "box title=\"t\" text=\"q1\" buttons=yesno answer=no\n"
            "box title=\"t\" text=\"q2\" buttons=yesno answer=yes\n");
}

TEST(ScriptPorts, WithoutALibraryRequestsAreStillReportedAndFreedInOrder) {
  shell::SilentSound s;
  std::ostringstream out;
  s.set_observer(
      [&](std::string_view op, std::string_view file) { out << sound_line(op, file) << '\n'; });
  s.play(SoundId::Piece);
  s.loop(SoundId::Ending);
  s.stop(SoundId::Music);
  s.shutdown();
  s.shutdown();
  EXPECT_EQ(out.str(),
            "sound play 駒打音.wav\nsound loop ENDING.wav\nsound stop BGM.wav\n"
            "sound free その他.wav\nsound free 禁止.wav\nsound free 駒打音.wav\n"
            "sound free BGM.wav\nsound free ENDING.wav\nsound free ワープ.wav\n");
}

}  // namespace
}  // namespace zv::script
