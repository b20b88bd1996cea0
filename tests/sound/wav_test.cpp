// Reading WAV files for the library: the game's own form is taken as it is,
// other PCM forms are converted to 16-bit at the output rate, and anything
// cut short or unknown is refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sound/wav_decode.h"
#include "sound/wav_header.h"

namespace zv {
namespace {

// A RIFF WAVE file; `extra` chunks go between "fmt " and "data".
std::vector<std::uint8_t> wav(int format, int channels, int rate, int bits,
                              const std::vector<std::uint8_t>& data,
                              const std::string& extra = "") {
  std::vector<std::uint8_t> b;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&](int v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
  };
  tag("RIFF");
  u32(0);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(format);
  u16(channels);
  u32(static_cast<std::uint32_t>(rate));
  u32(static_cast<std::uint32_t>(rate * channels * bits / 8));
  u16(channels * bits / 8);
  u16(bits);
  b.insert(b.end(), extra.begin(), extra.end());
  tag("data");
  u32(static_cast<std::uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

TEST(Wav, TheGamesOwnFormIsTakenAsItIsAndOddChunksAreSkipped) {
  // A "LIST" chunk of odd length carries a pad byte.
  const std::string list(
      "LIST\x03\x00\x00\x00"
      "abc\x00",
      12);
  const auto bytes = wav(WAV_PCM, 1, 22050, 16, {0x01, 0x00, 0xff, 0xff, 0x00, 0x80}, list);
  mixer::Voice v;
  ASSERT_TRUE(decode_wav(bytes.data(), bytes.size(), 22050, v));
  EXPECT_EQ(v.channels, 1);
  EXPECT_EQ(v.samples, (std::vector<std::int16_t>{1, -1, -32768}));
}

TEST(Wav, OtherFormsAreConvertedToSixteenBitsAtTheOutputRate) {
  // 8-bit unsigned stereo at twice the rate: every other frame, both sides.
  const auto eight = wav(WAV_PCM, 2, 44100, 8, {192, 64, 0, 0, 255, 128, 0, 0});
  mixer::Voice v;
  ASSERT_TRUE(decode_wav(eight.data(), eight.size(), 22050, v));
  EXPECT_EQ(v.channels, 2);
  EXPECT_EQ(v.samples, (std::vector<std::int16_t>{16384, -16384, 32512, 0}));

  // Three channels keep the first two; half the rate fills in between.
  const auto three = wav(WAV_PCM, 3, 11025, 16, {0, 0, 0, 0, 9, 9, 0, 16, 0, 32, 9, 9});
  ASSERT_TRUE(decode_wav(three.data(), three.size(), 22050, v));
  EXPECT_EQ(v.channels, 2);
  EXPECT_EQ(v.samples, (std::vector<std::int16_t>{0, 0, 2048, 4096, 4096, 8192}));

  // 32-bit float, given as an extensible format.
  auto floats = wav(0xFFFE, 1, 22050, 32, {0, 0, 0, 0x3f, 0, 0, 0x80, 0xbf});  // 0.5, -1
  floats[16] = 40;  // a 40-byte "fmt " chunk: sub-format at its byte 24
  std::vector<std::uint8_t> ext(24, 0);
  ext[8] = WAV_FLOAT;
  floats.insert(floats.begin() + 36, ext.begin(), ext.end());
  ASSERT_TRUE(decode_wav(floats.data(), floats.size(), 22050, v));
  EXPECT_EQ(v.samples, (std::vector<std::int16_t>{16384, -32768}));
}

TEST(Wav, CutShortUnknownOrEmptyIsRefused) {
  mixer::Voice v;
  const auto good = wav(WAV_PCM, 1, 22050, 16, {1, 0, 2, 0});
  EXPECT_FALSE(decode_wav(good.data(), good.size() - 1, 22050, v)) << "data cut short";
  EXPECT_FALSE(decode_wav(good.data(), 30, 22050, v)) << "inside the header";
  const auto adpcm = wav(2, 1, 22050, 4, {1, 2, 3, 4});
  EXPECT_FALSE(decode_wav(adpcm.data(), adpcm.size(), 22050, v));
  const auto empty = wav(WAV_PCM, 1, 22050, 16, {});
  EXPECT_FALSE(decode_wav(empty.data(), empty.size(), 22050, v));
  const auto slow = wav(WAV_PCM, 1, 10, 16, {1, 0});
  EXPECT_FALSE(decode_wav(slow.data(), slow.size(), 22050, v)) << "a rate no sound has";
}

}  // namespace
}  // namespace zv
