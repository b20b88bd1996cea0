#include "sound/mixer.h"

#include <algorithm>
#include <cmath>

namespace zv::mixer {

namespace {

constexpr std::int32_t SILENCE = -10000;
constexpr float PCM_MAX = 32767, PCM_MIN = -32768;

// The source frame at `pos` on both sides, between neighbouring frames.
void frame_at(const Voice& v, double pos, std::size_t frames, float& l, float& r) {
  const auto i = static_cast<std::size_t>(pos);
  const float t = static_cast<float>(pos - static_cast<double>(i));
  std::size_t j = i + 1;
  if (j >= frames) j = v.looping ? 0 : i;
  const std::int16_t* s = v.samples.data();
  if (v.channels == 1) {
    l = r = s[i] + (s[j] - s[i]) * t;
  } else {
    l = s[2 * i] + (s[2 * j] - s[2 * i]) * t;
    r = s[2 * i + 1] + (s[2 * j + 1] - s[2 * i + 1]) * t;
  }
}

}  // namespace

void add_voice(Voice& v, float* sum, std::size_t frames) {
  const std::size_t length = v.frames();
  if (!v.playing || length == 0 || !(v.step > 0)) {
    v.playing = false;
    return;
  }
  const auto end = static_cast<double>(length);
  for (std::size_t k = 0; k < frames; ++k) {
    if (v.position >= end) {
      if (!v.looping) {
        v.playing = false;
        v.position = 0;
        return;
      }
      v.position = std::fmod(v.position, end);
    }
    float l, r;
    frame_at(v, v.position, length, l, r);
    sum[2 * k] += l * v.left;
    sum[2 * k + 1] += r * v.right;
    v.position += v.step;
  }
}

void to_pcm16(const float* sum, std::int16_t* out, std::size_t samples) {
  for (std::size_t i = 0; i < samples; ++i)
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(sum[i], PCM_MIN, PCM_MAX)));
}

float gain_of(std::int32_t hundredths_db) {
  if (hundredths_db <= SILENCE) return 0;
  return static_cast<float>(std::pow(10.0, hundredths_db / 2000.0));
}

}  // namespace zv::mixer
