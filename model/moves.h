// Carrying out moves and drops: capture into the hand, promotion, warps.
#pragma once
#include "model/state.h"

namespace zv {

void 駒移動_仮(BoardState& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
void 駒移動_IRVU_仮(BoardState& s, int 移動先X, int 移動先Y, int 移動駒);
void 駒取得(BoardState& s, int 取得駒);
// Takes the moving piece off its origin: a hand slot or a board square.
void leave_origin(BoardState& s, int 元X, int 元Y);
int 調査_駒成(BoardState& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// The partner square of the warp colour on (x, y): the first other square of
// that colour, columns outer. False when the colour has no partner.
bool warp_partner(const BoardState& s, int x, int y, int& px, int& py);
void 調査_移動結果(const GameState& s, int n, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類);

}  // namespace zv
