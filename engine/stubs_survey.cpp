// Placeholder until the influence survey and mate tests land.
#include "engine/engine.h"

namespace zv {
void 勢力調査(GameState&) {}
int 詰めかMAN(GameState&) { return 0; }
int 詰めかCOM(GameState&) { return 0; }
}  // namespace zv
