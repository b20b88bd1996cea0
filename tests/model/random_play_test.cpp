// Thousands of random legal moves and drops, with promotions and warps, keep
// the position consistent.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/allowed_moves.h"
#include "model/moves.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "model/setup.h"
#include "play/visible_moves.h"
#include "support/fakes.h"

namespace zv {
namespace {

struct Move {
  int fx, fy, tx, ty, piece;
};

bool is_legal_code(int c) {
  switch (c < 0 ? -c : c) {
    case 0:
    case UE_HU:
    case UE_TO:
    case UE_KYOU:
    case UE_NARIKYOU:
    case UE_KEI:
    case UE_NARIKEI:
    case UE_GIN:
    case UE_NARIGIN:
    case UE_KIN:
    case UE_KAKU:
    case UE_UMA:
    case UE_SYA:
    case UE_RYU:
    case UE_OU:
      return true;
    default:
      return false;
  }
}

std::vector<Move> moves_for(const GameState& s, int side) {
  std::vector<Move> out;
  for_each_allowed_move(s, side > 0, [&](int fx, int fy, int tx, int ty, int code) {
    out.push_back({fx, fy, tx, ty, code});
    return false;
  });
  return out;
}

void check_invariants(const GameState& s, int move_no) {
  SCOPED_TRACE(::testing::Message() << "after move " << move_no);
  int kings_up = 0, kings_down = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      ASSERT_TRUE(is_legal_code(s.board[x][y])) << s.board[x][y];
      kings_up += s.board[x][y] == UE_OU;
      kings_down += s.board[x][y] == SITA_OU;
      const int w = s.warp_map[x][y];
      ASSERT_TRUE(w == 0 || (w >= IRVU_FIRST && w <= IRVU_LAST));
    }
  for (int k = IRVU_FIRST; k <= IRVU_LAST; ++k) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += s.warp_map[x][y] == k;
    ASSERT_EQ(n, 2) << "warp colour " << k;
  }
  int man = 0, com = 0;
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    ASSERT_GE(s.man_hand[k], 0);
    ASSERT_GE(s.com_hand[k], 0);
    man += s.man_hand[k];
    com += s.com_hand[k];
  }
  ASSERT_EQ(s.man_hand_total, man);
  ASSERT_EQ(s.com_hand_total, com);
  if (s.winner == 0) {
    ASSERT_EQ(kings_up, 1);
    ASSERT_EQ(kings_down, 1);
    ASSERT_EQ(s.board[s.man_king_x][s.man_king_y], SITA_OU);
  }
  // Forty pieces in all, on the board or in hand, until a king leaves the game.
  int on_board = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) on_board += s.board[x][y] != 0;
  ASSERT_EQ(on_board + man + com + (s.winner != 0 ? 1 : 0), 40);
  for (int x = 1; x <= 9; ++x) {
    bool up = false, down = false;
    for (int y = 1; y <= 9; ++y) {
      up |= s.board[x][y] == UE_HU;
      down |= s.board[x][y] == SITA_HU;
    }
    ASSERT_EQ(pawn_in_column(s, x, UE_HU), up);
    ASSERT_EQ(pawn_in_column(s, x, SITA_HU), down);
  }
}

TEST(RandomPlay, InvariantsHoldOverThousandsOfMoves) {
  test::TestGame t;
  auto& s = t.s();
  std::mt19937 rng(12345);
  初期設定(t.g());
  s.man_side = SENTE;
  s.com_side = GOTE;
  int side = SENTE;
  int games = 0, warps = 0, drops = 0, promotions = 0;
  for (int n = 1; n <= 6000; ++n) {
    auto moves = moves_for(s, side > 0 ? 1 : -1);
    if (moves.empty() || s.winner != 0) {
      ++games;
      初期設定(t.g());
      s.man_side = SENTE;
      s.com_side = GOTE;
      side = SENTE;
      continue;
    }
    Move m = moves[rng() % moves.size()];
    int piece = m.piece;
    if (調査_駒成(s, m.fx, m.fy, m.tx, m.ty, piece) == YES &&
        (移動後チェック(m.ty, piece) == NO || rng() % 2)) {
      piece = s.promoted_code;
      ++promotions;
    }
    drops += m.fx == MAN_HAND_X || m.fx == COM_HAND_X;
    // Upper-hand drops are addressed by slot, lower-hand drops by row.
    駒移動(t.g(), m.fx, m.fy, m.tx, m.ty, piece);
    const int w = s.warp_map[m.tx][m.ty];
    if (w != 0) {
      ++warps;
      駒移動_IRVU(t.g(), m.tx, m.ty, piece);
      IRVU_設定(t.g(), w);
    }
    check_invariants(s, n);
    if (::testing::Test::HasFatalFailure()) return;
    side = -side;
  }
  EXPECT_GT(games, 3);
  EXPECT_GT(warps, 200);
  EXPECT_GT(drops, 100);
  EXPECT_GT(promotions, 50);
}

}  // namespace
}  // namespace zv
