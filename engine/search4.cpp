// The main search: iterative deepening, principal-variation alpha-beta with a
// transposition table, check extension, null move, late-move reductions and
// a quiescence search on captures (warp captures included).
#include "engine/search4.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "engine/search4_eval.h"
#include "engine/search4_order.h"
#include "engine/search4_tables.h"

namespace zv::s4 {

namespace {

enum Bound : std::uint8_t { BOUND_NONE, BOUND_UPPER, BOUND_LOWER, BOUND_EXACT };

constexpr int NULL_MOVE_REDUCTION = 2;
constexpr int NULL_MOVE_MIN_DEPTH = 3;
constexpr int FUTILITY_MARGIN = 250;  // at depth 1, quiet moves this far below alpha are skipped
constexpr int DELTA_MARGIN = 200;     // quiescence: captures that cannot reach alpha
constexpr int QUIESCE_EVASION_PLIES = 2;  // in check this deep into quiescence: every move
constexpr int LMR_MIN_DEPTH = 3;
constexpr int LMR_FIRST_MOVE = 3;  // moves before this index are never reduced
constexpr int LMR_DEEP_MOVE = 12;
constexpr int CHECK_NODES = 1023;     // the clock is read every this many nodes + 1
constexpr int CHECK_MATE_NODES = 31;  // a mate-search node costs a whole move list
// A new iteration is not begun once this share of the time is spent: it
// would most likely not finish.
constexpr double ITERATION_START_SHARE = 0.45;
constexpr double MATE_SEARCH_SHARE = 0.15;  // of the time or node budget
constexpr std::int64_t MATE_SEARCH_NODES_UNLIMITED = 200000;
constexpr int MATE_SEARCH_MOVES = 3;
constexpr int HISTORY_MAX_SCORE = 1 << 14;
// A repetition is a draw; the searcher would rather play on than take it.
constexpr int CONTEMPT = 60;

inline int score_to_tt(int score, int ply) {
  if (score > MATE_BOUND) return score + ply;
  if (score < -MATE_BOUND) return score - ply;
  return score;
}
inline int score_from_tt(int score, int ply) {
  if (score > MATE_BOUND) return score - ply;
  if (score < -MATE_BOUND) return score + ply;
  return score;
}

}  // namespace

double wall_seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

Searcher::Searcher(int tt_bits)
    : tt_(std::size_t{1} << tt_bits),
      tt_mask_((std::uint64_t{1} << tt_bits) - 1),
      frames_(MAX_PLY + 1),
      history_(2 * (NSQ + HAND_SLOTS) * NSQ) {}

void Searcher::set_game_history(const std::vector<std::uint64_t>& keys) {
  game_keys_ = keys;
}

bool Searcher::out_of_budget() {
  if (aborted_) return true;
  if (node_budget_ > 0 && nodes_ >= node_budget_) aborted_ = true;
  if ((nodes_ & check_mask_) == 0) {
    if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) aborted_ = true;
    if (deadline_ > 0 && wall_seconds() >= deadline_) aborted_ = true;
  }
  return aborted_;
}

bool Searcher::repetition(int ply) const {
  const std::uint64_t key = path_keys_[ply];
  for (int j = ply - 4; j >= 0; j -= 2)
    if (path_keys_[j] == key) return true;
  for (std::uint64_t k : game_keys_)
    if (k == key) return true;
  return false;
}

const Searcher::Entry* Searcher::tt_probe() const {
  const Entry& e = tt_[pos_.key & tt_mask_];
  return e.key == pos_.key && e.bound != BOUND_NONE ? &e : nullptr;
}

void Searcher::tt_store(int depth, int score, int bound, Move m, int ply) {
  Entry& e = tt_[pos_.key & tt_mask_];
  if (e.key == pos_.key && e.depth > depth && bound != BOUND_EXACT) return;
  if (m == 0 && e.key == pos_.key) m = e.move;
  e = Entry{pos_.key, m, static_cast<std::int16_t>(score_to_tt(score, ply)),
            static_cast<std::int8_t>(depth), static_cast<std::uint8_t>(bound)};
}

void Searcher::order(int ply, Move tt_move) {
  Frame& f = frames_[ply];
  const int* hist = &history_[pos_.side * (NSQ + HAND_SLOTS) * NSQ];
  for (int i = 0; i < f.moves.size; ++i) {
    const Move m = f.moves.moves[i];
    int s;
    if (m == tt_move) {
      s = ORDER_TT;
    } else if (dominated(pos_, m)) {
      s = ORDER_SKIP;
    } else {
      s = order_score(pos_, m);
      if (s < ORDER_QUIET_CEILING) {
        if (m == killers_[ply][0])
          s = ORDER_KILLER1;
        else if (m == killers_[ply][1])
          s = ORDER_KILLER2;
        else
          s += hist[move_from(m) * NSQ + move_to(m)];
      }
    }
    f.scores[i] = s;
  }
}

Move Searcher::pick(int ply, int i) {
  Frame& f = frames_[ply];
  int best = i;
  for (int j = i + 1; j < f.moves.size; ++j)
    if (f.scores[j] > f.scores[best]) best = j;
  std::swap(f.moves.moves[i], f.moves.moves[best]);
  std::swap(f.scores[i], f.scores[best]);
  return f.scores[i] == ORDER_SKIP ? 0 : f.moves.moves[i];
}

int Searcher::quiesce(int alpha, int beta, int ply, int qply) {
  ++nodes_;
  if (out_of_budget()) return 0;
  const int us = pos_.side;
  if (king_capturable(pos_, us)) return MATE - ply;
  if (ply >= MAX_PLY) return evaluate(pos_);
  const bool in_check = king_capturable(pos_, 1 - us);
  const bool evasions = in_check && qply < QUIESCE_EVASION_PLIES;
  int best = -INF, stand = -INF;
  Frame& f = frames_[ply];
  if (evasions) {
    generate_moves(pos_, f.moves);
  } else {
    stand = evaluate(pos_);
    if (stand >= beta) return stand;
    if (stand > alpha) alpha = stand;
    best = stand;
    generate_captures(pos_, f.moves);
  }
  order(ply, 0);
  for (int i = 0; i < f.moves.size; ++i) {
    const Move m = pick(ply, i);
    if (m == 0) break;
    if (!evasions && stand + capture_gain(pos_, m) + DELTA_MARGIN <= alpha) continue;
    pos_.make(m, undo_[ply]);
    int score;
    if (pos_.winner != -1) {
      score = pos_.winner == us ? MATE - ply - 1 : -(MATE - ply - 1);
    } else {
      path_keys_[ply + 1] = pos_.key;
      score = -quiesce(-beta, -alpha, ply + 1, qply + 1);
    }
    pos_.unmake(undo_[ply]);
    if (aborted_) return 0;
    if (score > best) {
      best = score;
      if (score > alpha) {
        alpha = score;
        if (score >= beta) break;
      }
    }
  }
  if (best == -INF) return -(MATE - ply);  // no move at all: the game is lost
  return best;
}

int Searcher::alphabeta(int depth, int alpha, int beta, int ply, bool null_ok) {
  ++nodes_;
  if (out_of_budget()) return 0;
  const int us = pos_.side;
  if (king_capturable(pos_, us)) return MATE - ply;
  if (repetition(ply)) return pos_.side == root_side_ ? -CONTEMPT : CONTEMPT;
  if (depth <= 0) return quiesce(alpha, beta, ply, 0);
  if (ply >= MAX_PLY) return evaluate(pos_);

  const bool pv = beta - alpha > 1;
  Move tt_move = 0;
  if (const Entry* e = tt_probe()) {
    tt_move = e->move;
    const int s = score_from_tt(e->score, ply);
    if (!pv && e->depth >= depth &&
        (e->bound == BOUND_EXACT || (e->bound == BOUND_LOWER && s >= beta) ||
         (e->bound == BOUND_UPPER && s <= alpha)))
      return s;
  }

  const bool in_check = king_capturable(pos_, 1 - us);
  const int static_eval = in_check ? -INF : evaluate(pos_);

  if (!pv && !in_check && null_ok && depth >= NULL_MOVE_MIN_DEPTH && static_eval >= beta) {
    // Passing is no move of the game; it only asks whether the position is
    // so good that even doing nothing holds.
    pos_.side = 1 - us;
    pos_.key ^= ZOBRIST.side;
    path_keys_[ply + 1] = pos_.key;
    const int score = -alphabeta(depth - 1 - NULL_MOVE_REDUCTION, -beta, -beta + 1, ply + 1, false);
    pos_.side = us;
    pos_.key ^= ZOBRIST.side;
    if (aborted_) return 0;
    if (score >= beta && score < MATE_BOUND) return score;
  }

  Frame& f = frames_[ply];
  generate_moves(pos_, f.moves);
  order(ply, tt_move);
  const int alpha_at_start = alpha;
  int best = -INF;
  Move best_move = 0;
  int searched = 0;
  for (int i = 0; i < f.moves.size; ++i) {
    const Move m = pick(ply, i);
    if (m == 0) break;
    const bool tactical = f.scores[i] >= ORDER_QUIET_CEILING;
    const bool quiet = !tactical && f.scores[i] != ORDER_TT;
    if (depth == 1 && quiet && !in_check && searched > 0 &&
        static_eval + FUTILITY_MARGIN <= alpha && !direct_check(pos_, m))
      continue;
    pos_.make(m, undo_[ply]);
    int score;
    if (pos_.winner != -1) {
      score = pos_.winner == us ? MATE - ply - 1 : -(MATE - ply - 1);
    } else {
      path_keys_[ply + 1] = pos_.key;
      const bool check = king_capturable(pos_, us);
      const int ext = check && ply < 2 * depth + 4 ? 1 : 0;
      const int next = depth - 1 + ext;
      if (searched == 0) {
        score = -alphabeta(next, -beta, -alpha, ply + 1, true);
      } else {
        int r = 0;
        if (quiet && !check && !in_check && depth >= LMR_MIN_DEPTH && searched >= LMR_FIRST_MOVE)
          r = searched >= LMR_DEEP_MOVE && depth >= 5 ? 2 : 1;
        score = -alphabeta(next - r, -alpha - 1, -alpha, ply + 1, true);
        if (r > 0 && score > alpha && !aborted_)
          score = -alphabeta(next, -alpha - 1, -alpha, ply + 1, true);
        if (score > alpha && score < beta && !aborted_)
          score = -alphabeta(next, -beta, -alpha, ply + 1, true);
      }
    }
    pos_.unmake(undo_[ply]);
    if (aborted_) return 0;
    ++searched;
    if (score > best) {
      best = score;
      best_move = m;
      if (score > alpha) {
        alpha = score;
        if (score >= beta) {
          if (quiet) {
            if (killers_[ply][0] != m) {
              killers_[ply][1] = killers_[ply][0];
              killers_[ply][0] = m;
            }
            int& h = history_[(us * (NSQ + HAND_SLOTS) + move_from(m)) * NSQ + move_to(m)];
            h = std::min(h + depth * depth, HISTORY_MAX_SCORE);
          }
          break;
        }
      }
    }
  }
  if (searched == 0) {
    // Every move was pruned as futile: the position stands as it is; with no
    // move at all the game is lost.
    if (f.moves.size > 0 && static_eval > -INF) return static_eval;
    return -(MATE - ply);
  }
  const int bound =
      best >= beta ? BOUND_LOWER : (best > alpha_at_start ? BOUND_EXACT : BOUND_UPPER);
  tt_store(depth, best, bound, best_move, ply);
  return best;
}

int Searcher::root_search(int depth, int alpha, int beta, Move& best_move) {
  Frame& f = frames_[0];
  const int us = pos_.side;
  int best = -INF;
  for (int i = 0; i < f.moves.size; ++i) {
    const Move m = f.moves.moves[i];
    pos_.make(m, undo_[0]);
    int score;
    if (pos_.winner != -1) {
      score = pos_.winner == us ? MATE - 1 : -(MATE - 1);
    } else {
      path_keys_[1] = pos_.key;
      const int ext = king_capturable(pos_, us) ? 1 : 0;
      if (i == 0) {
        score = -alphabeta(depth - 1 + ext, -beta, -alpha, 1, true);
      } else {
        score = -alphabeta(depth - 1 + ext, -alpha - 1, -alpha, 1, true);
        if (score > alpha && score < beta && !aborted_)
          score = -alphabeta(depth - 1 + ext, -beta, -alpha, 1, true);
      }
    }
    pos_.unmake(undo_[0]);
    if (aborted_) break;
    f.scores[i] = score;
    if (score > best) {
      best = score;
      best_move = m;
      if (score > alpha) alpha = score;
    }
  }
  return best;
}

Result Searcher::search(const Position& root, const Limits& limits, const std::atomic<bool>* stop) {
  const double started = wall_seconds();
  pos_ = root;
  root_side_ = root.side;
  stop_ = stop;
  nodes_ = 0;
  aborted_ = false;
  deadline_ = limits.time_ms > 0 ? started + limits.time_ms / 1000.0 : 0;
  std::memset(tt_.data(), 0, tt_.size() * sizeof(Entry));
  std::memset(killers_, 0, sizeof killers_);
  std::fill(history_.begin(), history_.end(), 0);
  path_keys_[0] = pos_.key;

  Result r;
  auto finish = [&](Move m, int score) {
    r.move = m;
    r.score = score;
    r.nodes = nodes_;
    r.seconds = wall_seconds() - started;
    return r;
  };

  Frame& f = frames_[0];
  generate_moves(pos_, f.moves);
  int n = 0;
  for (int i = 0; i < f.moves.size; ++i)
    if (!dominated(pos_, f.moves.moves[i])) f.moves.moves[n++] = f.moves.moves[i];
  f.moves.size = n;
  if (n == 0) return finish(0, -MATE);

  // Taking the king ends the game: nothing to think about.
  for (int i = 0; i < n; ++i) {
    const Move m = f.moves.moves[i];
    pos_.make(m, undo_[0]);
    const bool won = pos_.winner == root.side;
    pos_.unmake(undo_[0]);
    if (won) return finish(m, MATE - 1);
  }

  // A short mate search with a share of the budget.
  {
    const std::int64_t saved_budget = node_budget_ = limits.nodes;
    const double saved_deadline = deadline_;
    if (limits.nodes > 0)
      node_budget_ = static_cast<std::int64_t>(limits.nodes * MATE_SEARCH_SHARE);
    else if (limits.time_ms <= 0)
      node_budget_ = MATE_SEARCH_NODES_UNLIMITED;
    if (limits.time_ms > 0) deadline_ = started + limits.time_ms * MATE_SEARCH_SHARE / 1000.0;
    check_mask_ = CHECK_MATE_NODES;
    int mate_moves = 0;
    const Move mate = find_mate(MATE_SEARCH_MOVES, &mate_moves);
    check_mask_ = CHECK_NODES;
    node_budget_ = saved_budget;
    deadline_ = saved_deadline;
    const bool stopped = stop != nullptr && stop->load();
    aborted_ = stopped;
    if (mate != 0) {
      r.mate_found = true;
      return finish(mate, MATE - (2 * mate_moves - 1));
    }
    if (stopped) return finish(f.moves.moves[0], 0);
  }

  // Order the root once by the quick scores; later iterations by their results.
  order(0, 0);
  for (int i = 0; i < n; ++i) pick(0, i);
  Move best = f.moves.moves[0];
  int best_score = 0;
  const int max_depth = limits.depth > 0 ? std::min(limits.depth, MAX_DEPTH) : MAX_DEPTH;
  for (int depth = 1; depth <= max_depth; ++depth) {
    Move iter_best = 0;
    const int score = root_search(depth, -INF, INF, iter_best);
    if (iter_best != 0 && (!aborted_ || score > -INF)) {
      best = iter_best;
      best_score = score;
    }
    if (aborted_) break;
    r.depth = depth;
    // Best first, the others by their scores.
    for (int i = 0; i < n; ++i)
      if (f.moves.moves[i] == best) f.scores[i] = INF;
    for (int i = 0; i < n; ++i) pick(0, i);
    if (best_score > MATE_BOUND || best_score < -MATE_BOUND) break;
    if (limits.time_ms > 0 &&
        wall_seconds() - started > limits.time_ms * ITERATION_START_SHARE / 1000.0)
      break;
  }
  return finish(best, best_score);
}

}  // namespace zv::s4
