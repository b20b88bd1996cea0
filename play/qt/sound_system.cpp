#include "play/qt/sound_system.h"

namespace zv::shell {

const char* sound_file_name(SoundId id) {
  switch (id) {
    case SoundId::Other: return "その他.wav";
    case SoundId::Forbidden: return "禁止.wav";
    case SoundId::Warp: return "ワープ.wav";
    case SoundId::Piece: return "駒打音.wav";
    case SoundId::Music: return "BGM.wav";
    case SoundId::Ending: return "ENDING.wav";
  }
  return "";
}

}  // namespace zv::shell
