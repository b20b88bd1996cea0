#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "model/moves.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "model/setup.h"
#include "play/play.h"
#include "play/visible_moves.h"
#include "record/record.h"
#include "view/draw.h"

namespace zv {

namespace {

// The grid column or row of a click. A click far off the window (a script may
// say anything) lands on a far-off cell instead of overflowing the int.
int grid_index(double twips, double origin, double cell) {
  constexpr double FAR_CELLS = 1e6;
  const double q = std::floor((twips - origin) / cell);
  if (!(q > -FAR_CELLS)) return static_cast<int>(-FAR_CELLS);  // also not-a-number
  return static_cast<int>(std::min(q, FAR_CELLS));
}

void show(Game& g, const char* text, const char* title) {
  g.io.dialogs->show(text, title, Buttons::Ok);
}

void forbidden(Game& g) {
  g.io.sound->play(SoundId::Forbidden);
}

bool owns_turn(const GameState& s, int code) {
  return (s.turn == s.man_side && code <= SITA_MAX) || (s.turn == s.com_side && code >= UE_MIN);
}

double turn_seconds_now(Game& g) {
  return 調査_経過秒(g.st.turn_start_time, g.io.clock->now());
}

// The clock starts with the first click after a game was resumed or stepped through.
void announce_turn(Game& g) {
  auto& s = g.st;
  if (s.game_mode == MODE_HUMAN) {
    if (s.clock_pending != 1) return;
    s.clock_pending = 0;
    s.turn_start_time = g.io.clock->now();
    if (s.checked[M_KEIKA]) s.timer1_enabled = true;
    if (s.turn == SENTE) show(g, "先手の番です", "対局");
    if (s.turn == GOTE) show(g, "後手の番です", "対局");
    return;
  }
  if (s.turn == s.com_side) {
    s.clock_pending = 0;
    show(g, "OKですか？", "再開(COM)");
    com_ban(g);
  } else if (s.turn == s.man_side && s.clock_pending == 1) {
    s.clock_pending = 0;
    s.turn_start_time = g.io.clock->now();
    if (s.checked[M_KEIKA]) s.timer1_enabled = true;
    show(g, "MANの番です", "対局");
  }
}

void select_board_piece(Game& g, int x, int y) {
  auto& s = g.st;
  const int code = s.board[x][y];
  if (code == EMPTY) return;
  s.元X = x;
  s.元Y = y;
  s.選択駒 = code;
  s.last_click_x = x;
  s.last_click_y = y;
  描画_移動可能桝色(g, x, y, COL_GUIDE, code);
  if (owns_turn(s, code)) {
    描画_桝輪郭(g, COL_SELECTED, x, y);
    s.piece_selected = 1;
  } else {
    描画_桝輪郭(g, s.guidance_colour, x, y);
  }
}

void select_hand_piece(Game& g, int x, int y) {
  auto& s = g.st;
  if (on_board(s.last_click_x, s.last_click_y)) {
    描画_将棋盤桝(g);
    描画_桝輪郭(g, COL_BOARD, s.last_click_x, s.last_click_y);
  }
  s.last_click_x = x;
  s.last_click_y = y;
  int code = 0;
  bool mover = false;
  if (x == MAN_HAND_X && y >= 1 + MAN_HAND_ROW_OFFSET && y <= HAND_SLOTS + MAN_HAND_ROW_OFFSET) {
    const int slot = y - MAN_HAND_ROW_OFFSET;
    if (s.man_hand[slot] <= 0) return;
    code = -SLOT_CODE[slot];
    mover = s.turn == s.man_side;
  } else if (x == COM_HAND_X && y >= COM_HAND_ROW_BASE - HAND_SLOTS && y <= COM_HAND_ROW_BASE - 1) {
    const int slot = COM_HAND_ROW_BASE - y;
    if (s.com_hand[slot] <= 0) return;
    code = SLOT_CODE[slot];
    mover = s.turn == s.com_side;
  } else {
    return;
  }
  s.元X = x;
  s.元Y = y;
  s.選択駒 = code;
  s.piece_selected = 1;
  描画_桝輪郭(g, mover ? COL_SELECTED : s.guidance_colour, x, y);
  描画_移動可能桝色(g, x, y, COL_GUIDE, code);
}

void drop_selection(Game& g) {
  auto& s = g.st;
  描画_将棋盤桝(g);
  描画_桝輪郭(g, COL_BOARD, s.元X, s.元Y);
  s.piece_selected = 0;
}

// Who won, told to the players; the game then stops and the ending music plays.
void announce_winner(Game& g, const char* text) {
  auto& s = g.st;
  show(g, text, "終了");
  s.game_mode = MODE_NONE;
  BGM_切替(g, MODE_NONE);
}

void after_move_against_computer(Game& g, int captured) {
  auto& s = g.st;
  s.timer1_enabled = false;
  s.man_total_seconds += turn_seconds_now(g);
  勢力調査(s);
  // A warp can take either king, so the winner decides as well as the captured code.
  if (s.winner == s.com_side) {
    announce_winner(g, "ｺﾝﾋﾟｭｰﾀの勝ちです");
    return;
  }
  if (詰めかCOM(s) == YES || captured == UE_OU || s.winner == s.man_side) {
    s.winner = s.man_side;
    announce_winner(g, "あなたの勝ちです");
    return;
  }
  s.turn = s.com_side;
  com_ban(g);
}

void after_move_between_humans(Game& g) {
  auto& s = g.st;
  const double secs = turn_seconds_now(g);
  if (s.turn == SENTE)
    s.man_total_seconds += secs;
  else
    s.com_total_seconds += secs;
  s.turn = -s.turn;
  s.turn_start_time = g.io.clock->now();
  if (s.winner == s.man_side) {
    announce_winner(g, "先手の勝ちです");
  } else if (s.winner == s.com_side) {
    announce_winner(g, "後手の勝ちです");
  }
}

void make_move(Game& g, int Button) {
  auto& s = g.st;
  int piece = s.選択駒;
  const int 元X = s.元X;
  int 元Y = s.元Y;
  const int 先X = s.先X, 先Y = s.先Y;

  if (refuse_if_history_full(g)) {
    drop_selection(g);
    return;
  }
  const double secs = turn_seconds_now(g);
  const bool lower_moves = piece <= SITA_MAX;
  const double man_after = s.man_total_seconds + (lower_moves ? secs : 0);
  const double com_after = s.com_total_seconds + (lower_moves ? 0 : secs);
  if (!手順保存(s, 先X, 先Y, {s.man_total_seconds, man_after, s.com_total_seconds, com_after})) {
    drop_selection(g);  // not reached: the room was checked just above
    return;
  }
  s.move_number += 1;
  描画_手数(g, s.move_number, COL_WHITE);

  if (調査_駒成(s, 元X, 元Y, 先X, 先Y, piece) == YES && Button == BUTTON_RIGHT)
    piece = s.promoted_code;
  s.hist_piece[s.history_index] = piece;

  s.piece_selected = 0;
  描画_桝輪郭(g, COL_BOARD, 元X, 元Y);
  描画_桝輪郭(g, COL_BOARD, 先X, 先Y);
  描画_移動可能桝色(g, 元X, 元Y, COL_GUIDE, piece);

  if (元X == COM_HAND_X) 元Y = COM_HAND_ROW_BASE - 元Y;
  const int captured = s.board[先X][先Y];
  駒移動(g, 元X, 元Y, 先X, 先Y, piece);
  g.io.sound->play(SoundId::Piece);
  s.history_index += 1;

  if (piece >= UE_MIN) {
    消去_思考中(g);
    描画_移動結果(g, s.com_side, 先X, 先Y, piece, COL_WHITE);
  } else {
    描画_移動結果(g, s.man_side, 先X, 先Y, piece, COL_WHITE);
  }

  const int warp = s.warp_map[先X][先Y];
  if (warp != 0) {
    駒移動_IRVU(g, 先X, 先Y, piece);
    IRVU_設定(g, warp);
    描画_IRVU(g);
  }
  keep_newest_position(s);
  描画_最終手(g);

  if (s.game_mode == MODE_COM) {
    after_move_against_computer(g, captured);
  } else if (s.game_mode == MODE_HUMAN) {
    after_move_between_humans(g);
  }
}

void click_destination(Game& g, int Button, int x, int y) {
  auto& s = g.st;
  if ((s.turn == s.man_side && s.元X == COM_HAND_X) ||
      (s.turn == s.com_side && s.元X == MAN_HAND_X)) {
    drop_selection(g);
    return;
  }
  const int target = s.board[x][y];
  if (target != EMPTY && owns_turn(s, target)) {
    描画_桝輪郭(g, COL_BOARD, s.元X, s.元Y);
    s.元X = x;
    s.元Y = y;
    s.選択駒 = target;
    s.last_click_x = x;
    s.last_click_y = y;
    描画_移動可能桝色(g, x, y, COL_GUIDE, target);
    描画_桝輪郭(g, COL_SELECTED, x, y);
    return;
  }
  s.先X = x;
  s.先Y = y;
  if (移動チェック(s, s.元X, s.元Y, x, y, s.選択駒) != YES) {
    forbidden(g);
    drop_selection(g);
    return;
  }
  if (移動後チェック(y, s.選択駒) == NO && Button == BUTTON_LEFT && on_board(s.元X, s.元Y)) {
    forbidden(g);
    show(g, "マウスの右をクリックして下さい", "成り");
    return;
  }
  make_move(g, Button);
}

}  // namespace

void Form_MouseDown(Game& g, int Button, int /*Shift*/, double X, double Y) {
  auto& s = g.st;
  hide_file_panel(g);
  if (s.kifu_mode == 1) {
    if (g.io.dialogs->show("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo) == Answer::No) {
      初期設定(g);
      画面_再描画(g);
    }
    return;
  }
  if (s.winner != 0) {
    show(g, "新規に対局してください", "終局");
    return;
  }
  const int x = grid_index(X, X0, CELL_W);
  const int y = grid_index(Y, Y0, CELL_H);
  if (s.turn == NO_TURN) {
    forbidden(g);
    show(g, "「対局」で始めて下さい", "開始");
    return;
  }
  announce_turn(g);
  if (s.winner != 0 || s.turn == NO_TURN) return;  // the computer's reply may have ended it

  if (on_board(x, y)) {
    if (s.piece_selected == 0)
      select_board_piece(g, x, y);
    else
      click_destination(g, Button, x, y);
    return;
  }
  // A click beside the board: a hand column chooses a piece in hand; anything
  // else only lets go of a pending choice.
  if (s.piece_selected == 1) drop_selection(g);
  if (x == MAN_HAND_X || x == COM_HAND_X) select_hand_piece(g, x, y);
}

}  // namespace zv
