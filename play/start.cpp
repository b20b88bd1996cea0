#include "engine/engine.h"
#include "model/setup.h"
#include "play/play.h"
#include "record/record.h"
#include "view/draw.h"

namespace zv {

namespace {

// Waits before the first message of a game, so the board is seen first.
constexpr double START_PAUSE = 1.5;

void show(Game& g, const char* text, const char* title) {
  g.io.dialogs->show(text, title, Buttons::Ok);
}

// The level label sits in the three cells left of the top row.
void erase_level_label(Game& g) {
  for (int q = -2; q <= 0; ++q) 描画_絵(g, g.st.background, q, 0);
}

void start_against_computer_common(Game& g) {
  auto& s = g.st;
  if (s.winner != 0) {
    初期設定(g);
    画面_再描画(g);
  }
  描画_棋譜読込み部分消去(g);
  描画_レベル(g, s.com_level);
  描画_将棋盤桝(g);
}

// The lower side (the human against the computer) is 先手 and is to move.
void lower_side_moves_first(GameState& s) {
  s.man_side = SENTE;
  s.com_side = GOTE;
  s.turn = SENTE;
}

bool new_game(const GameState& s) {
  return s.turn == NO_TURN || s.move_number == 0;
}

}  // namespace

void TAIKYOKU_Click(Game& g) {
  hide_file_panel(g);
}
void STOP_Click(Game& g) {
  hide_file_panel(g);
}

void SENTE_Click(Game& g) {
  auto& s = g.st;
  start_against_computer_common(g);
  s.piece_selected = 0;
  s.game_mode = MODE_COM;
  s.kifu_mode = 0;
  s.history_last = s.move_number;
  s.turn_start_time = g.io.clock->now();
  s.timer1_enabled = true;
  待ち時間(g, START_PAUSE);
  BGM_切替(g, s.game_mode);
  if (new_game(s)) {
    lower_side_moves_first(s);
    show(g, "MANの番です", " ");
  } else if (s.turn == s.com_side) {
    com_ban(g);
    return;
  } else if (s.turn == s.man_side) {
    lower_side_moves_first(s);
    show(g, "MANの番です", "対局");
  } else {
    return;
  }
  s.clock_pending = 0;
}

void GOTE_Click(Game& g) {
  auto& s = g.st;
  start_against_computer_common(g);
  s.timer1_enabled = true;
  s.piece_selected = 0;
  s.game_mode = MODE_COM;
  s.kifu_mode = 0;
  s.history_last = s.move_number;
  待ち時間(g, START_PAUSE);
  BGM_切替(g, s.game_mode);
  if (new_game(s)) {
    s.man_side = GOTE;
    s.com_side = SENTE;
    s.turn = SENTE;
    com_ban(g);
  } else if (s.turn == s.man_side) {
    show(g, "MANの番です", "対局");
    s.clock_pending = 0;
  } else if (s.turn == s.com_side) {
    com_ban(g);
  }
}

void START_Click(Game& g) {
  auto& s = g.st;
  if (s.winner != 0) {
    初期設定(g);
    画面_再描画(g);
  }
  描画_棋譜読込み部分消去(g);
  erase_level_label(g);
  描画_将棋盤桝(g);
  s.turn_start_time = g.io.clock->now();
  if (s.checked[M_KEIKA]) s.timer1_enabled = true;
  s.game_mode = MODE_HUMAN;
  // Like the other start commands: a loaded or stepped-back game is taken up
  // from here, and nothing after this move belongs to the new game.
  s.kifu_mode = 0;
  s.piece_selected = 0;
  s.history_last = s.move_number;
  待ち時間(g, START_PAUSE);
  BGM_切替(g, s.game_mode);
  // Between people the lower side is always 先手, also in a resumed game.
  s.man_side = SENTE;
  s.com_side = GOTE;
  if (new_game(s)) {
    lower_side_moves_first(s);
    show(g, "先手の番です", " ");
  } else if (s.turn == SENTE) {
    show(g, "先手の番です", " ");
  } else if (s.turn == GOTE) {
    show(g, "後手の番です", " ");
  }
  s.clock_pending = 0;
}

void レベル_設定(Game& g, int level) {
  auto& s = g.st;
  s.checked[M_LEVEL1] = s.checked[M_LEVEL2] = s.checked[M_LEVEL3] = s.checked[M_LEVEL4] = false;
  if (level >= COM_LEVEL_MIN && level <= COM_LEVEL_MAX) {
    s.checked[M_LEVEL1 + level - 1] = true;
    s.com_level = level;
  }
  if (s.game_mode == MODE_COM) 描画_レベル(g, s.com_level);
}

void LEVEL1_Click(Game& g) {
  erase_level_label(g);
  レベル_設定(g, 1);
}
void LEVEL2_Click(Game& g) {
  erase_level_label(g);
  レベル_設定(g, 2);
}
void LEVEL3_Click(Game& g) {
  erase_level_label(g);
  レベル_設定(g, 3);
}
void LEVEL4_Click(Game& g) {
  erase_level_label(g);
  レベル_設定(g, COM_LEVEL_SEARCH);
}

}  // namespace zv
