// The computer's turn: scan order, early stops, promotion choices, drops,
// playing the move with its warp, the messages and the clock hand-over.
#include "engine/eval_support.h"
#include "play/play.h"

namespace zv {
namespace {

using test::EvalBoard;

// Allowed board moves of the computer, and allowed drops of its hand.
int count_board_moves(const GameState& s) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (s.board[x][y] >= UE_MIN)
        for (int x2 = 1; x2 <= 9; ++x2)
          for (int y2 = 1; y2 <= 9; ++y2) n += 移動チェック(s, x, y, x2, y2, s.board[x][y]) == YES;
  return n;
}

int count_drops(const GameState& s) {
  int n = 0;
  for (int k = 1; k <= HAND_SLOTS; ++k)
    if (s.com_hand[k] > 0)
      for (int x2 = 1; x2 <= 9; ++x2)
        for (int y2 = 1; y2 <= 9; ++y2)
          n += 移動チェック(s, COM_HAND_X, k, x2, y2, SLOT_CODE[k]) == YES;
  return n;
}

// The computer's king on (9, 1) walled in by its own pawns, which cannot move.
EvalBoard walled_king() {
  EvalBoard b;
  b.put(9, 1, UE_OU);
  for (int y = 1; y <= 9; ++y) b.put(8, y, UE_HU);
  for (int y = 2; y <= 9; ++y) b.put(9, y, UE_HU);
  return b;
}

void ready(EvalBoard& b) {
  recount_hand_totals(b.s);
  勢力調査(b.s);
}

TEST(ComBan, DoesNothingOnceTheGameIsDecided) {
  test::TestGame t;
  初期設定(t.g());
  t.s().winner = t.s().man_side;
  t.s().turn = t.s().com_side;
  const Grid before = t.s().board;
  t.canvas.clear();
  com_ban(t.g());
  EXPECT_EQ(t.s().board, before);
  EXPECT_TRUE(t.canvas.ops.empty());
  EXPECT_TRUE(t.dialogs.shown.empty());
  EXPECT_TRUE(t.sound.calls.empty());
  EXPECT_EQ(t.s().turn, t.s().com_side);
  EXPECT_EQ(t.s().move_number, 0);
}

// A lance on (2, 1) and a gold on (3, 4) can both take the human king on (2, 5).
EvalBoard two_ways_to_take_the_king() {
  EvalBoard b;
  b.put(9, 1, UE_OU).put(2, 1, UE_KYOU).put(3, 4, UE_KIN).put(2, 5, SITA_OU);
  ready(b);
  return b;
}

TEST(ComSearch, TakingTheKingStopsTheSearchAtOnce) {
  EvalBoard b = two_ways_to_take_the_king();
  const ComMove m = com_search(b.t.g().st);
  EXPECT_EQ(m.sx, 2);  // the lance comes first in the scan
  EXPECT_EQ(m.sy, 1);
  EXPECT_EQ(m.dx, 2);
  EXPECT_EQ(m.dy, 5);
  EXPECT_EQ(m.score, 9999);
  EXPECT_EQ(b.s.trial_moves, 4);  // (2, 2), (2, 3), (2, 4), then the king
}

TEST(ComBan, TakingTheKingWinsTheGame) {
  EvalBoard b = two_ways_to_take_the_king();
  b.s.game_mode = MODE_COM;
  com_ban(b.t.g());
  EXPECT_EQ(b.s.winner, b.s.com_side);
  EXPECT_EQ(b.s.board[2][5], UE_KYOU);
  ASSERT_EQ(b.t.dialogs.shown.size(), 1u);
  EXPECT_EQ(b.t.dialogs.shown[0].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(b.t.dialogs.shown[0].title, "終了");
  EXPECT_EQ(b.s.turn, b.s.man_side);
  EXPECT_EQ(b.s.game_mode, MODE_NONE);
}

TEST(ComSearch, APieceThatMustPromoteIsOnlyScoredPromoted) {
  EvalBoard b = walled_king();
  b.put(1, 8, UE_HU).put(5, 5, SITA_OU);
  ready(b);
  com_search(b.t.g().st);
  EXPECT_EQ(b.s.trial_moves, 1);
  EXPECT_EQ(b.s.evaluations, 1);
}

TEST(ComSearch, APawnThatMayPromoteIsAlwaysPlayedPromoted) {
  EvalBoard b = walled_king();
  b.put(1, 6, UE_HU).put(1, 7, SITA_SYA).put(5, 5, SITA_OU);
  ready(b);
  const ComMove m = com_search(b.t.g().st);
  EXPECT_EQ(b.s.evaluations, b.s.trial_moves + 1);  // both forms were scored
  EXPECT_EQ(m.source, UE_HU);
  EXPECT_EQ(m.result, UE_TO);
}

TEST(ComSearch, ASilverStaysUnpromotedWhenThatScoresHigher) {
  // On (5, 7) the plain silver forks the two golds diagonally behind it; a
  // promoted silver would not.
  EvalBoard b;
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 6, UE_GIN).put(4, 6, SITA_KIN).put(6, 6, SITA_KIN);
  ready(b);
  const ComMove m = com_search(b.t.g().st);
  EXPECT_EQ(m.sx, 5);
  EXPECT_EQ(m.sy, 6);
  EXPECT_EQ(m.dx, 5);
  EXPECT_EQ(m.dy, 7);
  EXPECT_EQ(m.result, UE_GIN);
}

struct PromotionCase {
  int piece;
  double plain, promoted;
  int expected_result;
  double expected_score;
};

class PromotionChoiceTest : public testing::TestWithParam<PromotionCase> {};

TEST_P(PromotionChoiceTest, FollowsTheRules) {
  const auto& c = GetParam();
  const PromotionChoice r = choose_promotion(c.piece, c.piece + 1, c.plain, c.promoted);
  EXPECT_EQ(r.result, c.expected_result);
  EXPECT_EQ(r.score, c.expected_score);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PromotionChoiceTest,
    testing::Values(PromotionCase{UE_GIN, 5, 5, UE_GIN, 5},  // equal: plain
                    PromotionCase{UE_KEI, 5, 5, UE_KEI, 5},
                    PromotionCase{UE_KYOU, 5, 5, UE_KYOU, 5},
                    PromotionCase{UE_GIN, 6, 5, UE_GIN, 6},      // plain better
                    PromotionCase{UE_KEI, 5, 6, UE_NARIKEI, 6},  // promoted better
                    PromotionCase{UE_HU, 6, 5, UE_TO, 6},        // always promoted,
                    PromotionCase{UE_KAKU, 9, 1, UE_UMA, 9},     // keeping the better score
                    PromotionCase{UE_SYA, 3, 3, UE_RYU, 3}));

TEST(ComSearch, APromotionAfterAWarpHappensWhereThePieceArrived) {
  // The silver stepping to (2, 8) is warped on to (9, 5). A promoted silver
  // left behind on (2, 8) as well would mate the king in the corner (the
  // lance backs it once the silver has left (2, 7)); there is no such piece.
  EvalBoard b;
  b.put(9, 1, UE_OU).put(1, 9, SITA_OU).put(2, 7, UE_GIN).put(2, 1, UE_KYOU);
  b.s.warp_map[2][8] = IRVU_KURO;
  b.s.warp_map[9][5] = IRVU_KURO;
  ready(b);
  const ComMove m = com_search(b.t.g().st);
  EXPECT_LT(m.score, 9998);
}

TEST(ComSearch, NoDropIsTriedWhenTheHandWasEmptyAtTheStart) {
  EvalBoard b;
  // The silver could take the human pawn, filling the hand during its trial.
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_GIN).put(5, 6, SITA_HU);
  ready(b);
  const int board_moves = count_board_moves(b.s);
  com_search(b.t.g().st);
  EXPECT_EQ(b.s.trial_moves, board_moves);
}

TEST(ComSearch, EveryAllowedDropIsTriedWithAPieceInHand) {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(9, 9, SITA_OU).put(5, 5, UE_GIN).put(5, 6, SITA_HU).com_hand(SLOT_HU, 1);
  ready(b);
  const int moves = count_board_moves(b.s) + count_drops(b.s);
  com_search(b.t.g().st);
  EXPECT_EQ(b.s.trial_moves, moves);
}

TEST(ComSearch, LeavesThePositionAsItFoundIt) {
  test::TestGame t;
  初期設定(t.g());
  auto& s = t.s();
  s.com_hand = {0, 2, 1, 1, 1, 1, 1, 1};
  s.man_hand = {0, 1, 0, 0, 1, 0, 0, 0};
  recount_hand_totals(s);
  // A pawn stepping to (5, 4) warps onto its own lance, which goes to the human's hand.
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (s.warp_map[x][y] == IRVU_KURO || (x == 5 && y == 4)) s.warp_map[x][y] = 0;
  s.warp_map[5][4] = IRVU_KURO;
  s.warp_map[1][1] = IRVU_KURO;
  s.turn = s.com_side;
  勢力調査(s);
  const BoardState before = s;
  const ComMove m = com_search(t.g().st);
  EXPECT_TRUE(m.found);
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.warp_map, before.warp_map);
  EXPECT_EQ(s.com_hand, before.com_hand);
  EXPECT_EQ(s.man_hand, before.man_hand);
  EXPECT_EQ(s.com_hand_total, before.com_hand_total);
  EXPECT_EQ(s.man_hand_total, before.man_hand_total);
  EXPECT_EQ(s.winner, 0);
}

TEST(ComBan, AWarpIsCarriedOutAfterTheChosenMove) {
  EvalBoard b = two_ways_to_take_the_king();
  b.s.warp_map[2][5] = IRVU_AKA;  // the king stands on a red square
  b.s.warp_map[7][7] = IRVU_AKA;
  com_ban(b.t.g());
  EXPECT_EQ(b.s.board[2][5], EMPTY);
  EXPECT_EQ(b.s.board[7][7], UE_KYOU);  // carried to the partner square
  EXPECT_EQ(b.s.winner, b.s.com_side);
  int red = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) red += b.s.warp_map[x][y] == IRVU_AKA;
  EXPECT_EQ(red, 2);
  EXPECT_NE(b.s.warp_map[7][7], IRVU_AKA);  // placed anew, on empty squares only
  EXPECT_EQ(b.t.sound.count("play", SoundId::Warp), 1);
  EXPECT_EQ(b.t.sound.count("play", SoundId::Piece), 1);
}

// The walled king and a knight on (4, 3) whose two moves both check the
// human king on (4, 7).
EvalBoard only_checks() {
  EvalBoard b = walled_king();
  b.put(4, 3, UE_KEI).put(4, 7, SITA_OU);
  ready(b);
  return b;
}

TEST(ComBan, AnnouncesCheckAndHandsTheTurnBack) {
  EvalBoard b = only_checks();
  auto& s = b.s;
  s.checked[M_KEIKA] = true;
  s.com_total_seconds = 100;
  s.turn_seconds = 7;
  s.history_index = 4;
  s.move_number = 4;
  com_ban(b.t.g());
  ASSERT_EQ(b.t.dialogs.shown.size(), 1u);
  EXPECT_EQ(b.t.dialogs.shown[0].text, "   ** 王手 **");
  EXPECT_EQ(b.t.dialogs.shown[0].title, "");
  EXPECT_EQ(s.board[4][3], EMPTY);
  EXPECT_TRUE(s.board[3][5] == UE_KEI || s.board[5][5] == UE_KEI);
  EXPECT_EQ(s.move_number, 5);
  EXPECT_EQ(s.history_index, 5);
  EXPECT_EQ(s.hist_piece[4], UE_KEI);
  EXPECT_DOUBLE_EQ(s.com_total_seconds, 100 + s.turn_seconds);
  EXPECT_DOUBLE_EQ(s.turn_start_time, b.t.clock.now());
  EXPECT_EQ(s.turn, s.man_side);
  EXPECT_TRUE(s.timer1_enabled);
  EXPECT_EQ(s.winner, 0);
  EXPECT_EQ(b.t.sound.count("play", SoundId::Piece), 1);
}

TEST(ComBan, SavesThePositionBeforeItsMoveWithTheTimes) {
  EvalBoard b = only_checks();
  auto& s = b.s;
  s.history_index = 2;
  s.man_total_seconds = 40;
  s.com_total_seconds = 100;
  s.turn_seconds = 7;
  const Grid before = s.board;
  com_ban(b.t.g());
  EXPECT_EQ(s.hist_board[2], before);
  EXPECT_EQ(s.history_last, 3) << "the position the move reached is kept too";
  EXPECT_EQ(s.hist_board[3], s.board);
  EXPECT_DOUBLE_EQ(s.hist_time[2][前秒M], 40);
  EXPECT_DOUBLE_EQ(s.hist_time[2][後秒M], 40);
  EXPECT_DOUBLE_EQ(s.hist_time[2][前秒C], 100);
  EXPECT_DOUBLE_EQ(s.hist_time[2][後秒C], 100 + s.turn_seconds);
}

TEST(ComBan, DoesNotMoveWhenTheHistoryIsFull) {
  EvalBoard b = only_checks();
  b.s.history_index = HISTORY_MAX + 1;
  const Grid before = b.s.board;
  com_ban(b.t.g());
  EXPECT_EQ(b.s.board, before);
  EXPECT_EQ(b.s.turn, b.s.com_side);
  ASSERT_EQ(b.t.dialogs.shown.size(), 1u);
  EXPECT_EQ(b.t.dialogs.shown[0].text, "これ以上の手は記録できません");
}

TEST(ComBan, LeavesTheClockStoppedWithoutElapsedTimeShown) {
  EvalBoard b = only_checks();
  b.s.checked[M_KEIKA] = false;
  com_ban(b.t.g());
  EXPECT_FALSE(b.s.timer1_enabled);
  EXPECT_EQ(b.s.turn, b.s.man_side);
}

// The human king on (5, 9) in a net: a gold dropped on (4, 8) or (5, 8) mates,
// and so would a pawn on (5, 8), which does not count.
EvalBoard mate_by_drop() {
  EvalBoard b;
  b.put(1, 1, UE_OU).put(5, 9, SITA_OU).put(5, 7, UE_KIN).put(3, 7, UE_KEI).put(7, 7, UE_KEI);
  b.com_hand(SLOT_HU, 1).com_hand(SLOT_KIN, 1);
  ready(b);
  return b;
}

TEST(ComSearch, AMatingDropStopsTheSearch) {
  EvalBoard b = mate_by_drop();
  int expected = count_board_moves(b.s);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      expected += 移動チェック(b.s, COM_HAND_X, SLOT_HU, x, y, UE_HU) == YES;
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= (x < 4 ? 9 : 8); ++y)
      expected += 移動チェック(b.s, COM_HAND_X, SLOT_KIN, x, y, UE_KIN) == YES;
  const ComMove m = com_search(b.t.g().st);
  EXPECT_EQ(m.sx, COM_HAND_X);
  EXPECT_EQ(m.sy, SLOT_KIN);
  EXPECT_EQ(m.dx, 4);  // the first mating square in the scan
  EXPECT_EQ(m.dy, 8);
  EXPECT_EQ(m.score, 9998);
  EXPECT_EQ(b.s.trial_moves, expected);  // no gold drop after (4, 8) was tried
}

TEST(ComBan, AnnouncesMate) {
  EvalBoard b = mate_by_drop();
  com_ban(b.t.g());
  EXPECT_EQ(b.s.board[4][8], UE_KIN);
  EXPECT_EQ(b.s.com_hand[SLOT_KIN], 0);
  EXPECT_EQ(b.s.com_hand_total, 1);
  ASSERT_EQ(b.t.dialogs.shown.size(), 1u);
  EXPECT_EQ(b.t.dialogs.shown[0].text, "よし！!");
  EXPECT_EQ(b.t.dialogs.shown[0].title, "詰め ?");
  EXPECT_EQ(b.s.winner, 0);  // the human still has to move: the game ends on the king's capture
  EXPECT_EQ(b.s.turn, b.s.man_side);
}

// Pictures drawn with `code` at grid position (q, r).
int pictures_at(const test::RecordingCanvas& c, int code, double q, double r) {
  int n = 0;
  for (const auto& op : c.of(test::DrawOp::Picture)) n += op.code == code && op.a == q && op.b == r;
  return n;
}

TEST(ComBan, ShowsItIsThinkingBeforeItSearches) {
  EvalBoard b = only_checks();
  com_ban(b.t.g());
  std::vector<test::DrawOp> label;
  std::size_t last_label = 0;
  for (std::size_t i = 0; i < b.t.canvas.ops.size(); ++i)
    if (b.t.canvas.ops[i].kind == test::DrawOp::Text && b.t.canvas.ops[i].text == "思考中") {
      label.push_back(b.t.canvas.ops[i]);
      last_label = i;
    }
  ASSERT_EQ(label.size(), 2u);  // a shadow, then the label
  EXPECT_EQ(label[0].code, COL_BLACK);
  EXPECT_EQ(label[1].code, COL_WHITE);
  EXPECT_EQ(label[0].size, 12);
  // The window is refreshed before the search, so before the move's first picture.
  std::size_t refresh = 0, picture = 0;
  for (std::size_t i = b.t.canvas.ops.size(); i-- > last_label;) {
    if (b.t.canvas.ops[i].kind == test::DrawOp::Refresh) refresh = i;
    if (b.t.canvas.ops[i].kind == test::DrawOp::Picture) picture = i;
  }
  EXPECT_GT(refresh, last_label);
  EXPECT_LT(refresh, picture);
}

TEST(ComBan, BlinksTheMovingPieceOnItsSquare) {
  EvalBoard b = only_checks();
  com_ban(b.t.g());
  EXPECT_EQ(pictures_at(b.t.canvas, UE_KEI, 4, 3), 2);
}

TEST(ComBan, BlinksADroppedPieceBesideTheBoard) {
  EvalBoard b = mate_by_drop();
  com_ban(b.t.g());
  EXPECT_EQ(pictures_at(b.t.canvas, UE_KIN, COM_HAND_X, COM_HAND_ROW_BASE - SLOT_KIN), 2);
}

TEST(ComBan, ResignsWhenNothingCanMove) {
  EvalBoard b = walled_king();
  b.put(4, 7, SITA_OU);
  ready(b);
  const Grid before = b.s.board;
  com_ban(b.t.g());
  ASSERT_EQ(b.t.dialogs.shown.size(), 1u);
  EXPECT_EQ(b.t.dialogs.shown[0].text, "指せる手がありません。あなたの勝ちです");
  EXPECT_EQ(b.t.dialogs.shown[0].title, "終了");
  EXPECT_EQ(b.s.winner, b.s.man_side);
  EXPECT_EQ(b.s.game_mode, MODE_NONE);
  EXPECT_EQ(b.s.board, before);
  EXPECT_EQ(b.s.move_number, 0);
  EXPECT_EQ(b.t.sound.count("play", SoundId::Piece), 0);
}

}  // namespace
}  // namespace zv
