// Carrying out a move on the board the player sees (the tentative twins, which
// only change the state, are in model/moves.h).
#pragma once
#include "model/game.h"

namespace zv {

// Moves (or drops) the piece, capturing into the hand, and repaints what changed.
void 駒移動(Game& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// Carries the piece on a warp square to its partner, with the warp's sound and blinks.
void 駒移動_IRVU(Game& g, int 移動先X, int 移動先Y, int 移動駒);

}  // namespace zv
