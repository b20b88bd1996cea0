// The computer's search: one move deep and exhaustive over every allowed board
// move and drop, each position surveyed and scored.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "engine/engine.h"
#include "engine/eval.h"
#include "model/allowed_moves.h"
#include "model/moves.h"
#include "model/rules.h"

namespace zv {

namespace {

constexpr double NO_SCORE = -99999;
constexpr double DROP_STOP_SCORE = 9998;

struct Search {
  GameState& s;
  const std::function<void()>& each_column;
  Hand com_hand_copy{}, man_hand_copy{};
  ComMove best{};

  // Makes the trial move and its warp; (px, py) is where the piece then stands.
  void make(int sx, int sy, int dx, int dy, int piece, int& px, int& py) {
    駒移動_仮(s, sx, sy, dx, dy, piece);
    px = dx;
    py = dy;
    if (s.warp_map[dx][dy] != 0) {
      駒移動_IRVU_仮(s, dx, dy, piece);
      warp_partner(s, dx, dy, px, py);
    }
  }

  void undo() {
    s.board = s.board_backup;
    s.com_hand = com_hand_copy;
    s.man_hand = man_hand_copy;
  }

  double evaluate(int captured, int q, int sx, int sy, int dx, int dy) {
    勢力調査(s);
    ++s.evaluations;
    return 盤評価(s, captured, q, sx, sy, dx, dy);
  }

  void remember(double score, int sx, int sy, int dx, int dy, int result, int source) {
    s.best_score = score;
    best = ComMove{true, sx, sy, dx, dy, result, source, score};
  }

  // Returns true when the search must stop (the human's king was taken).
  bool try_board_move(int X, int Y, int X2, int Y2) {
    const int piece = s.board[X][Y];
    s.trial_source_piece = piece;
    s.mover_distance = std::max(std::abs(X - s.man_king_x), std::abs(Y - s.man_king_y));
    const int captured = s.board[X2][Y2];
    int px = 0, py = 0;
    make(X, Y, X2, Y2, piece, px, py);
    ++s.trial_moves;

    double score;
    int result = piece;
    if (調査_駒成(s, X, Y, X2, Y2, piece) == NO) {
      score = evaluate(captured, piece, X, Y, X2, Y2);
    } else {
      const int P = s.promoted_code;
      // The promoted piece stands where the move left it (after a warp, on the partner).
      if (移動後チェック(Y2, piece) == NO) {
        s.board[px][py] = P;
        score = evaluate(captured, P, X, Y, X2, Y2);
        result = P;
      } else {
        const double plain = evaluate(captured, piece, X, Y, X2, Y2);
        s.board[px][py] = P;
        const double promoted = evaluate(captured, P, X, Y, X2, Y2);
        const PromotionChoice c = choose_promotion(piece, P, plain, promoted);
        score = c.score;
        result = c.result;
      }
    }
    undo();
    if (score > s.best_score) {
      remember(score, X, Y, X2, Y2, result, piece);
      if (captured == SITA_OU) return true;
    }
    return false;
  }

  // Returns true when the search must stop (a drop reached a decisive score).
  bool try_drop(int k, int X2, int Y2) {
    const int piece = SLOT_CODE[k];
    s.trial_source_piece = piece;
    int px = 0, py = 0;
    make(COM_HAND_X, k, X2, Y2, piece, px, py);
    ++s.trial_moves;
    const double score = evaluate(EMPTY, piece, COM_HAND_X, k, X2, Y2);
    undo();
    if (score > s.best_score) {
      remember(score, COM_HAND_X, k, X2, Y2, piece, piece);
      if (s.best_score >= DROP_STOP_SCORE) return true;
    }
    return false;
  }

  void run() {
    s.best_score = NO_SCORE;
    s.trial_moves = 0;
    s.evaluations = 0;
    com_hand_copy = s.com_hand;
    man_hand_copy = s.man_hand;
    prepare_search(s);

    for (int X = 1; X <= BAN_SIZE; ++X) {
      if (each_column) each_column();
      for (int Y = 1; Y <= BAN_SIZE; ++Y) {
        if (s.board[X][Y] < UE_MIN) continue;
        if (for_each_destination(s, X, Y, s.board[X][Y],
                                 [&](int X2, int Y2) { return try_board_move(X, Y, X2, Y2); }))
          return;
      }
    }

    if (s.com_hand_total_at_start <= 0) return;
    for (int k = 1; k <= HAND_SLOTS; ++k) {
      if (each_column) each_column();
      if (s.com_hand[k] <= 0) continue;
      if (for_each_destination(s, COM_HAND_X, k, SLOT_CODE[k],
                               [&](int X2, int Y2) { return try_drop(k, X2, Y2); }))
        return;
    }
  }
};

}  // namespace

PromotionChoice choose_promotion(int piece, int promoted, double plain_score,
                                 double promoted_score) {
  PromotionChoice c{piece, plain_score};
  if (promoted_score > plain_score) c = {promoted, promoted_score};
  if (piece == UE_HU || piece == UE_KAKU || piece == UE_SYA) c.result = promoted;
  return c;
}

void prepare_search(GameState& s) {
  s.board_backup = s.board;
  s.king_escape_result = 調査_自王逃道(s);
  勢力調査(s);
  調査_持角狙座標(s);
  調査_移動不可駒(s);
  s.com_hand_total_at_start = s.com_hand_total;
  s.man_influence_before = s.man_influence;
  s.com_influence_before = s.com_influence;
  s.com_cheapest_attacker_x_before = s.com_cheapest_attacker_x;
  s.com_cheapest_attacker_y_before = s.com_cheapest_attacker_y;
}

ComMove com_search(GameState& s, const std::function<void()>& each_column) {
  Search search{s, each_column};
  search.run();
  return search.best;
}

}  // namespace zv
