// The sound library behind the ds interface, on SDL2_mixer: one mixer channel
// per buffer, so a buffer's volume, pan and looping never disturb another.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "sound/ds.h"

namespace {

constexpr int OUTPUT_RATE = 44100;
constexpr int OUTPUT_CHANNELS = 2;
constexpr int OUTPUT_CHUNK = 2048;
constexpr int32_t VOLUME_MIN = -10000, VOLUME_MAX = 0;  // hundredths of a decibel
constexpr int32_t PAN_MAX = 10000;
constexpr int32_t FREQUENCY_MIN = 100, FREQUENCY_MAX = 200000;

struct Buffer {
  Mix_Chunk* original = nullptr;  // as decoded
  Mix_Chunk* playing = nullptr;   // original, or a resampled copy for another frequency
  std::vector<Uint8> resampled;   // owns the copy's samples
  int channel = 0;
  int32_t flags = 0;
  int32_t source_rate = 0;  // the file's own rate; 0 when unknown
  bool looping = false;

  ~Buffer() {
    if (playing != original) Mix_FreeChunk(playing);
    Mix_FreeChunk(original);
  }
};

// A C interface hands out plain integers, so the library keeps one table of
// what they stand for. The game is single-threaded; so is this table.
struct Device {
  int32_t handle = 0;  // 0 while closed
  int32_t next_handle = 1;
  Uint16 format = 0;
  int channels = 0;
  std::vector<std::unique_ptr<Buffer>> buffers;  // handle h is buffers[h - 1]
};

Device& device() {
  static Device d;
  return d;
}

Buffer* find(int32_t handle) {
  Device& d = device();
  if (d.handle == 0 || handle <= 0 || static_cast<size_t>(handle) > d.buffers.size()) return nullptr;
  return d.buffers[static_cast<size_t>(handle - 1)].get();
}

uint32_t read_le32(const Uint8* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The sample rate in the "fmt " chunk of a RIFF WAVE file, 0 when not found.
int32_t wav_sample_rate(const Uint8* data, size_t size) {
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return 0;
  size_t pos = 12;
  while (size - pos >= 8) {
    uint32_t len = read_le32(data + pos + 4);
    if (std::memcmp(data + pos, "fmt ", 4) == 0) {
      if (len < 8 || size - pos - 8 < 8) return 0;
      uint32_t rate = read_le32(data + pos + 12);
      return rate <= static_cast<uint32_t>(FREQUENCY_MAX) ? static_cast<int32_t>(rate) : 0;
    }
    size_t step = 8 + static_cast<size_t>(len) + (len & 1);
    if (step > size - pos) return 0;
    pos += step;
  }
  return 0;
}

int32_t add_buffer(int32_t device_handle, const Uint8* data, size_t size, int32_t flags) {
  Device& d = device();
  if (d.handle == 0 || device_handle != d.handle || !data || size == 0 ||
      size > static_cast<size_t>(INT32_MAX))
    return 0;
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (!rw) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
  if (!chunk) return 0;
  int channel = static_cast<int>(d.buffers.size());
  if (Mix_AllocateChannels(channel + 1) < channel + 1) {
    Mix_FreeChunk(chunk);
    return 0;
  }
  auto b = std::make_unique<Buffer>();
  b->original = b->playing = chunk;
  b->channel = channel;
  b->flags = flags;
  b->source_rate = wav_sample_rate(data, size);
  Mix_Volume(channel, MIX_MAX_VOLUME);
  Mix_UnregisterAllEffects(channel);
  d.buffers.push_back(std::move(b));
  return static_cast<int32_t>(d.buffers.size());
}

void start(Buffer& b, bool loop) {
  if (Mix_Playing(b.channel) && !(b.flags & DS_FLAG_RESTART) && b.looping == loop) return;
  b.looping = loop;
  Mix_PlayChannel(b.channel, b.playing, loop ? -1 : 0);
}

double gain_of(int32_t hundredths_db) { return std::pow(10.0, hundredths_db / 2000.0); }

void set_volume(Buffer& b, int32_t volume) {
  volume = std::clamp(volume, VOLUME_MIN, VOLUME_MAX);
  int v = volume == VOLUME_MIN ? 0 : static_cast<int>(std::lround(MIX_MAX_VOLUME * gain_of(volume)));
  Mix_Volume(b.channel, v);
}

void set_pan(Buffer& b, int32_t pan) {
  pan = std::clamp(pan, -PAN_MAX, PAN_MAX);
  // The far side is attenuated, as a pan in decibels does.
  auto level = [](int32_t att) {
    return static_cast<Uint8>(att >= PAN_MAX ? 0 : std::lround(255 * gain_of(-att)));
  };
  Mix_SetPanning(b.channel, level(std::max(pan, 0)), level(std::max(-pan, 0)));
}

// Plays the sound at another rate by resampling the decoded samples; a
// buffer that is sounding starts again at the new rate.
void set_frequency(Buffer& b, int32_t frequency) {
  Device& d = device();
  bool was_playing = Mix_Playing(b.channel) != 0;
  Mix_HaltChannel(b.channel);
  if (b.playing != b.original) {
    Mix_FreeChunk(b.playing);
    b.playing = b.original;
    b.resampled.clear();
  }
  int32_t source = b.source_rate > 0 ? b.source_rate : OUTPUT_RATE;
  if (frequency != 0) frequency = std::clamp(frequency, FREQUENCY_MIN, FREQUENCY_MAX);
  if (frequency != 0 && frequency != source && d.format == AUDIO_S16SYS && d.channels > 0) {
    const auto* in = reinterpret_cast<const Sint16*>(b.original->abuf);
    size_t ch = static_cast<size_t>(d.channels);
    size_t frames_in = b.original->alen / (2 * ch);
    double step = static_cast<double>(frequency) / source;
    size_t frames_out = static_cast<size_t>(frames_in / step);
    if (frames_in > 0 && frames_out > 0) {
      b.resampled.resize(frames_out * ch * 2);
      auto* out = reinterpret_cast<Sint16*>(b.resampled.data());
      for (size_t i = 0; i < frames_out; ++i) {
        double pos = i * step;
        size_t j = std::min(static_cast<size_t>(pos), frames_in - 1);
        size_t k = std::min(j + 1, frames_in - 1);
        double t = pos - static_cast<double>(j);
        for (size_t c = 0; c < ch; ++c)
          out[i * ch + c] = static_cast<Sint16>(std::lround(in[j * ch + c] * (1 - t) + in[k * ch + c] * t));
      }
      Mix_Chunk* copy = Mix_QuickLoad_RAW(b.resampled.data(), static_cast<Uint32>(b.resampled.size()));
      if (copy) {
        copy->volume = b.original->volume;
        b.playing = copy;
      } else {
        b.resampled.clear();
      }
    }
  }
  if (was_playing) Mix_PlayChannel(b.channel, b.playing, b.looping ? -1 : 0);
}

void release(Buffer& b) {
  Mix_HaltChannel(b.channel);
  Mix_UnregisterAllEffects(b.channel);
  Mix_Volume(b.channel, MIX_MAX_VOLUME);
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t) {
  Device& d = device();
  if (d.handle != 0) return d.handle;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(OUTPUT_RATE, AUDIO_S16SYS, OUTPUT_CHANNELS, OUTPUT_CHUNK) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  int rate = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&rate, &format, &channels);
  d.format = format;
  d.channels = channels;
  Mix_AllocateChannels(0);
  d.handle = d.next_handle++;
  if (d.next_handle <= 0) d.next_handle = 1;
  return d.handle;
}

void dsTerminate(void) {
  Device& d = device();
  if (d.handle == 0) return;
  for (auto& b : d.buffers)
    if (b) release(*b);
  d.buffers.clear();
  Mix_AllocateChannels(0);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  // SDL keeps some memory until SDL_Quit, even with every subsystem closed;
  // the library may be unloaded next, and that memory would be lost for good.
  if (SDL_WasInit(0) == 0) SDL_Quit();
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
  if (Buffer* b = find(buffer)) Mix_HaltChannel(b->channel);
}

void dsFree(int32_t buffer) {
  Buffer* b = find(buffer);
  if (!b) return;
  release(*b);
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

}  // extern "C"
