#include "play/qt/sound_factory.h"

namespace zv::shell {

// Silent until the sound library's wrapper is built in.
std::unique_ptr<SoundSystem> make_sound_system() { return std::make_unique<SilentSound>(); }

}  // namespace zv::shell
