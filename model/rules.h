// Which moves and drops the pieces may make, and which rows an unpromoted
// pawn, lance or knight may not end on.
#pragma once
#include "model/state.h"

namespace zv {

int 移動チェック(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒);
int 移動チェック飛車(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y);
int 移動チェック角(const BoardState& s, int 元X, int 元Y, int 先X, int 先Y);
int 移動後チェック(int 移動先Y, int 移動駒);

// True when the side of `pawn` (SITA_HU or UE_HU) has an unpromoted pawn in column x.
bool pawn_in_column(const BoardState& s, int x, int pawn);

}  // namespace zv
