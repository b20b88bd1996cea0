// The match tool: the result line, the levels 1-3 playing the lower side on
// the board turned round, and whole games that end properly.
#include <gtest/gtest.h>

#include "engine/search4_support.h"
#include "tools/match/match_game.h"
#include "tools/match/match_stats.h"

namespace zv::match {
namespace {

TEST(Match, ResultLineCountsScoreAndInterval) {
  Tally t;
  for (double s : {1.0, 1.0, 1.0, 0.0, 0.5}) t.add(s);
  EXPECT_EQ(result_line("LEVEL4", "LEVEL3", t),
            "LEVEL4 vs LEVEL3: 3-1-1 score 70.0% \u00b135.1% (5 games)");
  Tally all;
  for (int i = 0; i < 20; ++i) all.add(1.0);
  EXPECT_EQ(result_line("LEVEL4", "LEVEL1", all),
            "LEVEL4 vs LEVEL1: 20-0-0 score 100.0% \u00b10.0% (20 games)");
}

// The one-move searcher only knows the positive side; for the negative side
// it sees the board turned round, and its move must come back allowed.
TEST(Match, LevelsPlayTheLowerSideThroughTheTurnedBoard) {
  const auto positions = test4::random_positions(12, 0x7e57);
  for (int level = 1; level <= 3; ++level) {
    LevelPlayer player(level);
    for (const auto& tp : positions) {
      BoardState s = test4::board_of(tp);
      const ComMove m = player.choose(s, GOTE, {});
      EXPECT_EQ(check_move(s, GOTE, m), "") << "level " << level;
      EXPECT_EQ(test4::refusal(s, GOTE, m), "");
      // Turning twice gives the position back.
      BoardState once, twice;
      rotate(s, once);
      rotate(once, twice);
      EXPECT_EQ(twice.board, s.board);
      EXPECT_EQ(twice.warp_map, s.warp_map);
    }
  }
}

TEST(Match, GamesEndWithAResultAndNoRefusedMove) {
  s4::Limits limits{0, 3000, 0};
  auto a = make_player("LEVEL4", limits);
  auto b = make_player("LEVEL2", limits);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(make_player("LEVEL5", limits), nullptr);
  for (bool a_lower : {true, false}) {
    const GameResult r = play_game(*a, *b, 11, a_lower, 120);
    EXPECT_TRUE(r.note.empty()) << r.note;
    EXPECT_NE(r.ending, Ending::IllegalMove);
    EXPECT_NE(r.ending, Ending::NoMove);
    EXPECT_GT(r.moves, 4);
  }
}

}  // namespace
}  // namespace zv::match
