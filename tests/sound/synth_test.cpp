// The generator writes six valid RIFF WAVE files of the catalogue's lengths.
#include "sound/synth.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zv {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t le16(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
int16_t sample(const std::vector<unsigned char>& b, size_t i) {
  return static_cast<int16_t>(le16(b, 44 + 2 * i));
}

struct Generated : ::testing::Test {
  static inline fs::path dir;
  static void SetUpTestSuite() {
    dir = fs::temp_directory_path() / ("zv_sounds_" + std::to_string(getpid()));
    fs::remove_all(dir);
    std::string cmd = std::string("\"") + ZORVANE_MAKE_SOUNDS + "\" \"" + dir.string() + "\"";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
  }
  static void TearDownTestSuite() { fs::remove_all(dir); }
};

TEST_F(Generated, EveryFileIsA16BitPcmRiffOfItsLength) {
  const auto& all = synth::catalogue();
  ASSERT_EQ(all.size(), 6u);
  for (const auto& e : all) {
    SCOPED_TRACE(e.file);
    auto b = slurp(dir / e.file);
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
    EXPECT_EQ(le32(b, 4), b.size() - 8);
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1);  // PCM
    EXPECT_EQ(le16(b, 22), 1);  // mono
    EXPECT_EQ(le32(b, 24), static_cast<uint32_t>(synth::RATE));
    EXPECT_EQ(le32(b, 28), static_cast<uint32_t>(synth::RATE) * 2);
    EXPECT_EQ(le16(b, 32), 2);
    EXPECT_EQ(le16(b, 34), 16);
    EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0);
    EXPECT_EQ(le32(b, 40), e.frames * 2);
    EXPECT_EQ(b.size(), 44 + e.frames * 2);
    int peak = 0;
    for (size_t i = 0; i < e.frames; ++i) peak = std::max(peak, std::abs(int{sample(b, i)}));
    EXPECT_GT(peak, 8000);   // audible
    EXPECT_LT(peak, 32767);  // not clipped
  }
}

TEST_F(Generated, LengthsSuitTheirUse) {
  auto seconds = [](const char* file) {
    for (const auto& e : synth::catalogue())
      if (std::strcmp(e.file, file) == 0) return static_cast<double>(e.frames) / synth::RATE;
    return -1.0;
  };
  for (const char* effect : {"その他.wav", "禁止.wav", "ワープ.wav", "駒打音.wav"}) {
    EXPECT_GT(seconds(effect), 0.05) << effect;
    EXPECT_LT(seconds(effect), 2.0) << effect;
  }
  EXPECT_LT(seconds("駒打音.wav"), 0.3);  // a piece put down must not lag the next move
  EXPECT_GE(seconds("BGM.wav"), 20.0);
  EXPECT_LE(seconds("BGM.wav"), 30.0);
  EXPECT_GE(seconds("ENDING.wav"), 10.0);
}

// The effects start and end in silence (no click); the tunes join up where
// they loop, no wider a step than the music takes anywhere inside.
TEST_F(Generated, EffectsHaveNoClicksAndTunesLoopWithoutASeam) {
  for (const char* effect : {"その他.wav", "禁止.wav", "ワープ.wav", "駒打音.wav"}) {
    auto b = slurp(dir / effect);
    size_t n = (b.size() - 44) / 2;
    EXPECT_LT(std::abs(int{sample(b, 0)}), 300) << effect;
    EXPECT_LT(std::abs(int{sample(b, n - 1)}), 300) << effect;
  }
  for (const char* tune : {"BGM.wav", "ENDING.wav"}) {
    auto b = slurp(dir / tune);
    size_t n = (b.size() - 44) / 2;
    long total = 0;
    for (size_t i = 1; i < n; ++i) total += std::abs(sample(b, i) - sample(b, i - 1));
    double mean_step = static_cast<double>(total) / static_cast<double>(n - 1);
    EXPECT_LT(std::abs(sample(b, 0) - sample(b, n - 1)), 3 * mean_step) << tune;
  }
}

TEST(Synth, SameSoundsEveryBuild) {
  EXPECT_EQ(synth::knock(), synth::knock());
  EXPECT_EQ(synth::buzz(), synth::buzz());
}

}  // namespace
}  // namespace zv
