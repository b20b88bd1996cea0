// The sound component built into this program.
#pragma once
#include <memory>

#include "play/qt/sound_system.h"

namespace zv::shell {

std::unique_ptr<SoundSystem> make_sound_system();

}  // namespace zv::shell
