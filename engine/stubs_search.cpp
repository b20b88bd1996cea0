// Placeholder until the computer's turn lands.
#include "engine/engine.h"

namespace zv {
void com_ban(Game&) {}
}  // namespace zv
