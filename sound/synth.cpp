#include "sound/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zv::synth {

namespace {

constexpr double PI2 = 2 * std::numbers::pi;

using Wave = std::vector<double>;

std::size_t frames_of(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * RATE));
}

double midi_hz(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A repeatable noise source, so every build writes the same files.
struct Noise {
  std::uint64_t x = 0x9E3779B97F4A7C15ull;
  double next() {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return static_cast<double>(x >> 11) * (2.0 / 9007199254740992.0) - 1.0;
  }
};

// Scales to a comfortable peak and converts to 16-bit.
Samples finish(const Wave& w, double peak = 0.8) {
  double m = 0;
  for (double v : w) m = std::max(m, std::abs(v));
  double k = m > 0 ? peak / m : 0;
  Samples out(w.size());
  for (std::size_t i = 0; i < w.size(); ++i)
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(w[i] * k, -1.0, 1.0) * 32767));
  return out;
}

// Adds a note into a looping tune; what rings past the end sounds again at the
// start, so the loop has no seam.
void add_wrapped(Wave& tune, const Wave& note, std::size_t at, double level) {
  for (std::size_t i = 0; i < note.size(); ++i) tune[(at + i) % tune.size()] += note[i] * level;
}

// A plucked string: harmonics that die away faster the higher they are.
Wave pluck(double hz, double seconds) {
  Wave w(frames_of(seconds));
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double attack = std::min(1.0, t / 0.004);
    double v = 0;
    for (int k = 1; k <= 6; ++k) {
      if (hz * k > RATE / 2.5) break;
      v += std::sin(PI2 * hz * k * t) * std::exp(-t * (1.8 + 1.6 * k)) / std::pow(k, 1.3);
    }
    w[i] = v * attack;
  }
  return w;
}

// A soft bell: a few inharmonic partials with long decays.
Wave bell(double hz, double seconds, double decay = 1.0) {
  static constexpr double RATIO[] = {1.0, 2.0, 2.76, 4.07};
  static constexpr double LEVEL[] = {1.0, 0.45, 0.22, 0.1};
  static constexpr double FADE[] = {1.1, 1.9, 2.8, 4.2};
  Wave w(frames_of(seconds));
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double attack = std::min(1.0, t / 0.006);
    double v = 0;
    for (int k = 0; k < 4; ++k)
      if (hz * RATIO[k] < RATE / 2.5)
        v += LEVEL[k] * std::sin(PI2 * hz * RATIO[k] * t) * std::exp(-t * FADE[k] * decay);
    w[i] = v * attack;
  }
  return w;
}

// A round bass note held for `hold` seconds, then released.
Wave bass(double hz, double hold) {
  double release = 0.08;
  Wave w(frames_of(hold + release));
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double env = std::min(1.0, t / 0.012) * std::exp(-t * 1.2);
    if (t > hold) env *= std::max(0.0, 1 - (t - hold) / release);
    w[i] = env * (std::sin(PI2 * hz * t) + 0.25 * std::sin(PI2 * 2 * hz * t));
  }
  return w;
}

// A slowly swelling chord tone under the ending tune.
Wave pad(double hz, double seconds) {
  Wave w(frames_of(seconds));
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double env = std::sin(std::numbers::pi * t / seconds);
    w[i] = env * env * (std::sin(PI2 * hz * t) + 0.3 * std::sin(PI2 * hz * 1.5 * t));
  }
  return w;
}

// A light brush on the off-beats.
Wave tick(Noise& noise) {
  Wave w(frames_of(0.05));
  double prev = 0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double n = noise.next();
    w[i] = (n - prev) * std::exp(-t * 90);  // the difference keeps only the hiss
    prev = n;
  }
  return w;
}

struct Note {
  int midi;  // 0 = rest
  double beats;
};

// C major pentatonic, sixteen bars that lead back to the first.
constexpr int C3 = 48, D3 = 50, E3 = 52, G2 = 43, A2 = 45;
constexpr int G4 = 67, A4 = 69, C5 = 72, D5 = 74, E5 = 76, G5 = 79, A5 = 81, C6 = 84, D6 = 86;

const std::vector<Note>& game_melody() {
  static const std::vector<Note> m = {
      {E5, 1}, {G5, 1}, {A5, 2}, {G5, 1}, {E5, 1}, {D5, 2}, {C5, 1}, {D5, 1}, {E5, 1},
      {G5, 1}, {D5, 4}, {E5, 1}, {G5, 1}, {A5, 2}, {C6, 1}, {A5, 1}, {G5, 2}, {E5, 1},
      {D5, 1}, {C5, 1}, {D5, 1}, {C5, 4}, {A5, 1}, {C6, 1}, {D6, 2}, {C6, 1}, {A5, 1},
      {G5, 2}, {A5, 1}, {G5, 1}, {E5, 1}, {G5, 1}, {A5, 4}, {G5, 1}, {E5, 1}, {D5, 1},
      {E5, 1}, {G5, 2}, {E5, 2}, {D5, 1}, {C5, 1}, {A4, 1}, {C5, 1}, {D5, 2}, {G4, 2}};
  return m;
}
constexpr int GAME_BASS[16] = {C3, A2, C3, G2, C3, A2, G2, C3, A2, C3, G2, A2, C3, C3, D3, G2};
constexpr double GAME_BEAT = 0.4;  // seconds
constexpr int GAME_BARS = 16;

// A minor pentatonic, slower, eight bars.
const std::vector<Note>& ending_melody() {
  static const std::vector<Note> m = {{E5, 2}, {D5, 1}, {C5, 1}, {A4, 4}, {C5, 2}, {D5, 1},
                                      {E5, 1}, {G5, 4}, {A5, 2}, {G5, 1}, {E5, 1}, {D5, 2},
                                      {C5, 2}, {D5, 1}, {E5, 1}, {C5, 2}, {A4, 4}};
  return m;
}
constexpr int ENDING_BASS[8] = {A2, A2, C3, G2, A2, D3, E3, A2};
constexpr double ENDING_BEAT = 0.6;
constexpr int ENDING_BARS = 8;

constexpr int BEATS_PER_BAR = 4;

std::size_t tune_frames(double beat, int bars) {
  return frames_of(beat * BEATS_PER_BAR * bars);
}

}  // namespace

Samples knock() {
  Noise noise;
  Wave w(frames_of(0.15));
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double wood = 0.9 * std::sin(PI2 * 820 * t) * std::exp(-t * 140) +
                  0.5 * std::sin(PI2 * 1390 * t) * std::exp(-t * 180) +
                  0.25 * std::sin(PI2 * 2260 * t) * std::exp(-t * 240);
    double thud = 0.8 * std::sin(PI2 * 160 * t) * std::exp(-t * 45);
    double click = 0.6 * noise.next() * std::exp(-t * 900);
    w[i] = (wood + thud + click) * std::min(1.0, t / 0.0005);
  }
  return finish(w, 0.85);
}

Samples buzz() {
  Wave w(frames_of(0.4));
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    // Two short bursts: "bu-bu".
    double local = t < 0.17 ? t : t - 0.21;
    double len = 0.17;
    double env = 0;
    if (local >= 0 && local < len) env = std::min({1.0, local / 0.008, (len - local) / 0.03});
    double v = 0;
    for (int k = 1; k <= 9; k += 2)
      v += (std::sin(PI2 * 146 * k * t) + std::sin(PI2 * 153 * k * t)) / k;
    w[i] = env * v;
  }
  return finish(w, 0.6);
}

Samples sweep() {
  Wave w(frames_of(0.8));
  double phase = 0, phase2 = 0;
  double seconds = static_cast<double>(w.size()) / RATE;
  for (std::size_t i = 0; i < w.size(); ++i) {
    double t = static_cast<double>(i) / RATE;
    double hz = 250 * std::pow(10.0, t / seconds) * (1 + 0.03 * std::sin(PI2 * 7 * t));
    phase += PI2 * hz / RATE;
    phase2 += PI2 * hz * 1.5 / RATE;
    double env = std::min(1.0, t / 0.03) * std::min(1.0, (seconds - t) / (0.4 * seconds));
    w[i] = env * (std::sin(phase) + 0.35 * std::sin(phase2));
  }
  return finish(w, 0.7);
}

Samples chime() {
  Wave w(frames_of(1.5));
  Wave first = bell(midi_hz(88), 1.5), second = bell(midi_hz(84), 1.25);  // E6, then C6
  std::size_t gap = frames_of(0.25);
  for (std::size_t i = 0; i < w.size(); ++i) {
    w[i] += first[i];
    if (i >= gap && i - gap < second.size()) w[i] += second[i - gap];
    double t = static_cast<double>(i) / RATE;
    w[i] *= std::min(1.0, (1.5 - t) / 0.05);  // no click at the end
  }
  return finish(w, 0.7);
}

Samples game_tune() {
  Wave w(tune_frames(GAME_BEAT, GAME_BARS), 0.0);
  double beat = 0;
  for (const Note& n : game_melody()) {
    if (n.midi)
      add_wrapped(w, pluck(midi_hz(n.midi), n.beats * GAME_BEAT + 0.9), frames_of(beat * GAME_BEAT),
                  0.5);
    beat += n.beats;
  }
  Noise noise;
  for (int bar = 0; bar < GAME_BARS; ++bar) {
    double start = bar * BEATS_PER_BAR * GAME_BEAT;
    int root = GAME_BASS[bar];
    add_wrapped(w, bass(midi_hz(root), 2 * GAME_BEAT - 0.05), frames_of(start), 0.35);
    add_wrapped(w, bass(midi_hz(root + 7), 2 * GAME_BEAT - 0.05), frames_of(start + 2 * GAME_BEAT),
                0.3);
    for (int b = 1; b < BEATS_PER_BAR; b += 2)
      add_wrapped(w, tick(noise), frames_of(start + b * GAME_BEAT), 0.12);
  }
  return finish(w, 0.75);
}

Samples ending_tune() {
  Wave w(tune_frames(ENDING_BEAT, ENDING_BARS), 0.0);
  double beat = 0;
  for (const Note& n : ending_melody()) {
    if (n.midi)
      add_wrapped(w, bell(midi_hz(n.midi), n.beats * ENDING_BEAT + 1.2, 0.8),
                  frames_of(beat * ENDING_BEAT), 0.45);
    beat += n.beats;
  }
  double bar_seconds = BEATS_PER_BAR * ENDING_BEAT;
  for (int bar = 0; bar < ENDING_BARS; ++bar) {
    int root = ENDING_BASS[bar];
    add_wrapped(w, pad(midi_hz(root + 12), bar_seconds + 0.6), frames_of(bar * bar_seconds), 0.22);
    add_wrapped(w, bass(midi_hz(root), bar_seconds - 0.1), frames_of(bar * bar_seconds), 0.3);
  }
  return finish(w, 0.7);
}

std::vector<std::uint8_t> wav_bytes(const Samples& samples, int rate) {
  std::vector<std::uint8_t> out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto tag = [&](const char* s) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(s[i]));
  };
  auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
  out.reserve(44 + data_size);
  tag("RIFF");
  u32(36 + data_size);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<std::uint32_t>(rate));
  u32(static_cast<std::uint32_t>(rate) * 2);
  u16(2);
  u16(16);
  tag("data");
  u32(data_size);
  for (std::int16_t s : samples) u16(static_cast<std::uint16_t>(s));
  return out;
}

const std::vector<Entry>& catalogue() {
  static const std::vector<Entry> all = {
      {"その他.wav", chime, frames_of(1.5)},
      {"禁止.wav", buzz, frames_of(0.4)},
      {"ワープ.wav", sweep, frames_of(0.8)},
      {"駒打音.wav", knock, frames_of(0.15)},
      {"BGM.wav", game_tune, tune_frames(GAME_BEAT, GAME_BARS)},
      {"ENDING.wav", ending_tune, tune_frames(ENDING_BEAT, ENDING_BARS)},
  };
  return all;
}

}  // namespace zv::synth
