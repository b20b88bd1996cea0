// Ports for games nobody watches: nothing is drawn or heard, the clock stands
// still and the warp squares come from a seeded generator.
#pragma once
#include <cstdint>
#include <random>

#include "model/ports.h"

namespace zv::match {

struct QuietCanvas : Canvas {
  void picture(int, double, double) override {}
  void box(int, double, double, double, double) override {}
  void text(double, double, std::string_view, int, double, bool) override {}
  void refresh() override {}
};
struct QuietSound : Sound {
  void play(SoundId) override {}
  void loop(SoundId) override {}
  void stop(SoundId) override {}
};
struct QuietDialogs : Dialogs {
  Answer show(std::string_view, std::string_view, Buttons) override { return Answer::Ok; }
};
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
