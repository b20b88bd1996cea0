// The influence survey's walkers, the pinned-piece survey and the mate-test
// helpers (勢力調査, 詰めかMAN and 詰めかCOM are declared in engine/engine.h).
#pragma once
#include "model/state.h"

namespace zv {

// Straight lines of a lance, rook or dragon with code c standing on (X, Y).
void 勢力確定上直進(GameState& s, int c, int X, int Y);  // toward row 1
void 勢力確定下直進(GameState& s, int c, int X, int Y);  // toward row 9
void 勢力確定右直進(GameState& s, int c, int X, int Y);  // toward column 9
void 勢力確定左直進(GameState& s, int c, int X, int Y);  // toward column 1

// Gold movers and diagonal lines; the two sides record different things.
void 勢力確定自金(GameState& s, int c, int X, int Y);  // human gold mover of code c
void 勢力確定敵金(GameState& s, int X, int Y);         // computer gold mover (recorded as 110)
void 勢力確定自角(GameState& s, int X, int Y);         // human bishop/horse (recorded as -800)
void 勢力確定敵角(GameState& s, int c, int X, int Y);  // computer bishop/horse of code c

// Fills man_pinned and com_pin_flag; needs a survey of the same position first.
void 調査_移動不可駒(GameState& s);

// 1 when some computer piece on the board may move onto the human king's square.
int 詰めかMAN_COM移動(const GameState& s);
// Number of empty squares next to the human king that no computer piece bears on.
int 調査_自王逃道(const GameState& s);

}  // namespace zv
