// Human input, game start and the window's own commands (toolkit-free).
#pragma once
#include "model/game.h"

namespace zv {

inline constexpr int BUTTON_LEFT = 1, BUTTON_RIGHT = 2;
inline constexpr int KEY_ESC = 27;

void 待ち時間(Game& g, double IN_秒);
void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y);
void 描画_移動可能桝色(Game& g, int 元X, int 元Y, int 描画色, int 移動駒);

void TAIKYOKU_Click(Game& g);
void STOP_Click(Game& g);
void START_Click(Game& g);
void SENTE_Click(Game& g);
void GOTE_Click(Game& g);
void LEVEL1_Click(Game& g);
void LEVEL2_Click(Game& g);
void LEVEL3_Click(Game& g);
void レベル_設定(Game& g, int level);
void BGM_切替(Game& g, int mode);

}  // namespace zv
