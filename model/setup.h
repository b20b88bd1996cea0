// A fresh game: the starting position and the warp squares.
#pragma once
#include "model/game.h"

namespace zv {

// The starting position with fresh warp squares and no game; the caller repaints.
void 初期設定(Game& g);
void IRVU_設定(Game& g, int I_IRVU);

// Hand totals recounted from the slots.
void recount_hand_totals(BoardState& s);

// The kings' squares found on the board (after a position was replaced).
void locate_kings(BoardState& s);

}  // namespace zv
