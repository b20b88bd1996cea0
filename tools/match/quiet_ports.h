// Ports for games nobody watches: the game's own null ports draw, sound and
// ask nothing; here the clock stands still and the warp squares come from a
// seeded generator.
#pragma once
#include <cstdint>
#include <random>

#include "model/ports.h"

namespace zv::match {

// Noon, always: the time digit of the warp placement is then fixed and the
// seeded generator alone decides.
struct StillClock : Clock {
  static constexpr double NOON = 43200;
  double now() override { return NOON; }
  void sleep(double) override {}
};
struct SeededRandom : Random {
  std::mt19937_64 engine;
  explicit SeededRandom(std::uint64_t seed) : engine(seed) {}
  double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }
};

}  // namespace zv::match
