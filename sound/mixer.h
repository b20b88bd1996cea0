// The sound library's own mixer: 16-bit voices, mono or stereo, added into a
// stereo stream with a gain per side, a playing rate and looping. It neither
// locks nor allocates while mixing; the library serialises every call with
// the audio thread.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zv::mixer {

struct Voice {
  std::vector<std::int16_t> samples;  // interleaved frames at the output rate
  int channels = 1;                   // 1 or 2
  double step = 1;                    // source frames per output frame
  double position = 0;                // the next source frame
  float left = 1, right = 1;          // gain on each side
  bool playing = false, looping = false;

  std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

// Adds the next `frames` stereo frames of a playing voice into `sum` and
// moves the voice on; a voice that does not loop stops at its end.
void add_voice(Voice& v, float* sum, std::size_t frames);

// The sum as 16-bit samples, clipped.
void to_pcm16(const float* sum, std::int16_t* out, std::size_t samples);

// The gain of a level in hundredths of a decibel; -10000 and below is silence.
float gain_of(std::int32_t hundredths_db);

}  // namespace zv::mixer
