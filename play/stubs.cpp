// Placeholder until human input and game start land.
#include "play/play.h"

namespace zv {
void 待ち時間(Game&, double) {}
void Form_MouseDown(Game&, int, int, double, double) {}
void 描画_移動可能桝色(Game&, int, int, int, int) {}
void TAIKYOKU_Click(Game&) {}
void STOP_Click(Game&) {}
void START_Click(Game&) {}
void SENTE_Click(Game&) {}
void GOTE_Click(Game&) {}
void LEVEL1_Click(Game&) {}
void LEVEL2_Click(Game&) {}
void LEVEL3_Click(Game&) {}
void レベル_設定(Game&, int) {}
void BGM_切替(Game&, int) {}
}  // namespace zv
