#include "play/qt/sound_system.h"

#include "sound/module1.h"

namespace zv::shell {

void SilentSound::notify(std::string_view op, SoundId id) {
  if (observer_) observer_(op, sound_file_name(id));
}

void SilentSound::shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  for (SoundId id : FREE_ORDER) notify("free", id);
}

}  // namespace zv::shell
