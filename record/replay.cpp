#include "model/moves.h"
#include "model/setup.h"
#include "record/history_detail.h"
#include "record/record.h"
#include "view/draw.h"

namespace zv {

void REPLAY_Click(Game& g) {
  auto& s = g.st;
  hide_file_panel(g);
  s.clock_pending = 1;
  // Entry m - 1 must be one this game wrote (the index never passes 501).
  if (s.history_index < 1 || s.history_index > HISTORY_MAX + 1) {
    g.io.sound->play(SoundId::Forbidden);
    g.io.dialogs->show("できません", "戻る", Buttons::Ok);
    return;
  }
  s.piece_selected = 0;
  s.timer1_enabled = false;
  s.winner = 0;
  描画_将棋盤桝(g);
  消去_思考中(g);

  const int m = s.history_index;
  // The move that led to position m, found as 調査_移動結果 finds it but
  // against the board itself: the newest position is not in the history.
  const int moved = detail::moved_piece(s.hist_board[m - 1], s.board);
  detail::show_entry(g, m - 1);

  g.io.sound->play(SoundId::Piece);
  消去_移動結果(g, moved > 0 ? s.com_side : s.man_side);

  s.history_index = m - 1;
  s.move_number -= 1;
  s.turn = -s.turn;
  描画_手数(g, s.move_number, COL_WHITE);
  描画_最終手(g);
}

void REVERSE_Click(Game& g) {
  auto& s = g.st;
  if (s.kifu_mode == 1) {
    g.io.sound->play(SoundId::Forbidden);
    g.io.dialogs->show("棋譜ﾓｰﾄﾞではできません", "反転", Buttons::Ok);
    return;
  }
  s.reversed_once = 1;
  s.piece_selected = 0;
  const Grid before = s.board;
  for (int x = 1; x <= BAN_SIZE; ++x)
    for (int y = 1; y <= BAN_SIZE; ++y) {
      const int v = before[x][y];
      s.board[BAN_SIZE + 1 - x][BAN_SIZE + 1 - y] = (v <= SITA_MAX || v >= UE_MIN) ? -v : v;
    }
  for (int j = 1; j <= HAND_SLOTS; ++j) std::swap(s.man_hand[j], s.com_hand[j]);
  recount_hand_totals(s);
  locate_kings(s);
  画面_再描画(g);
  描画_手数(g, s.move_number, COL_WHITE);
  if (s.handicap_set == 1) {
    s.handicap_level = -s.handicap_level;
    描画_ハンデレベル(g, s.handicap_level);
  }
  g.io.sound->play(SoundId::Piece);
  s.turn = -s.turn;
  s.history_index = 0;
  s.history_last = 0;
  s.history_filled = 0;
}

}  // namespace zv
