// Placeholder until the computer player lands.
#include "engine/engine.h"

namespace zv {
void com_ban(Game&) {}
void 勢力調査(GameState&) {}
int 詰めかMAN(GameState&) { return 0; }
int 詰めかCOM(GameState&) { return 0; }
}  // namespace zv
