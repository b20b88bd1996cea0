#include "tools/match/match_game.h"

#include <memory>
#include <unordered_map>

#include "engine/search4_position.h"
#include "model/moves.h"
#include "model/rules.h"
#include "model/setup.h"

namespace zv::match {

namespace {

bool is_drop(const ComMove& m) {
  return m.sx == COM_HAND_X || m.sx == MAN_HAND_X;
}

}  // namespace

const char* ending_name(Ending e) {
  switch (e) {
    case Ending::KingCaptured:
      return "king captured";
    case Ending::NoMove:
      return "no move";
    case Ending::IllegalMove:
      return "illegal move";
    case Ending::Repetition:
      return "repetition";
    case Ending::MoveLimit:
      return "move limit";
  }
  return "?";
}

std::string check_move(BoardState& s, int side_code, const ComMove& m) {
  if (!m.found) return "no move";
  if ((m.source > 0) != (side_code > 0)) return "a piece of the other side";
  if (is_drop(m)) {
    if (m.sx != (side_code > 0 ? COM_HAND_X : MAN_HAND_X)) return "the other side's hand";
    const int slot = side_code > 0 ? m.sy : m.sy - MAN_HAND_ROW_OFFSET;
    if (slot < 1 || slot > HAND_SLOTS) return "no such hand slot";
    const Hand& h = side_code > 0 ? s.com_hand : s.man_hand;
    if (h[slot] <= 0) return "an empty hand slot";
    if (m.source != side_code * SLOT_CODE[slot] || m.result != m.source)
      return "a wrong drop piece";
  } else {
    if (m.sx < 1 || m.sx > BAN_SIZE || m.sy < 1 || m.sy > BAN_SIZE) return "origin off the board";
    if (s.board[m.sx][m.sy] != m.source) return "the piece is not on its origin";
  }
  if (移動チェック(s, m.sx, m.sy, m.dx, m.dy, m.source) != YES) return "refused by the move check";
  if (m.result != m.source) {
    if (調査_駒成(s, m.sx, m.sy, m.dx, m.dy, m.source) != YES || m.result != s.promoted_code)
      return "a promotion that is not allowed";
  } else if (!is_drop(m) && 移動後チェック(m.dy, m.source) != YES) {
    return "must promote";
  }
  return "";
}

int apply_move(Game& g, const ComMove& m) {
  auto& s = g.st;
  int king = 0;
  const int c1 = s.board[m.dx][m.dy];
  if (c1 == UE_OU || c1 == SITA_OU) king = c1;
  駒移動_仮(s, m.sx, m.sy, m.dx, m.dy, m.result);
  const int w = s.warp_map[m.dx][m.dy];
  int px = 0, py = 0;
  if (w != 0 && warp_partner(s, m.dx, m.dy, px, py)) {
    const int c2 = s.board[px][py];
    if (c2 == UE_OU || c2 == SITA_OU) king = c2;
    駒移動_IRVU_仮(s, m.dx, m.dy, m.result);
    IRVU_設定(g, w);
  }
  return king;
}

GameResult play_game(Player& a, Player& b, std::uint64_t seed, bool a_lower, int move_limit,
                     std::FILE* trace) {
  StillClock clock;
  SeededRandom random(seed);
  auto game = std::make_unique<Game>();
  Game& g = *game;
  g.io.clock = &clock;
  g.io.random = &random;
  初期設定(g);
  auto& s = g.st;

  GameResult r;
  std::vector<std::uint64_t> keys;
  std::unordered_map<std::uint64_t, int> seen;
  int side_code = -1;  // the lower side moves first
  auto a_moves = [&](int side) { return (side < 0) == a_lower; };
  auto lost = [&](int side, Ending e) {
    r.a_score = a_moves(side) ? 0 : 1;
    r.ending = e;
  };
  for (r.moves = 0; r.moves < move_limit; ++r.moves) {
    const std::uint64_t key = s4::from_board(s, side_code).key;
    if (++seen[key] >= REPETITIONS_FOR_DRAW) {
      r.ending = Ending::Repetition;
      return r;
    }
    const bool a_turn = a_moves(side_code);
    Player& p = a_turn ? a : b;
    const ComMove m = p.choose(s, side_code, keys);
    (a_turn ? r.a_seconds : r.b_seconds).push_back(p.last_seconds);
    (a_turn ? r.a_nodes : r.b_nodes) += p.last_nodes;
    keys.push_back(key);
    if (trace != nullptr)
      std::fprintf(trace, "%3d %s %d,%d -> %d,%d %d (score %.0f, %.0f ms)\n", r.moves + 1,
                   a_turn ? "A" : "B", m.sx, m.sy, m.dx, m.dy, m.result, m.score,
                   1000 * p.last_seconds);
    if (!m.found) {
      lost(side_code, Ending::NoMove);
      return r;
    }
    r.note = check_move(s, side_code, m);
    if (!r.note.empty()) {
      lost(side_code, Ending::IllegalMove);
      return r;
    }
    const int king = apply_move(g, m);
    if (king != 0) {
      // The king's owner lost, whoever moved (a warp can take one's own king).
      lost(king > 0 ? 1 : -1, Ending::KingCaptured);
      ++r.moves;
      return r;
    }
    side_code = -side_code;
  }
  r.ending = Ending::MoveLimit;
  return r;
}

}  // namespace zv::match
