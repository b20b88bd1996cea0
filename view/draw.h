// Painting the board, pieces, hands, text and clock through the canvas.
#pragma once
#include <string>
#include <string_view>

#include "model/game.h"

namespace zv {

// Board and pieces.
void 描画_絵(Game& g, int 駒種類, double 座標X, double 座標Y);
void 描画_桝輪郭(Game& g, int 描画色, double 座標X, double 座標Y);
void 描画_盤(Game& g);
void 描画_IRVU(Game& g);
void 描画_自持盤(Game& g);
void 描画_敵持盤(Game& g);
void 描画_背景(Game& g, int 背景);
void 描画_駒点滅(Game& g, int 入力_駒, double 入力_X, double 入力_Y, int 入力_点滅回数);
void 画面_再描画(Game& g);
void 描画_将棋盤桝(Game& g);
void 描画_棋譜読込み部分消去(Game& g);
// With guidance on, outlines every square the piece on (元X, 元Y) may reach;
// first clears any earlier outlines.
void 描画_移動可能桝色(Game& g, int 元X, int 元Y, int 描画色, int 移動駒);
void 描画_ハンデレベル(Game& g, int IN_ハンデレベル);
// Marks the squares of the move that led to the position on the board (none
// at the start of the history), taking the marks off the previous move's squares.
void 描画_最終手(Game& g);
// Paints again the move texts and the move number that are shown (a full
// redraw paints the background over them).
void 描画_表示中の文字(Game& g);

// Waits this long on the clock, letting it show what was drawn.
void 待ち時間(Game& g, double IN_秒);
// Starts the tune for the game mode (when music is on), stopping the other.
void BGM_切替(Game& g, int mode);

// Text.
void 描画_数値(Game& g, double 入力X, double 入力Y, double 数値, int 描画色, int モード,
               double フォントサイズ);
void 描画_数値(Game& g, double 入力X, double 入力Y, std::string_view 文字, int 描画色, int モード,
               double フォントサイズ);
void 描画_移動駒種類(Game& g, double x, double y, std::string_view text, int 描画色);
void 描画_文字列(Game& g, double x, double y, int code, int 描画色, double size);
std::string 文字列変換(int value);
void 描画_桝_数値(Game& g);
void 描画_移動結果(Game& g, int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色);
void 消去_移動結果(Game& g, int IN_手番);
void 描画_手数(Game& g, int n, int 描画色);
void 描画_レベル(Game& g, int n);
void 消去_思考中(Game& g);

// Clock.
void 描画_所有時間(Game& g, int side, double seconds);
void 消去_所有時間(Game& g, int side);
std::string 調査_時間秒追加結果(double s);
std::string 変換_数字から文字(int n);
double 調査_経過秒(double start, double now);
void Timer1_Timer(Game& g);

}  // namespace zv
