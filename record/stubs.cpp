// Placeholder until the history and record file land.
#include "record/record.h"

namespace zv {
void 手順保存(Game&, int, int, int, int, int, int, double, double, double, double) {}
int 調査_持駒数(const GameState&, int) { return 0; }
void AFTER_Click(Game&) {}
void CANCEL_Click(Game&) {}
void REPLAY_Click(Game&) {}
void REVERSE_Click(Game&) {}
void LBEL_UP_Click(Game&) {}
void LEBEL_DOWN_Click(Game&) {}
void 描画_ハンデレベル(Game&, int) {}
void KIFU_READ_Click(Game&) {}
void KIFU_WRITE_Click(Game&) {}
void OPTION_Click(Game&) {}
void 描画_可視(Game&, bool, bool, bool) {}
void 描画_棋譜_IO(Game&, int) {}
void hide_file_panel(Game&) {}
void Dir1_Change(Game&) {}
void Drive1_Change(Game&) {}
void Command1_Click(Game&) {}
void File1_Click(Game&, const std::string&) {}
}  // namespace zv
