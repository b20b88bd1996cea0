// Placeholders for what the influence survey will provide.
#include "engine/eval.h"

namespace zv {
void 調査_移動不可駒(GameState&) {}
int 調査_自王逃道(GameState&) { return 0; }
}  // namespace zv
