// Where the samples of a RIFF WAVE file are and what form they take, read
// from the bytes in memory without copying them.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zv {

inline constexpr int WAV_PCM = 1, WAV_FLOAT = 3;

struct WavLayout {
  int format = 0;  // WAV_PCM or WAV_FLOAT (also when given as an extensible format)
  int channels = 0;
  int rate = 0;  // frames per second
  int bits = 0;  // per sample
  std::size_t data_offset = 0;
  std::size_t data_size = 0;  // whole frames only
};

// False unless the file has a "fmt " chunk followed by a "data" chunk that
// lies wholly inside `size` bytes.
bool read_wav_layout(const std::uint8_t* bytes, std::size_t size, WavLayout& out);

}  // namespace zv
