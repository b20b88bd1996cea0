// The computer's turn around its search: the thinking label, the chosen move
// played with history, blinks, sound and warp, then check and mate messages
// and the clock handed back to the human.
#include "engine/engine.h"
#include "model/setup.h"
#include "play/play.h"
#include "play/visible_moves.h"
#include "record/record.h"
#include "view/draw.h"
#include "view/paint.h"

namespace zv {

namespace {

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

// False when the history had no room (the turn checks that before it thinks).
bool play_move(Game& g, const ComMove& m) {
  auto& s = g.st;
  const bool drop = m.sx == COM_HAND_X;
  if (!手順保存(s, m.dx, m.dy,
                {s.man_total_seconds, s.man_total_seconds, s.com_total_seconds,
                 s.turn_seconds + s.com_total_seconds}))
    return false;
  s.hist_piece[s.history_index] = m.result;
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
  keep_newest_position(s);
  描画_最終手(g);
  s.timer1_enabled = false;
  勢力調査(s);
  return true;
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

  paint::refresh(g);
  ComMove m;
  if (s.com_level == COM_LEVEL_SEARCH) {
    if (!level4_move(g, UE_SIGN, m)) return;  // the program is ending
  } else {
    m = com_search(s, [&g] { Timer1_Timer(g); });
  }
  if (!m.found) {
    resign(g);
    return;
  }
  if (play_move(g, m)) end_turn(g, m);
}

}  // namespace zv
