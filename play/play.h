// Human input, game start and the window's own commands (toolkit-free).
#pragma once
#include <string>
#include <string_view>

#include "model/game.h"

namespace zv {

inline constexpr int BUTTON_LEFT = 1, BUTTON_RIGHT = 2;
inline constexpr int KEY_ESC = 27;

void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y);

void TAIKYOKU_Click(Game& g);
void STOP_Click(Game& g);
void START_Click(Game& g);
void SENTE_Click(Game& g);
void GOTE_Click(Game& g);
void LEVEL1_Click(Game& g);
void LEVEL2_Click(Game& g);
void LEVEL3_Click(Game& g);
void LEVEL4_Click(Game& g);
void レベル_設定(Game& g, int level);
// The computer's whole turn: search, the move played, messages, clock hand-over.
void com_ban(Game& g);
// The searching player's move for the side of sign side_code, thought out
// through the worker port; false when the program ended meanwhile.
bool level4_move(Game& g, int side_code, ComMove& out);
// ヒント: outlines the move the searching player would make for the human
// whose turn it is, moving nothing.
void HINT_Click(Game& g);

void VER_Click(Game& g);
// The game's version number, as the build defines it ("1.0.0").
std::string_view version();
// The version box's text: name and version, home page, e-mail, lines joined by CR.
std::string version_text();

}  // namespace zv
