// The fixed suite of positions the computer's choices are pinned on: loading,
// setting a position up for a search, the hash of the chosen moves, and the
// random play that generated the suite once.
#pragma once
#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/eval.h"
#include "model/moves.h"
#include "model/rules.h"
#include "model/setup.h"
#include "support/fakes.h"

namespace zv::bench {

struct Position {
  Grid board{};
  Grid warp{};
  Hand com_hand{};
  Hand man_hand{};
};

inline std::string suite_path() {
  return std::string(ZORVANE_TEST_DATA) + "/bench_positions.txt";
}

// A game on the null ports, which swallow everything (the search must not
// depend on them), with a clock and a repeatable generator.
struct QuietGame {
  test::VirtualClock clock;
  test::SeqRandom random;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  QuietGame() {
    game->io.clock = &clock;
    game->io.random = &random;
  }
  Game& g() { return *game; }
};

inline bool read_grid(std::istream& in, Grid& grid) {
  for (int y = 1; y <= BAN_SIZE; ++y)
    for (int x = 1; x <= BAN_SIZE; ++x)
      if (!(in >> grid[x][y])) return false;
  return true;
}

inline bool read_hand(std::istream& in, Hand& hand) {
  for (int k = 1; k <= HAND_SLOTS; ++k)
    if (!(in >> hand[k])) return false;
  return true;
}

// Format: per position the word "board" and 81 codes row by row (row 1 first,
// column 1 first in a row), "warp" and 81 codes, "com_hand" and 7 counts,
// "man_hand" and 7 counts. '#' starts a comment.
inline std::vector<Position> load_suite(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  for (std::string line; std::getline(file, line);) {
    const auto hash = line.find('#');
    text << (hash == std::string::npos ? line : line.substr(0, hash)) << '\n';
  }
  std::vector<Position> out;
  std::string word;
  while (text >> word) {
    if (word != "board") break;
    Position p;
    if (!read_grid(text, p.board) || !(text >> word) || word != "warp" ||
        !read_grid(text, p.warp) || !(text >> word) || word != "com_hand" ||
        !read_hand(text, p.com_hand) || !(text >> word) || word != "man_hand" ||
        !read_hand(text, p.man_hand))
      break;
    out.push_back(p);
  }
  return out;
}

inline void write_position(std::ostream& out, const Position& p, int number) {
  auto grid = [&](const char* name, const Grid& g) {
    out << name << '\n';
    for (int y = 1; y <= BAN_SIZE; ++y) {
      for (int x = 1; x <= BAN_SIZE; ++x) out << (x > 1 ? " " : "") << g[x][y];
      out << '\n';
    }
  };
  auto hand = [&](const char* name, const Hand& h) {
    out << name;
    for (int k = 1; k <= HAND_SLOTS; ++k) out << ' ' << h[k];
    out << '\n';
  };
  out << "# position " << number << '\n';
  grid("board", p.board);
  grid("warp", p.warp);
  hand("com_hand", p.com_hand);
  hand("man_hand", p.man_hand);
}

inline constexpr int SUITE_SIZE = 60;
inline constexpr unsigned long long SUITE_SEED = 0x5eed5eedull;

// The computer to move on position p at the given level, with every map and
// scratch value in a fixed state, as after the human's move.
inline void set_up(Game& g, const Position& p, int level) {
  auto& s = g.st;
  static_cast<EngineMaps&>(s) = EngineMaps{};
  static_cast<SearchState&>(s) = SearchState{};
  s.board = p.board;
  s.warp_map = p.warp;
  s.com_hand = p.com_hand;
  s.man_hand = p.man_hand;
  recount_hand_totals(s);
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      if (s.board[x][y] == SITA_OU) s.man_king_x = x, s.man_king_y = y;
      if (s.board[x][y] == UE_OU) s.com_king_x = x, s.com_king_y = y;
    }
  s.man_side = GOTE;
  s.com_side = SENTE;
  s.turn = s.com_side;
  s.winner = 0;
  s.game_mode = MODE_COM;
  s.com_level = level;
  s.promoted_code = 0;
  勢力調査(s);
}

inline void mix(std::uint64_t& h, std::int64_t v) {
  for (int i = 0; i < 8; ++i) {
    h ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xffu;
    h *= 1099511628211ull;
  }
}

inline std::uint64_t hash_move(std::uint64_t h, int level, const ComMove& m) {
  mix(h, level);
  mix(h, m.found ? 1 : 0);
  mix(h, m.sx);
  mix(h, m.sy);
  mix(h, m.dx);
  mix(h, m.dy);
  mix(h, m.result);
  mix(h, m.source);
  return h;
}

constexpr std::uint64_t HASH_SEED = 14695981039346656037ull;

// Every position at levels 1, 2 and 3, the chosen moves hashed in that order.
inline std::uint64_t suite_hash(const std::vector<Position>& suite) {
  auto q = std::make_unique<QuietGame>();
  std::uint64_t h = HASH_SEED;
  for (const auto& p : suite)
    for (int level = 1; level <= 3; ++level) {
      set_up(q->g(), p, level);
      h = hash_move(h, level, com_search(q->g().st));
    }
  return h;
}

// ---- Generation by random play (run once; the result is stored in the repo).

struct RandomMove {
  int sx, sy, dx, dy, piece;
};

// Every allowed move and drop of `side` (+1 the upper side, -1 the lower side).
inline int list_moves(const BoardState& s, int side, std::vector<RandomMove>& out) {
  out.clear();
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int c = s.board[x][y];
      if (side > 0 ? c < UE_MIN : c > SITA_MAX) continue;
      for (int x2 = 1; x2 <= BAN_SIZE; ++x2)
        for (int y2 = 1; y2 <= BAN_SIZE; ++y2)
          if (移動チェック(s, x, y, x2, y2, c) == YES) out.push_back({x, y, x2, y2, c});
    }
  const Hand& hand = side > 0 ? s.com_hand : s.man_hand;
  for (int k = 1; k <= HAND_SLOTS; ++k) {
    if (hand[k] <= 0) continue;
    const int code = side * SLOT_CODE[k];
    const int hx = side > 0 ? COM_HAND_X : MAN_HAND_X;
    const int hy = side > 0 ? k : k + MAN_HAND_ROW_OFFSET;
    for (int x2 = 1; x2 <= BAN_SIZE; ++x2)
      for (int y2 = 1; y2 <= BAN_SIZE; ++y2)
        if (移動チェック(s, hx, hy, x2, y2, code) == YES) out.push_back({hx, hy, x2, y2, code});
  }
  return static_cast<int>(out.size());
}

inline bool both_kings(const BoardState& s) {
  bool man = false, com = false;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      man = man || s.board[x][y] == SITA_OU;
      com = com || s.board[x][y] == UE_OU;
    }
  return man && com;
}

// One random game from the starting position, stopped with the upper side to
// move after `plies` moves. Captures are preferred now and then so that the
// hands fill; moves that would take a king are not played.
inline bool random_position(Game& g, int plies, Position& out) {
  auto& s = g.st;
  初期設定(g);
  std::vector<RandomMove> moves;
  for (int ply = 0; ply < plies; ++ply) {
    const int side = ply % 2 == 0 ? SENTE : GOTE;
    const int n = list_moves(s, side, moves);
    if (n == 0) return false;
    bool done = false;
    for (int attempt = 0; attempt < 64 && !done; ++attempt) {
      int i = static_cast<int>(g.io.random->next() * n);
      if (g.io.random->next() < 0.4) {
        for (int j = 0; j < n; ++j) {
          const auto& m = moves[(i + j) % n];
          if (m.sx >= 1 && m.sx <= BAN_SIZE && s.board[m.dx][m.dy] != EMPTY) {
            i = (i + j) % n;
            break;
          }
        }
      }
      const RandomMove m = moves[i];
      const Grid board = s.board, warp = s.warp_map;
      const Hand ch = s.com_hand, mh = s.man_hand;
      int piece = m.piece;
      if (調査_駒成(s, m.sx, m.sy, m.dx, m.dy, piece) == YES &&
          (移動後チェック(m.dy, piece) == NO || g.io.random->next() < 0.6))
        piece = s.promoted_code;
      駒移動_仮(s, m.sx, m.sy, m.dx, m.dy, piece);
      const int w = s.warp_map[m.dx][m.dy];
      if (w != 0) 駒移動_IRVU_仮(s, m.dx, m.dy, piece);
      if (!both_kings(s)) {
        s.board = board;
        s.warp_map = warp;
        s.com_hand = ch;
        s.man_hand = mh;
        continue;
      }
      if (w != 0) IRVU_設定(g, w);
      done = true;
    }
    if (!done) return false;
  }
  recount_hand_totals(s);
  s.winner = 0;
  out.board = s.board;
  out.warp = s.warp_map;
  out.com_hand = s.com_hand;
  out.man_hand = s.man_hand;
  return true;
}

inline std::vector<Position> generate_suite(int count, unsigned long long seed) {
  auto q = std::make_unique<QuietGame>();
  q->random.x = seed;
  std::vector<Position> out;
  while (static_cast<int>(out.size()) < count) {
    // Even ply counts leave the upper side (the computer) to move.
    const int plies = 2 * (4 + static_cast<int>(q->random.next() * 60));
    q->clock.sleep(1.7);  // the warp placement reads the time of day
    Position p;
    if (random_position(q->g(), plies, p)) out.push_back(p);
  }
  return out;
}

// Writes a suite to `path`; the header comment says how it was made.
inline bool write_suite(const std::string& path, const std::vector<Position>& positions) {
  std::ofstream out(path);
  out << "# Positions for the computer's search bench: the upper side (the computer)\n"
         "# to move, from random games with warps and drops.\n";
  int n = 0;
  for (const auto& p : positions) write_position(out, p, ++n);
  return static_cast<bool>(out);
}

}  // namespace zv::bench
