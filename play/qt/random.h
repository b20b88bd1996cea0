// The game's uniform generator: a Mersenne twister seeded once.
#pragma once
#include <cstdint>
#include <random>

#include "model/ports.h"

namespace zv::shell {

class MtRandom final : public Random {
 public:
  explicit MtRandom(std::uint32_t seed) : gen_(seed) {}
  void reseed(std::uint32_t seed) { gen_.seed(seed); }
  // 53 random bits, so the value is always below 1.
  double next() override {
    const std::uint64_t a = gen_() >> 5, b = gen_() >> 6;
    return (static_cast<double>(a) * 67108864.0 + static_cast<double>(b)) *
           (1.0 / 9007199254740992.0);
  }

 private:
  std::mt19937 gen_;
};

}  // namespace zv::shell
