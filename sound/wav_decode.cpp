#include "sound/wav_decode.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "sound/wav_header.h"

namespace zv {

namespace {

constexpr int MAX_CHANNELS = 2;
constexpr int MIN_RATE = 1000;  // below this a file would swell to no purpose
constexpr double PCM_SCALE = 32768.0;

// One sample of the file scaled to [-1, 1).
double sample_at(const std::uint8_t* p, int format, int bits) {
  switch (bits) {
    case 8:
      return (p[0] - 128) / 128.0;  // 8-bit WAV is unsigned
    case 16:
      return static_cast<std::int16_t>(p[0] | (p[1] << 8)) / PCM_SCALE;
    case 24:
      return static_cast<std::int32_t>((p[0] << 8) | (p[1] << 16) |
                                       (static_cast<std::uint32_t>(p[2]) << 24)) /
             (PCM_SCALE * 65536.0);
    case 32: {
      const std::uint32_t u =
          p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
      if (format == WAV_FLOAT) return static_cast<double>(std::bit_cast<float>(u));
      return static_cast<std::int32_t>(u) / (PCM_SCALE * 65536.0);
    }
  }
  return 0;
}

bool readable(const WavLayout& w) {
  if (w.format == WAV_FLOAT) return w.bits == 32;
  return w.format == WAV_PCM && (w.bits == 8 || w.bits == 16 || w.bits == 24 || w.bits == 32);
}

// Any other form: to the output rate (between neighbouring frames) and at
// most two channels (the first two).
void convert(const std::uint8_t* data, const WavLayout& w, int output_rate, mixer::Voice& out) {
  const int bytes = w.bits / 8;
  const std::size_t frame = static_cast<std::size_t>(w.channels) * bytes;
  const std::size_t frames_in = w.data_size / frame;
  const int channels = std::min(w.channels, MAX_CHANNELS);
  const double step = static_cast<double>(w.rate) / output_rate;
  const auto frames_out = static_cast<std::size_t>(std::floor((frames_in - 1) / step)) + 1;
  out.channels = channels;
  out.samples.resize(frames_out * channels);
  for (std::size_t i = 0; i < frames_out; ++i) {
    const double pos = i * step;
    const auto j = std::min(static_cast<std::size_t>(pos), frames_in - 1);
    const std::size_t k = std::min(j + 1, frames_in - 1);
    const double t = pos - static_cast<double>(j);
    for (int c = 0; c < channels; ++c) {
      const double a = sample_at(data + j * frame + c * bytes, w.format, w.bits);
      const double b = sample_at(data + k * frame + c * bytes, w.format, w.bits);
      const double v = std::clamp((a + (b - a) * t) * PCM_SCALE, -PCM_SCALE, PCM_SCALE - 1);
      out.samples[i * channels + c] = static_cast<std::int16_t>(std::lround(v));
    }
  }
}

}  // namespace

bool decode_wav(const std::uint8_t* bytes, std::size_t size, int output_rate, mixer::Voice& out) {
  WavLayout w;
  if (!read_wav_layout(bytes, size, w) || !readable(w) || w.rate < MIN_RATE || w.data_size == 0)
    return false;
  const std::uint8_t* data = bytes + w.data_offset;
  if (w.format == WAV_PCM && w.bits == 16 && w.rate == output_rate && w.channels <= MAX_CHANNELS &&
      std::endian::native == std::endian::little) {
    out.channels = w.channels;
    out.samples.resize(w.data_size / sizeof(std::int16_t));
    std::memcpy(out.samples.data(), data, w.data_size);
    return true;
  }
  convert(data, w, output_rate, out);
  return true;
}

}  // namespace zv
