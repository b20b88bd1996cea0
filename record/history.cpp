#include <algorithm>

#include "model/moves.h"
#include "model/setup.h"
#include "record/history_detail.h"
#include "record/record.h"
#include "view/draw.h"

namespace zv {

namespace detail {

int last_replayable(const GameState& s) {
  return std::min({s.history_last, s.history_filled - 1, HISTORY_MAX});
}

int moved_piece(const Grid& before, const Grid& after) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y)
      if (before[x][y] != after[x][y] && after[x][y] != EMPTY) return after[x][y];
  return EMPTY;
}

void restore_entry(GameState& s, int k) {
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      s.board[x][y] = s.hist_board[k][x][y];
      s.warp_map[x][y] = s.hist_warp[k][x][y];
    }
  for (int j = 1; j <= HAND_SLOTS; ++j) {
    s.man_hand[j] = s.hist_man_hand[k][j];
    s.com_hand[j] = s.hist_com_hand[k][j];
  }
  s.com_hand_total = 調査_持駒数(s, s.com_side);
  s.man_hand_total = 調査_持駒数(s, s.man_side);
  locate_kings(s);
}

void show_entry(Game& g, int k) {
  auto& s = g.st;
  restore_entry(s, k);
  s.com_total_seconds = s.hist_time[k][HistTime::前秒C];
  s.man_total_seconds = s.hist_time[k][HistTime::前秒M];
  描画_所有時間(g, s.com_side, s.com_total_seconds);
  描画_所有時間(g, s.man_side, s.man_total_seconds);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  描画_IRVU(g);
}

}  // namespace detail

// A move at the last entry would leave its position nowhere to be kept.
bool history_full(const GameState& s) {
  return s.history_index >= HISTORY_MAX || s.history_index < 0;
}

bool refuse_if_history_full(Game& g) {
  if (!history_full(g.st)) return false;
  g.io.sound->play(SoundId::Forbidden);
  g.io.dialogs->show(HISTORY_FULL_TEXT, HISTORY_FULL_TITLE, Buttons::Ok);
  return true;
}

bool 手順保存(GameState& s, int 先X, int 先Y, const HistTimes& times) {
  if (history_full(s)) return false;
  const int k = s.history_index;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      s.hist_board[k][x][y] = s.board[x][y];
      s.hist_warp[k][x][y] = s.warp_map[x][y];
    }
  for (int j = 1; j <= HAND_SLOTS; ++j) {
    s.hist_man_hand[k][j] = s.man_hand[j];
    s.hist_com_hand[k][j] = s.com_hand[j];
  }
  s.hist_dest_x[k] = 先X;
  s.hist_dest_y[k] = 先Y;
  s.hist_time[k] = times;
  s.history_last = k;
  s.history_filled = k + 1;
  return true;
}

void keep_newest_position(GameState& s) {
  const int k = s.history_index;
  if (k < 0 || k > HISTORY_MAX) return;
  s.hist_board[k] = s.board;
  s.hist_warp[k] = s.warp_map;
  for (int j = 1; j <= HAND_SLOTS; ++j) {
    s.hist_man_hand[k][j] = s.man_hand[j];
    s.hist_com_hand[k][j] = s.com_hand[j];
  }
  // No move has followed yet: both sides' totals stand as they are now.
  s.hist_time[k] = {s.man_total_seconds, s.man_total_seconds, s.com_total_seconds,
                    s.com_total_seconds};
  s.hist_dest_x[k] = 0;
  s.hist_dest_y[k] = 0;
  s.hist_piece[k] = EMPTY;
  s.history_last = k;
  s.history_filled = k + 1;
}

int 調査_持駒数(const GameState& s, int side) {
  const Hand* hand = side == s.man_side ? &s.man_hand : side == s.com_side ? &s.com_hand : nullptr;
  if (!hand) return 0;
  int n = 0;
  for (int j = 1; j <= HAND_SLOTS; ++j)
    if ((*hand)[j] > 0) n += (*hand)[j];
  return n;
}

void AFTER_Click(Game& g) {
  auto& s = g.st;
  hide_file_panel(g);
  if (s.turn == NO_TURN) {
    g.io.sound->play(SoundId::Forbidden);
    g.io.dialogs->show("「対局」で始めて下さい", "開始", Buttons::Ok);
    return;
  }
  s.clock_pending = 1;
  if (s.history_index >= detail::last_replayable(s)) {
    if (s.kifu_mode == 1) {
      g.io.dialogs->show("終わり", "進む", Buttons::Ok);
    } else {
      g.io.sound->play(SoundId::Forbidden);
      g.io.dialogs->show("できません", "進む", Buttons::Ok);
    }
    return;
  }
  消去_思考中(g);
  s.piece_selected = 0;
  s.timer1_enabled = false;
  描画_将棋盤桝(g);
  s.history_index += 1;
  s.move_number += 1;
  描画_手数(g, s.move_number, COL_WHITE);

  const int k = s.history_index;
  detail::show_entry(g, k);

  // The move is named as it was when played: the square chosen, even when the
  // piece then warped on.
  const int x = s.hist_dest_x[k - 1], y = s.hist_dest_y[k - 1], code = s.hist_piece[k - 1];
  g.io.sound->play(SoundId::Piece);
  if (code != EMPTY) 描画_移動結果(g, code > 0 ? s.com_side : s.man_side, x, y, code, COL_WHITE);
  s.turn = -s.turn;
  描画_手数(g, s.move_number, COL_WHITE);
  描画_最終手(g);
}

void CANCEL_Click(Game& g) {
  初期設定(g);
  画面_再描画(g);
  BGM_切替(g, g.st.game_mode);
}

}  // namespace zv
