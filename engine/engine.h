// The computer player: what the rest of the game calls.
#pragma once
#include <functional>

#include "model/state.h"

namespace zv {

void 勢力調査(GameState& s);  // influence survey of the current board
int 詰めかMAN(GameState& s);  // is the human's king mated?
int 詰めかCOM(GameState& s);  // is the computer's king mated?

// The computer's search: tries every allowed move and drop of the upper side
// and returns the first one with the highest score (none when it has no move).
// The position is the same afterwards; the survey maps describe the last trial.
// each_column is called once before each board column and each hand slot is
// tried, so that a caller can keep a clock moving.
ComMove com_search(GameState& s, const std::function<void()>& each_column = {});

}  // namespace zv
