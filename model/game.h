// The game state together with the ports it draws, sounds and asks through.
#pragma once
#include "model/ports.h"
#include "model/state.h"

namespace zv {

struct Game {
  GameState st;
  Ports io;
};

}  // namespace zv
