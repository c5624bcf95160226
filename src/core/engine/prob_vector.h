// A distribution of the number in system, indexed -1..501.
// Entry -1 and entry MaxStates + 1 are zero guards so the birth-death
// equations can read n - 1 and n + 1 without tests.
#pragma once

#include <array>

#include "base/real.h"

namespace morvane {

inline constexpr int kLowestIndex = -1;
inline constexpr int kHighestIndex = 501;
inline constexpr int kStateLimit = 500;   // MaxStates never exceeds this
inline constexpr int kVectorSize = kHighestIndex - kLowestIndex + 1;  // 503

template <typename T>
struct BasicProbVector {
  std::array<T, kVectorSize> entries{};

  T& operator[](int n) { return entries[static_cast<std::size_t>(n + 1)]; }
  const T& operator[](int n) const { return entries[static_cast<std::size_t>(n + 1)]; }
  void clear() { entries.fill(T{0}); }
};

using ProbVector = BasicProbVector<Real>;
// The vectors of a run in double precision.
using FastProbVector = BasicProbVector<double>;

}  // namespace morvane
