// Our own sounds, synthesised: every sound the game plays is made here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sound/pcm_format.h"

namespace zv::synth {

inline constexpr int RATE = SOUND_RATE;  // mono, 16-bit

using Samples = std::vector<std::int16_t>;

Samples knock();        // a piece put down
Samples buzz();         // a refused action
Samples sweep();        // a warp
Samples chime();        // the version box
Samples game_tune();    // loops during a game
Samples ending_tune();  // loops while no game is under way

// The sound as a whole RIFF WAVE file (PCM, 16-bit, mono).
std::vector<std::uint8_t> wav_bytes(const Samples& samples, int rate = RATE);

struct Entry {
  const char* file;  // as the game loads it
  Samples (*make)();
  std::size_t frames;  // length in samples
};
// The six files, in the order the game creates their buffers.
const std::vector<Entry>& catalogue();

}  // namespace zv::synth
