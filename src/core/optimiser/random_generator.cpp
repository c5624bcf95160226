#include "optimiser/random_generator.h"

namespace morvane {

std::int32_t RandomGenerator::Random(std::int32_t n) {
  advance();
  const std::uint64_t product = std::uint64_t{state_} * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(product >> 32);
}

Real RandomGenerator::RandomReal() {
  advance();
  return static_cast<Real>(state_) * 0x1p-32L;
}

}  // namespace morvane
