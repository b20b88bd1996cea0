// The sound library behind the ds interface: SDL's audio device fed by our
// own mixer (mixer.h), one voice per buffer, so a buffer's volume, pan,
// rate and looping never disturb another.
#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "sound/ds.h"
#include "sound/mixer.h"
#include "sound/pcm_format.h"
#include "sound/wav_header.h"

namespace {

// The device runs at the game's own rate, so its sounds load as they are;
// SDL adapts the mixed stream to the hardware. Stereo, so pan has a meaning.
constexpr int OUTPUT_RATE = zv::SOUND_RATE;
constexpr int OUTPUT_CHANNELS = 2;
constexpr int NO_CHANGES = 0;
// Frames per mixing period: about 23 ms of latency. Closing the device waits
// for about three periods, so the driver without hardware (tests, scripted
// sessions) gets short ones.
constexpr int OUTPUT_CHUNK = 512;
constexpr int DUMMY_CHUNK = 128;
constexpr int32_t VOLUME_MIN = -10000, VOLUME_MAX = 0;  // hundredths of a decibel
constexpr int32_t PAN_MAX = 10000;
constexpr int32_t FREQUENCY_MIN = 100, FREQUENCY_MAX = 200000;
constexpr int WAV_PCM = 1;
constexpr const char* ALSA_LIBRARY = "libasound.so.2";

struct Buffer {
  zv::mixer::Voice voice;
  int32_t flags = 0;
  int32_t volume = VOLUME_MAX, pan = 0;
};

// A C interface hands out plain integers, so the library keeps one table of
// what they stand for. The game calls from one thread; the audio thread
// reads the table only while the device is locked.
struct Device {
  int32_t handle = 0;  // 0 while closed
  int32_t next_handle = 1;
  SDL_AudioDeviceID id = 0;
  std::vector<float> sum;  // one period of the mix
  std::vector<std::unique_ptr<Buffer>> buffers;  // handle h is buffers[h - 1]
  void* alsa = nullptr;  // held while its error handler is ours
};

Device& device() {
  static Device d;
  return d;
}

class Locked {
 public:
  Locked() : id_(device().id) { SDL_LockAudioDevice(id_); }
  ~Locked() { SDL_UnlockAudioDevice(id_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SDL_AudioDeviceID id_;
};

Buffer* find(int32_t handle) {
  Device& d = device();
  if (d.handle == 0 || handle <= 0 || static_cast<size_t>(handle) > d.buffers.size()) return nullptr;
  return d.buffers[static_cast<size_t>(handle - 1)].get();
}

// Runs on the audio thread with the device locked.
void fill(void*, Uint8* stream, int len) {
  Device& d = device();
  auto* out = reinterpret_cast<int16_t*>(stream);
  size_t frames = static_cast<size_t>(len) / (sizeof(int16_t) * OUTPUT_CHANNELS);
  const size_t period = d.sum.size() / OUTPUT_CHANNELS;
  while (frames > 0) {
    const size_t n = std::min(frames, period);
    std::fill(d.sum.begin(), d.sum.begin() + static_cast<std::ptrdiff_t>(n * OUTPUT_CHANNELS), 0.0f);
    for (auto& b : d.buffers)
      if (b && b->voice.playing) zv::mixer::add_voice(b->voice, d.sum.data(), n);
    zv::mixer::to_pcm16(d.sum.data(), out, n * OUTPUT_CHANNELS);
    out += n * OUTPUT_CHANNELS;
    frames -= n;
  }
}

bool little_endian() { return SDL_BYTEORDER == SDL_LIL_ENDIAN; }

// Samples already in the device's form are copied once, as they are.
bool take_as_is(const Uint8* data, const zv::WavLayout& wav, zv::mixer::Voice& v) {
  if (wav.format != WAV_PCM || wav.bits != 16 || wav.rate != OUTPUT_RATE ||
      (wav.channels != 1 && wav.channels != 2) || wav.data_size == 0 || !little_endian())
    return false;
  v.channels = wav.channels;
  v.samples.resize(wav.data_size / sizeof(int16_t));
  std::memcpy(v.samples.data(), data + wav.data_offset, wav.data_size);
  return true;
}

// Anything else goes through SDL's loader and converter.
bool convert(const Uint8* data, size_t size, zv::mixer::Voice& v) {
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (!rw) return false;
  SDL_AudioSpec spec{};
  Uint8* raw = nullptr;
  Uint32 raw_len = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &spec, &raw, &raw_len)) return false;
  const int channels = std::min<int>(spec.channels, OUTPUT_CHANNELS);
  SDL_AudioCVT cvt;
  bool ok = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                              static_cast<Uint8>(channels), OUTPUT_RATE) >= 0;
  std::vector<Uint8> work;
  if (ok) {
    work.resize(static_cast<size_t>(raw_len) * static_cast<size_t>(std::max(cvt.len_mult, 1)));
    std::memcpy(work.data(), raw, raw_len);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(raw_len);
    ok = cvt.needed == 0 || SDL_ConvertAudio(&cvt) == 0;
  }
  SDL_FreeWAV(raw);
  if (!ok) return false;
  const size_t bytes = cvt.needed ? static_cast<size_t>(cvt.len_cvt) : raw_len;
  if (bytes < sizeof(int16_t) * static_cast<size_t>(channels)) return false;
  v.channels = channels;
  v.samples.resize(bytes / sizeof(int16_t));
  std::memcpy(v.samples.data(), work.data(), v.samples.size() * sizeof(int16_t));
  return true;
}

int32_t add_buffer(int32_t device_handle, const Uint8* data, size_t size, int32_t flags) {
  Device& d = device();
  if (d.handle == 0 || device_handle != d.handle || !data || size == 0 ||
      size > static_cast<size_t>(INT32_MAX))
    return 0;
  auto b = std::make_unique<Buffer>();
  zv::WavLayout wav;
  const bool direct = zv::read_wav_layout(data, size, wav) && take_as_is(data, wav, b->voice);
  if (!direct && !convert(data, size, b->voice)) return 0;
  b->flags = flags;
  Locked lock;
  d.buffers.push_back(std::move(b));
  return static_cast<int32_t>(d.buffers.size());
}

void start(Buffer& b, bool loop) {
  Locked lock;
  zv::mixer::Voice& v = b.voice;
  if (v.playing && !(b.flags & DS_FLAG_RESTART) && v.looping == loop) return;
  v.looping = loop;
  v.position = 0;
  v.playing = true;
}

// Volume and pan meet in the gain of each side: a pan attenuates the far side.
void apply_gains(Buffer& b) {
  const float level = zv::mixer::gain_of(b.volume);
  Locked lock;
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
  const double rate = frequency == 0 ? OUTPUT_RATE : std::clamp(frequency, FREQUENCY_MIN, FREQUENCY_MAX);
  Locked lock;
  b.voice.step = rate / OUTPUT_RATE;
}

// ALSA tells of a missing sound card in ten lines of its own on stderr; the
// library says it in one (say_no_sound).
void silent_alsa(const char*, int, const char*, int, const char*, ...) {}
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using AlsaSetHandler = int (*)(AlsaErrorHandler);

void hush_alsa(Device& d) {
  if (d.alsa) return;
  d.alsa = dlopen(ALSA_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);  // only if SDL uses it
  if (!d.alsa) return;
  if (auto set = reinterpret_cast<AlsaSetHandler>(dlsym(d.alsa, "snd_lib_error_set_handler")))
    set(&silent_alsa);
}

// Before this library may be unloaded, ALSA gets its own handler back.
void unhush_alsa(Device& d) {
  if (!d.alsa) return;
  if (auto set = reinterpret_cast<AlsaSetHandler>(dlsym(d.alsa, "snd_lib_error_set_handler")))
    set(nullptr);
  dlclose(d.alsa);
  d.alsa = nullptr;
}

int32_t say_no_sound() {
  std::fprintf(stderr, "zorvane: no sound: %s\n", SDL_GetError());
  return 0;
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t) {
  Device& d = device();
  if (d.handle != 0) return d.handle;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return say_no_sound();
  hush_alsa(d);
  const char* driver = SDL_GetCurrentAudioDriver();
  SDL_AudioSpec want{};
  want.freq = OUTPUT_RATE;
  want.format = AUDIO_S16SYS;
  want.channels = OUTPUT_CHANNELS;
  want.samples = driver && std::strcmp(driver, "dummy") == 0 ? DUMMY_CHUNK : OUTPUT_CHUNK;
  want.callback = fill;
  SDL_AudioSpec have{};
  d.sum.assign(static_cast<size_t>(want.samples) * OUTPUT_CHANNELS, 0.0f);
  d.id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, NO_CHANGES);
  if (d.id == 0) {
    say_no_sound();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    unhush_alsa(d);
    return 0;
  }
  d.handle = d.next_handle++;
  if (d.next_handle <= 0) d.next_handle = 1;
  SDL_PauseAudioDevice(d.id, 0);
  return d.handle;
}

void dsTerminate(void) {
  Device& d = device();
  if (d.handle == 0) return;
  SDL_CloseAudioDevice(d.id);
  d.id = 0;
  d.buffers.clear();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  unhush_alsa(d);
  d.handle = 0;
}

int32_t dsCreateDSB(int32_t device_handle, const void* data, int32_t size, int32_t flags) {
  if (size <= 0) return 0;
  return add_buffer(device_handle, static_cast<const Uint8*>(data), static_cast<size_t>(size), flags);
}

int32_t dsCreateResDSB(int32_t device_handle, const char* name, int32_t flags) {
  if (!name || device().handle == 0) return 0;
  size_t size = 0;
  void* data = SDL_LoadFile(name, &size);
  if (!data) return 0;
  int32_t h = add_buffer(device_handle, static_cast<const Uint8*>(data), size, flags);
  SDL_free(data);
  return h;
}

void dsStop(int32_t buffer) {
  if (Buffer* b = find(buffer)) {
    Locked lock;
    b->voice.playing = false;
  }
}

void dsFree(int32_t buffer) {
  if (!find(buffer)) return;
  Locked lock;
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
  Locked lock;
  if (!b->voice.playing) return 0;
  return DS_STATUS_PLAYING | (b->voice.looping ? DS_STATUS_LOOPING : 0);
}

int32_t dsGetVolume(int32_t buffer) {
  Buffer* b = find(buffer);
  return b ? b->volume : VOLUME_MIN;
}

}  // extern "C"
