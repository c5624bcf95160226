// The one random generator of an optimisation run: a 32-bit linear
// congruential generator, so a run is reproducible from its seed and inputs.
//   state <- state * 134775813 + 1  (mod 2^32)
// An integer draw Random(n) is the upper 32 bits of state * n, a value in
// 0..n-1; a real draw is state * 2^-32, a value in [0, 1). Each draw advances
// the state first.
#pragma once

#include <cstdint>

#include "base/real.h"

namespace morvane {

class RandomGenerator {
 public:
  void seed(std::int32_t seed) { state_ = static_cast<std::uint32_t>(seed); }
  std::uint32_t state() const { return state_; }

  // A value in 0..n-1 for n >= 1 (0 for n = 0).
  std::int32_t Random(std::int32_t n);
  // A value in [0, 1).
  Real RandomReal();

 private:
  void advance() { state_ = state_ * 134775813u + 1u; }
  std::uint32_t state_ = 0;
};

}  // namespace morvane
