#include "tools/match/players.h"

#include "engine/engine.h"
#include "engine/eval.h"
#include "model/setup.h"

namespace zv::match {

namespace {

int level_number(const std::string& name) {
  std::string n = name;
  if (n.rfind("LEVEL", 0) == 0) n = n.substr(5);
  if (n.size() == 1 && n[0] >= '1' && n[0] <= '4') return n[0] - '0';
  return 0;
}

}  // namespace

void rotate(const BoardState& in, BoardState& out) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      out.board[BAN_SIZE + 1 - x][BAN_SIZE + 1 - y] = -in.board[x][y];
      out.warp_map[BAN_SIZE + 1 - x][BAN_SIZE + 1 - y] = in.warp_map[x][y];
    }
  out.com_hand = in.man_hand;
  out.man_hand = in.com_hand;
}

ComMove unrotate(const ComMove& m) {
  ComMove r = m;
  if (!m.found) return r;
  if (m.sx == COM_HAND_X) {
    r.sx = MAN_HAND_X;
    r.sy = m.sy + MAN_HAND_ROW_OFFSET;
  } else {
    r.sx = BAN_SIZE + 1 - m.sx;
    r.sy = BAN_SIZE + 1 - m.sy;
  }
  r.dx = BAN_SIZE + 1 - m.dx;
  r.dy = BAN_SIZE + 1 - m.dy;
  r.result = -m.result;
  r.source = -m.source;
  return r;
}

LevelPlayer::LevelPlayer(int level) : level_(level) {
  game_->io.clock = &clock_;
  game_->io.random = &random_;
}

ComMove LevelPlayer::choose(const BoardState& in, int side_code,
                            const std::vector<std::uint64_t>&) {
  auto& s = game_->st;
  // The computer to move with every map and scratch value fresh, as after a human move.
  static_cast<EngineMaps&>(s) = EngineMaps{};
  static_cast<SearchState&>(s) = SearchState{};
  if (side_code > 0) {
    s.board = in.board;
    s.warp_map = in.warp_map;
    s.com_hand = in.com_hand;
    s.man_hand = in.man_hand;
  } else {
    rotate(in, s);
  }
  recount_hand_totals(s);
  locate_kings(s);
  s.man_side = GOTE;
  s.com_side = SENTE;
  s.turn = s.com_side;
  s.winner = 0;
  s.game_mode = MODE_COM;
  s.com_level = level_;
  s.promoted_code = 0;
  s.timer1_enabled = false;
  勢力調査(s);
  const double t0 = s4::wall_seconds();
  const ComMove m = com_search(s);
  last_seconds = s4::wall_seconds() - t0;
  last_nodes = 0;
  return side_code > 0 ? m : unrotate(m);
}

ComMove SearchPlayer::choose(const BoardState& s, int side_code,
                             const std::vector<std::uint64_t>& keys) {
  searcher_.set_game_history(keys);
  s4::Result r;
  const ComMove m = s4::search4_move(searcher_, s, side_code, limits_, nullptr, &r);
  last_seconds = r.seconds;
  last_nodes = r.nodes;
  return m;
}

bool valid_level_name(const std::string& name) {
  return level_number(name) != 0;
}

std::unique_ptr<Player> make_player(const std::string& name, const s4::Limits& limits) {
  const int level = level_number(name);
  if (level == 0) return nullptr;
  if (level == 4) return std::make_unique<SearchPlayer>(limits);
  return std::make_unique<LevelPlayer>(level);
}

}  // namespace zv::match
