// A game of random legal moves between two humans, played through the same
// procedures as real moves, with every position kept for comparison.
#pragma once
#include <cstdlib>
#include <random>
#include <vector>

#include "model/allowed_moves.h"
#include "model/moves.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "model/setup.h"
#include "play/visible_moves.h"
#include "record/record.h"
#include "support/fakes.h"

namespace zv::test {

struct Snapshot {
  Grid board{};
  Grid warp{};
  Hand man_hand{};
  Hand com_hand{};
  double man_seconds = 0, com_seconds = 0;
  int man_total = 0, com_total = 0;
};

struct RandomGame {
  std::vector<Snapshot> positions;  // positions[k]: after k moves
  int captures = 0, drops = 0, promotions = 0, warps = 0;
};

inline Snapshot snapshot(const GameState& s) {
  Snapshot p;
  p.board = s.board;
  p.warp = s.warp_map;
  p.man_hand = s.man_hand;
  p.com_hand = s.com_hand;
  p.man_seconds = s.man_total_seconds;
  p.com_seconds = s.com_total_seconds;
  p.man_total = s.man_hand_total;
  p.com_total = s.com_hand_total;
  return p;
}

struct Candidate {
  int fx, fy, tx, ty, code;
  bool drop, capture;
};

// The square a piece landing on (x, y) ends on after a warp.
inline bool warp_lands_on_king(const GameState& s, int x, int y) {
  const int k = s.warp_map[x][y];
  if (k == 0) return false;
  for (int i = 1; i <= BAN_SIZE; ++i)
    for (int j = 1; j <= BAN_SIZE; ++j)
      if ((i != x || j != y) && s.warp_map[i][j] == k && std::abs(s.board[i][j]) == UE_OU)
        return true;
  return false;
}

inline std::vector<Candidate> candidates(const GameState& s) {
  std::vector<Candidate> out;
  const bool lower = s.turn == s.man_side;
  for_each_allowed_move(s, !lower, [&](int fx, int fy, int tx, int ty, int code) {
    const bool drop = !on_board(fx, fy);
    if ((!drop && std::abs(s.board[tx][ty]) == UE_OU) || warp_lands_on_king(s, tx, ty))
      return false;
    out.push_back({fx, fy, tx, ty, code, drop, !drop && s.board[tx][ty] != EMPTY});
    return false;
  });
  return out;
}

// Plays `moves` moves from a fresh start (lower side first, as between two
// humans). Every move is saved with 手順保存 first, as the movers do.
inline RandomGame play_random_game(TestGame& t, int moves, unsigned seed) {
  Game& g = t.g();
  GameState& s = t.s();
  初期設定(g);
  s.man_side = SENTE;
  s.com_side = GOTE;
  s.turn = SENTE;
  s.game_mode = MODE_HUMAN;
  std::mt19937 rng(seed);
  RandomGame out;
  out.positions.push_back(snapshot(s));
  for (int n = 0; n < moves; ++n) {
    std::vector<Candidate> all = candidates(s);
    if (all.empty()) break;
    std::vector<Candidate> pick;
    const int mood = static_cast<int>(rng() % 10);
    for (const Candidate& c : all)
      if ((mood < 5 && c.capture) || (mood >= 5 && mood < 8 && c.drop)) pick.push_back(c);
    if (pick.empty()) pick = all;
    Candidate c = pick[rng() % pick.size()];
    int code = c.code;
    if (!c.drop && 調査_駒成(s, c.fx, c.fy, c.tx, c.ty, code) == YES &&
        (移動後チェック(c.ty, code) == NO || rng() % 2 == 0)) {
      code = s.promoted_code;
      ++out.promotions;
    }
    const bool lower = s.turn == s.man_side;
    const double spent = 1 + static_cast<double>(rng() % 40);
    const double m = s.man_total_seconds, k = s.com_total_seconds;
    const bool saved = lower ? 手順保存(s, c.tx, c.ty, {m, m + spent, k, k})
                             : 手順保存(s, c.tx, c.ty, {m, m, k, k + spent});
    if (!saved) break;
    s.hist_piece[s.history_index] = code;
    if (lower)
      s.man_total_seconds += spent;
    else
      s.com_total_seconds += spent;
    out.captures += c.capture;
    out.drops += c.drop;
    s.move_number += 1;
    駒移動(g, c.fx, c.fy, c.tx, c.ty, code);
    s.history_index += 1;
    if (const int w = s.warp_map[c.tx][c.ty]; w != 0) {
      ++out.warps;
      駒移動_IRVU(g, c.tx, c.ty, code);
      IRVU_設定(g, w);
    }
    keep_newest_position(s);
    s.turn = -s.turn;
    out.positions.push_back(snapshot(s));
  }
  return out;
}

}  // namespace zv::test
