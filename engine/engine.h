// The computer player.
#pragma once
#include "model/game.h"

namespace zv {

void com_ban(Game& g);
void 勢力調査(GameState& s);
int 詰めかMAN(GameState& s);
int 詰めかCOM(GameState& s);

}  // namespace zv
