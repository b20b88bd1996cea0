// Move history, stepping, reversal, handicaps and the record file panel.
#pragma once
#include <string>

#include "model/game.h"

namespace zv {

void 手順保存(Game& g, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 前秒M,
              double 後秒M, double 前秒C, double 後秒C);
int 調査_持駒数(const GameState& s, int side);
void AFTER_Click(Game& g);
void CANCEL_Click(Game& g);
void REPLAY_Click(Game& g);
void REVERSE_Click(Game& g);
void LBEL_UP_Click(Game& g);
void LEBEL_DOWN_Click(Game& g);
void 描画_ハンデレベル(Game& g, int IN_ハンデレベル);

void KIFU_READ_Click(Game& g);
void KIFU_WRITE_Click(Game& g);
void OPTION_Click(Game& g);
void 描画_可視(Game& g, bool drive, bool dir, bool file);
void 描画_棋譜_IO(Game& g, int mode);
void Dir1_Change(Game& g);
void Drive1_Change(Game& g);
void Command1_Click(Game& g);
void File1_Click(Game& g, const std::string& name);  // name as listed, in Dir1's folder
// Closes the record file panel (every click and most commands start with it).
void hide_file_panel(Game& g);

}  // namespace zv
