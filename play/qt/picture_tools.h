// Small helpers shared by the picture painters.
#pragma once
#include <cstdint>

namespace zv::shell {

inline constexpr double PI = 3.14159265358979323846;

// A small repeatable generator for textures (never the game's own), so every
// picture comes out the same on every run.
struct Lcg {
  std::uint32_t s;
  double next() {
    s = s * 1664525u + 1013904223u;
    return (s >> 8) * (1.0 / 16777216.0);
  }
  double range(double lo, double hi) { return lo + (hi - lo) * next(); }
};

}  // namespace zv::shell
