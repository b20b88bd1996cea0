// Move history, stepping, reversal, handicaps and the record file panel.
#pragma once
#include <string>
#include <string_view>

#include "model/game.h"

namespace zv {

// Saves the position before a move at entry `history_index`. Returns false and
// stores nothing when the history is full (entries 0..500 are taken): the
// caller must then not make the move. Movers ask `refuse_if_history_full`
// first, which also tells the player.
[[nodiscard]] bool 手順保存(GameState& s, int 先X, int 先Y, const HistTimes& times);
bool history_full(const GameState& s);
// When the history is full: plays "禁止.wav", shows HISTORY_FULL_TEXT titled
// HISTORY_FULL_TITLE and returns true. Otherwise returns false and does nothing.
bool refuse_if_history_full(Game& g);
inline constexpr std::string_view HISTORY_FULL_TEXT = "これ以上の手は記録できません";
inline constexpr std::string_view HISTORY_FULL_TITLE = "対局";

int 調査_持駒数(const GameState& s, int side);
void AFTER_Click(Game& g);
void CANCEL_Click(Game& g);
void REPLAY_Click(Game& g);
void REVERSE_Click(Game& g);
void LBEL_UP_Click(Game& g);
void LEBEL_DOWN_Click(Game& g);
void 描画_メッセージ(Game& g, int IN_メッセージ番号);

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

// x in twips that centres a header line of the record over the board.
double 取得_棋譜のX座標(std::string_view text);

// Loads a record held in memory, as File1_Click does after reading the file.
// A record that is not whole and valid is refused with a message before
// anything changes. Returns true when the record was loaded.
bool load_record_bytes(Game& g, std::string_view bytes);

}  // namespace zv
