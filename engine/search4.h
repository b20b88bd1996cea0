// The searching computer (level 4): alpha-beta with iterative deepening over
// its own compact position, a transposition table, quiescence on captures and
// a short mate search. It reads a copy of the game's board, hands and warp
// map and touches nothing else, so it may run on a worker thread.
#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/search4_position.h"
#include "model/search_state.h"
#include "model/state.h"

namespace zv::s4 {

inline constexpr int MATE = 30000;
inline constexpr int MATE_BOUND = MATE - 1000;  // scores beyond it announce a king capture
inline constexpr int INF = MATE + 1;
inline constexpr int MAX_PLY = 96;
inline constexpr int MAX_DEPTH = 48;
inline constexpr int DEFAULT_TIME_MS = 1000;
inline constexpr int DEFAULT_TT_BITS = 20;  // 16 MB

// When the search stops. Every limit given applies; 0 means none. A search
// with only nodes or depth is deterministic (scripted sessions and tests).
struct Limits {
  int time_ms = DEFAULT_TIME_MS;
  std::int64_t nodes = 0;
  int depth = 0;
};

struct Result {
  Move move = 0;  // 0 when the side to move has no move at all
  int score = 0;  // for the side to move
  int depth = 0;  // last depth searched to the end
  std::int64_t nodes = 0;
  double seconds = 0;
  bool mate_found = false;  // by the mate search before the main search
};

class Searcher {
 public:
  explicit Searcher(int tt_bits = DEFAULT_TT_BITS);
  // Positions seen before the root in the game (their keys), so the search
  // can see a repetition coming.
  void set_game_history(const std::vector<std::uint64_t>& keys);
  Result search(const Position& root, const Limits& limits,
                const std::atomic<bool>* stop = nullptr);
  // The first move of a mate in at most max_moves moves of the side to move
  // (every reply lets its king be taken), found within `nodes`; 0 when none.
  // moves_out: in how many moves.
  Move mate_search(const Position& root, int max_moves, std::int64_t nodes,
                   int* moves_out = nullptr);

 private:
  struct Entry {
    std::uint64_t key;
    Move move;
    std::int16_t score;
    std::int8_t depth;
    std::uint8_t bound;
  };
  struct Frame {
    MoveList moves;
    int scores[MAX_MOVES];
  };

  int alphabeta(int depth, int alpha, int beta, int ply, bool null_ok);
  int quiesce(int alpha, int beta, int ply, int qply);
  int root_search(int depth, int alpha, int beta, Move& best);
  bool mate_attack(int depth, int ply);
  bool mate_defend(int depth, int ply);
  Move find_mate(int max_moves, int* moves_out);
  void order(int ply, Move tt_move);
  Move pick(int ply, int i);
  bool out_of_budget();
  bool repetition(int ply) const;
  void tt_store(int depth, int score, int bound, Move m, int ply);
  const Entry* tt_probe() const;

  Position pos_{};
  std::vector<Entry> tt_;
  std::uint64_t tt_mask_ = 0;
  std::vector<Frame> frames_;
  Undo undo_[MAX_PLY + 1]{};
  std::uint64_t path_keys_[MAX_PLY + 1]{};
  std::vector<std::uint64_t> game_keys_;
  Move killers_[MAX_PLY + 1][2]{};
  std::vector<int> history_;  // [side][from][to]
  const std::atomic<bool>* stop_ = nullptr;
  std::int64_t nodes_ = 0, node_budget_ = 0;
  double deadline_ = 0, start_ = 0;
  bool aborted_ = false;
  Move mate_move_ = 0;
  int root_side_ = UPPER;
  std::int64_t check_mask_ = 1023;
};

// The searcher's move for the side with codes of sign side_code on the game's
// board, addressed as the game addresses moves (drops from column -1 and the
// hand slot for the positive side, column 11 and slot + 2 for the negative).
ComMove search4_move(Searcher& searcher, const BoardState& s, int side_code, const Limits& limits,
                     const std::atomic<bool>* stop = nullptr, Result* detail = nullptr);
// A move of the compact position in the game's terms.
ComMove to_com_move(const Position& p, Move m);

// Seconds on a steady clock, for time limits and measurements.
double wall_seconds();

}  // namespace zv::s4
