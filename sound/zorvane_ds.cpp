// The sound library behind the ds interface: our own mixer (mixer.h), one
// voice per buffer so a buffer's volume, pan, rate and looping never disturb
// another, played through ALSA (pcm_output.h).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "sound/ds.h"
#include "sound/mixer.h"
#include "sound/pcm_format.h"
#include "sound/pcm_output.h"
#include "sound/wav_decode.h"
#include "sound/whole_file.h"

namespace {

// The device runs at the game's own rate, so its sounds load as they are;
// ALSA adapts the stream to the hardware. Stereo, so pan has a meaning.
constexpr int OUTPUT_RATE = zv::SOUND_RATE;
constexpr int OUTPUT_CHANNELS = 2;
constexpr std::size_t MIX_FRAMES = 512;                 // mixed at a time
constexpr int32_t VOLUME_MIN = -10000, VOLUME_MAX = 0;  // hundredths of a decibel
constexpr int32_t PAN_MAX = 10000;
constexpr int32_t FREQUENCY_MIN = 100, FREQUENCY_MAX = 200000;
constexpr std::size_t MAX_FILE_BYTES = 256u * 1024 * 1024;

struct Buffer {
  zv::mixer::Voice voice;
  int32_t flags = 0;
  int32_t volume = VOLUME_MAX, pan = 0;
};

// A C interface hands out plain integers, so the library keeps one table of
// what they stand for. The game calls from one thread; the output thread
// reads the table only under the output's lock.
struct Device {
  int32_t handle = 0;  // 0 while closed
  int32_t next_handle = 1;
  std::vector<float> sum = std::vector<float>(MIX_FRAMES * OUTPUT_CHANNELS);
  std::vector<std::unique_ptr<Buffer>> buffers;  // handle h is buffers[h - 1]
  zv::PcmOutput output;                          // last, so at exit it stops before the table goes
};

Device& device() {
  static Device d;
  return d;
}

using Locked = std::lock_guard<std::mutex>;

Buffer* find(int32_t handle) {
  Device& d = device();
  if (d.handle == 0 || handle <= 0 || static_cast<size_t>(handle) > d.buffers.size())
    return nullptr;
  return d.buffers[static_cast<size_t>(handle - 1)].get();
}

// Runs on the output thread under the lock.
void fill(int16_t* out, size_t frames) {
  Device& d = device();
  while (frames > 0) {
    const size_t n = std::min(frames, MIX_FRAMES);
    std::fill(d.sum.begin(), d.sum.begin() + static_cast<std::ptrdiff_t>(n * OUTPUT_CHANNELS),
              0.0f);
    for (auto& b : d.buffers)
      if (b && b->voice.playing) zv::mixer::add_voice(b->voice, d.sum.data(), n);
    zv::mixer::to_pcm16(d.sum.data(), out, n * OUTPUT_CHANNELS);
    out += n * OUTPUT_CHANNELS;
    frames -= n;
  }
}

int32_t add_buffer(int32_t device_handle, const uint8_t* data, size_t size, int32_t flags) {
  Device& d = device();
  if (d.handle == 0 || device_handle != d.handle || !data || size == 0 ||
      size > static_cast<size_t>(INT32_MAX))
    return 0;
  auto b = std::make_unique<Buffer>();
  if (!zv::decode_wav(data, size, OUTPUT_RATE, b->voice)) return 0;
  b->flags = flags;
  Locked lock(d.output.lock());
  d.buffers.push_back(std::move(b));
  return static_cast<int32_t>(d.buffers.size());
}

void start(Buffer& b, bool loop) {
  Locked lock(device().output.lock());
  zv::mixer::Voice& v = b.voice;
  if (v.playing && !(b.flags & DS_FLAG_RESTART) && v.looping == loop) return;
  v.looping = loop;
  v.position = 0;
  v.playing = true;
}

// Volume and pan meet in the gain of each side: a pan attenuates the far side.
void apply_gains(Buffer& b) {
  const float level = zv::mixer::gain_of(b.volume);
  Locked lock(device().output.lock());
  b.voice.left = level * zv::mixer::gain_of(-std::max(b.pan, 0));
  b.voice.right = level * zv::mixer::gain_of(-std::max(-b.pan, 0));
}

void set_volume(Buffer& b, int32_t volume) {
  b.volume = std::clamp(volume, VOLUME_MIN, VOLUME_MAX);
  apply_gains(b);
}

void set_pan(Buffer& b, int32_t pan) {
  b.pan = std::clamp(pan, -PAN_MAX, PAN_MAX);
  apply_gains(b);
}

// 0 is the sound's own rate; a sounding buffer goes on at the new one.
void set_frequency(Buffer& b, int32_t frequency) {
  const double rate =
      frequency == 0 ? OUTPUT_RATE : std::clamp(frequency, FREQUENCY_MIN, FREQUENCY_MAX);
  Locked lock(device().output.lock());
  b.voice.step = rate / OUTPUT_RATE;
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t) {
  Device& d = device();
  if (d.handle != 0) return d.handle;
  const std::string why = d.output.open(OUTPUT_RATE, OUTPUT_CHANNELS, fill);
  if (!why.empty()) {
    std::fprintf(stderr, "zorvane: no sound: %s\n", why.c_str());
    return 0;
  }
  d.handle = d.next_handle++;
  if (d.next_handle <= 0) d.next_handle = 1;
  return d.handle;
}

void dsTerminate(void) {
  Device& d = device();
  if (d.handle == 0) return;
  d.output.close();
  d.buffers.clear();
  d.handle = 0;
}

int32_t dsCreateDSB(int32_t device_handle, const void* data, int32_t size, int32_t flags) {
  if (size <= 0) return 0;
  return add_buffer(device_handle, static_cast<const uint8_t*>(data), static_cast<size_t>(size),
                    flags);
}

int32_t dsCreateResDSB(int32_t device_handle, const char* name, int32_t flags) {
  if (!name || device().handle == 0) return 0;
  const zv::WholeFile file(name, MAX_FILE_BYTES);
  if (!file.error().empty()) return 0;
  return add_buffer(device_handle, file.data(), file.size(), flags);
}

void dsStop(int32_t buffer) {
  if (Buffer* b = find(buffer)) {
    Locked lock(device().output.lock());
    b->voice.playing = false;
  }
}

void dsFree(int32_t buffer) {
  if (!find(buffer)) return;
  Locked lock(device().output.lock());
  device().buffers[static_cast<size_t>(buffer - 1)].reset();
}

void dsPlay(int32_t buffer) {
  if (Buffer* b = find(buffer)) start(*b, false);
}

void dsPlayPan(int32_t buffer, int32_t pan) {
  if (Buffer* b = find(buffer)) {
    set_pan(*b, pan);
    start(*b, false);
  }
}

void dsPlayLooping(int32_t buffer) {
  if (Buffer* b = find(buffer)) start(*b, true);
}

void dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency) {
  if (Buffer* b = find(buffer)) {
    set_frequency(*b, frequency);
    set_volume(*b, volume);
    set_pan(*b, pan);
    start(*b, false);
  }
}

void dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency) {
  if (Buffer* b = find(buffer)) {
    set_frequency(*b, frequency);
    set_volume(*b, volume);
    set_pan(*b, pan);
    start(*b, true);
  }
}

void dsSetVolume(int32_t buffer, int32_t volume) {
  if (Buffer* b = find(buffer)) set_volume(*b, volume);
}

void dsSetPan(int32_t buffer, int32_t pan) {
  if (Buffer* b = find(buffer)) set_pan(*b, pan);
}

void dsSetFrequency(int32_t buffer, int32_t frequency) {
  if (Buffer* b = find(buffer)) set_frequency(*b, frequency);
}

int32_t dsGetStatus(int32_t buffer) {
  Buffer* b = find(buffer);
  if (!b) return 0;
  Locked lock(device().output.lock());
  if (!b->voice.playing) return 0;
  return DS_STATUS_PLAYING | (b->voice.looping ? DS_STATUS_LOOPING : 0);
}

int32_t dsGetVolume(int32_t buffer) {
  Buffer* b = find(buffer);
  return b ? b->volume : VOLUME_MIN;
}

}  // extern "C"
