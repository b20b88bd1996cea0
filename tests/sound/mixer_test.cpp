// The library's mixer: exact sums on each side, one-shot ends, seamless
// loops, other rates and clipping.
#include "sound/mixer.h"

#include <gtest/gtest.h>

#include <vector>

namespace zv::mixer {
namespace {

std::vector<float> mixed(Voice& v, std::size_t frames) {
  std::vector<float> sum(2 * frames, 0.0f);
  add_voice(v, sum.data(), frames);
  return sum;
}

TEST(Mixer, MonoGoesToBothSidesWithTheirGainsAndStopsAtItsEnd) {
  Voice v;
  v.samples = {100, -200, 300};
  v.left = 1;
  v.right = 0.5f;
  v.playing = true;
  EXPECT_EQ(mixed(v, 5), (std::vector<float>{100, 50, -200, -100, 300, 150, 0, 0, 0, 0}));
  EXPECT_FALSE(v.playing);
  EXPECT_EQ(v.position, 0);
  EXPECT_EQ(mixed(v, 2), (std::vector<float>(4, 0.0f))) << "a stopped voice adds nothing";
}

TEST(Mixer, LoopsWithoutASeamAcrossPeriods) {
  Voice v;
  v.samples = {1, 2, 3};
  v.playing = v.looping = true;
  std::vector<float> left;
  for (int period = 0; period < 3; ++period) {
    const auto s = mixed(v, 3 + period);  // periods that do not divide the sound
    for (std::size_t i = 0; i < s.size(); i += 2) left.push_back(s[i]);
  }
  EXPECT_EQ(left, (std::vector<float>{1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3}));
  EXPECT_TRUE(v.playing);
}

TEST(Mixer, StereoKeepsItsSidesAndOtherRatesStepThrough) {
  Voice st;
  st.channels = 2;
  st.samples = {10, -10, 20, -20};
  st.playing = true;
  EXPECT_EQ(mixed(st, 2), (std::vector<float>{10, -10, 20, -20}));

  Voice twice;
  twice.samples = {0, 100, 200, 300};
  twice.step = 2;
  twice.playing = true;
  EXPECT_EQ(mixed(twice, 3), (std::vector<float>{0, 0, 200, 200, 0, 0}));

  Voice half;
  half.samples = {0, 100};
  half.step = 0.5;
  half.playing = true;
  EXPECT_EQ(mixed(half, 4), (std::vector<float>{0, 0, 50, 50, 100, 100, 100, 100}));
}

TEST(Mixer, SumsAreClippedToSixteenBitsAndLevelsAreDecibels) {
  const std::vector<float> sum = {40000, -40000, 1234.4f, -0.6f};
  std::vector<std::int16_t> out(sum.size());
  to_pcm16(sum.data(), out.data(), out.size());
  EXPECT_EQ(out, (std::vector<std::int16_t>{32767, -32768, 1234, -1}));
  EXPECT_EQ(gain_of(0), 1.0f);
  EXPECT_EQ(gain_of(-10000), 0.0f);
  EXPECT_EQ(gain_of(-20000), 0.0f);
  EXPECT_NEAR(gain_of(-600), 0.501, 0.001);
}

}  // namespace
}  // namespace zv::mixer
