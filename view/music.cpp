// The background music: one tune during a game, another outside one.
#include "view/draw.h"

namespace zv {

void BGM_切替(Game& g, int mode) {
  g.io.sound->stop(SoundId::Music);
  g.io.sound->stop(SoundId::Ending);
  if (!g.st.checked[M_BGM]) return;
  g.io.sound->loop(mode == MODE_NONE ? SoundId::Ending : SoundId::Music);
}

}  // namespace zv
