// The computer player: what the rest of the game calls.
#pragma once
#include "model/game.h"

namespace zv {

void com_ban(Game& g);      // the computer's whole turn
void 勢力調査(GameState& s);  // influence survey of the current board
int 詰めかMAN(GameState& s);  // is the human's king mated?
int 詰めかCOM(GameState& s);  // is the computer's king mated?

}  // namespace zv
