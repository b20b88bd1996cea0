// The computer's turn: a one-move-deep exhaustive search over every allowed
// board move and drop, then the chosen move played with history, drawing,
// sound and warp.
#include <algorithm>
#include <cstdlib>

#include "engine/engine.h"
#include "engine/eval.h"
#include "model/moves.h"
#include "model/rules.h"
#include "model/setup.h"
#include "play/play.h"
#include "record/record.h"
#include "view/draw.h"

namespace zv {

namespace {

constexpr double NO_SCORE = -99999;
constexpr double DROP_STOP_SCORE = 9998;

struct Search {
  Game& g;
  GameState& s;
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
    if (g.io.canvas) g.io.canvas->refresh();

    for (int X = 1; X <= BAN_SIZE; ++X) {
      Timer1_Timer(g);
      for (int Y = 1; Y <= BAN_SIZE; ++Y) {
        if (s.board[X][Y] < UE_MIN) continue;
        for (int X2 = 1; X2 <= BAN_SIZE; ++X2)
          for (int Y2 = 1; Y2 <= BAN_SIZE; ++Y2)
            if (移動チェック(s, X, Y, X2, Y2, s.board[X][Y]) == YES &&
                try_board_move(X, Y, X2, Y2))
              return;
      }
    }

    if (s.com_hand_total_at_start <= 0) return;
    for (int k = 1; k <= HAND_SLOTS; ++k) {
      Timer1_Timer(g);
      if (s.com_hand[k] <= 0) continue;
      for (int X2 = 1; X2 <= BAN_SIZE; ++X2)
        for (int Y2 = 1; Y2 <= BAN_SIZE; ++Y2)
          if (移動チェック(s, COM_HAND_X, k, X2, Y2, SLOT_CODE[k]) == YES && try_drop(k, X2, Y2))
            return;
    }
  }
};

// With nothing left to move the computer gives up the game.
void resign(Game& g) {
  auto& s = g.st;
  消去_思考中(g);
  s.timer1_enabled = false;
  勢力調査(s);
  g.io.dialogs->show("指せる手がありません。あなたの勝ちです", "終了", Buttons::Ok);
  s.winner = s.man_side;
  s.turn = s.man_side;
  s.game_mode = MODE_NONE;
  BGM_切替(g, s.game_mode);
}

void play_move(Game& g, const ComMove& m) {
  auto& s = g.st;
  const bool drop = m.sx == COM_HAND_X;
  手順保存(g, m.sx, m.sy, m.dx, m.dy, m.source, m.result, s.man_total_seconds,
           s.man_total_seconds, s.com_total_seconds, s.turn_seconds + s.com_total_seconds);
  s.hist_piece[s.history_index] = m.result;  // room was checked when the turn began
  s.move_number += 1;
  描画_手数(g, s.move_number, COL_WHITE);
  if (drop)
    描画_駒点滅(g, m.result, COM_HAND_X, COM_HAND_ROW_BASE - m.sy, 2);
  else
    描画_駒点滅(g, m.source, m.sx, m.sy, 2);
  駒移動(g, m.sx, m.sy, m.dx, m.dy, m.result);
  消去_思考中(g);
  待ち時間(g, 0.5);
  g.io.sound->play(SoundId::Piece);
  s.history_index += 1;
  const int w = s.warp_map[m.dx][m.dy];
  if (w != 0) {
    駒移動_IRVU(g, m.dx, m.dy, m.result);
    IRVU_設定(g, w);
    描画_IRVU(g);
  }
  s.timer1_enabled = false;
  勢力調査(s);
}

void end_turn(Game& g, const ComMove& m) {
  auto& s = g.st;
  if (s.winner == s.com_side) {
    消去_移動結果(g, s.com_side);
    g.io.dialogs->show("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了", Buttons::Ok);
    s.turn = s.man_side;
    s.game_mode = MODE_NONE;
    BGM_切替(g, s.game_mode);
    return;
  }
  if (詰めかMAN(s) == 1)
    g.io.dialogs->show("よし！!", "詰め ?", Buttons::Ok);
  else if (s.com_influence[s.man_king_x][s.man_king_y] > 0)
    g.io.dialogs->show("   ** 王手 **", "", Buttons::Ok);
  描画_移動結果(g, s.com_side, m.dx, m.dy, m.result, COL_WHITE);
  描画_桝輪郭(g, COL_WHITE, m.dx, m.dy);
  s.com_total_seconds += s.turn_seconds;
  s.turn_start_time = g.io.clock->now();
  s.turn = s.man_side;
  if (s.checked[M_KEIKA]) s.timer1_enabled = true;
}

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

ComMove com_search(Game& g) {
  Search search{g, g.st};
  search.run();
  return search.best;
}

void com_ban(Game& g) {
  auto& s = g.st;
  if (s.winner != 0) return;
  // A move the history cannot hold could never be taken back: do not play it.
  if (refuse_if_history_full(g)) return;
  s.turn_start_time = g.io.clock->now();
  if (s.checked[M_KEIKA]) s.timer1_enabled = true;
  消去_思考中(g);
  描画_数値(g, -1.5, 8.5, "思考中", COL_BLACK, 0, 12);
  描画_数値(g, -1.6, 8.4, "思考中", COL_WHITE, 0, 12);
  描画_桝輪郭(g, COL_WHITE, 1, 8);

  const ComMove m = com_search(g);
  if (!m.found) {
    resign(g);
    return;
  }
  play_move(g, m);
  end_turn(g, m);
}

}  // namespace zv
