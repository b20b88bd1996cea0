#include "sound/wav_header.h"

#include <cstring>

namespace zv {

namespace {

constexpr std::size_t RIFF_HEADER = 12, CHUNK_HEADER = 8, FMT_MIN = 16, FMT_EXTENSIBLE = 40;
constexpr int FORMAT_EXTENSIBLE = 0xFFFE;

std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
int le16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}

}  // namespace

bool read_wav_layout(const std::uint8_t* bytes, std::size_t size, WavLayout& out) {
  if (!bytes || size < RIFF_HEADER || std::memcmp(bytes, "RIFF", 4) != 0 ||
      std::memcmp(bytes + 8, "WAVE", 4) != 0)
    return false;
  WavLayout w;
  bool have_fmt = false;
  std::size_t pos = RIFF_HEADER;
  while (size - pos >= CHUNK_HEADER) {
    const std::uint8_t* chunk = bytes + pos;
    const std::size_t len = le32(chunk + 4);
    const std::size_t room = size - pos - CHUNK_HEADER;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (len < FMT_MIN || len > room) return false;
      w.format = le16(chunk + 8);
      w.channels = le16(chunk + 10);
      w.rate = static_cast<int>(le32(chunk + 12) & 0x7fffffff);
      w.bits = le16(chunk + 22);
      // WAVE_FORMAT_EXTENSIBLE names the real format in its sub-format.
      if (w.format == FORMAT_EXTENSIBLE && len >= FMT_EXTENSIBLE) w.format = le16(chunk + 32);
      have_fmt = w.channels > 0 && w.bits > 0;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!have_fmt || len > room) return false;
      const std::size_t frame = static_cast<std::size_t>(w.channels) * ((w.bits + 7) / 8);
      w.data_offset = pos + CHUNK_HEADER;
      w.data_size = len - len % frame;
      out = w;
      return true;
    }
    const std::size_t step = CHUNK_HEADER + len + (len & 1);
    if (step > size - pos) return false;
    pos += step;
  }
  return false;
}

}  // namespace zv
