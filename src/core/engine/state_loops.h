// How the per-state loops of the time-dependent engine treat their number
// type. The extended engine's results are fixed to the last bit: it adds in
// increasing n, one term at a time, divides where the equations divide, and
// only where a test lets it. The double engine is written for speed: it adds
// in eight interleaved partial sums, multiplies by reciprocals, and computes
// every state before it selects, so that its loops vectorise. Its order is
// fixed by the source, so its results do not depend on the instructions the
// processor offers; they agree with the extended ones to about 1e-15.
#pragma once

#include <array>

namespace morvane {

template <typename T>
inline constexpr bool kVectorised = false;
template <>
inline constexpr bool kVectorised<double> = true;

// Partial sums (and maxima) a loop keeps apart.
template <typename T>
inline constexpr int kLanes = kVectorised<T> ? 8 : 1;

// combine(...combine(start, term(0))..., term(last)) with one running value per
// lane, lane i taking the terms n = i (mod kLanes), then the lanes in order.
// With one lane it is the plain loop in increasing n.
template <typename T, typename Term, typename Combine>
inline T FoldOverStates(int last, T start, Term term, Combine combine) {
  constexpr int lanes = kLanes<T>;
  std::array<T, lanes> part;
  part.fill(start);
  int n = 0;
  for (; n + lanes - 1 <= last; n += lanes)
    for (int i = 0; i < lanes; ++i) part[i] = combine(part[i], term(n + i));
  for (int i = 0; n + i <= last; ++i) part[i] = combine(part[i], term(n + i));
  T result = part[0];
  for (int i = 1; i < lanes; ++i) result = combine(result, part[i]);
  return result;
}

// term(0) + ... + term(last).
template <typename T, typename Term>
inline T SumOverStates(int last, Term term) {
  return FoldOverStates<T>(last, T{0}, term, [](T sum, T value) { return sum + value; });
}

// The largest of start, term(0), ..., term(last); a NaN term never counts.
template <typename T, typename Term>
inline T LargestOverStates(int last, T start, Term term) {
  return FoldOverStates<T>(last, start, term,
                       [](T largest, T value) { return value > largest ? value : largest; });
}

// Division by a value that a loop keeps: a division for extended reals, a
// multiplication by the reciprocal for doubles (a division costs as much as
// several multiplications and does not pipeline as well).
template <typename T>
class Divisor {
 public:
  explicit Divisor(T divisor) : by_(kVectorised<T> ? 1 / divisor : divisor) {}
  T divide(T value) const {
    if constexpr (kVectorised<T>)
      return value * by_;
    else
      return value / by_;
  }

 private:
  T by_;  // the divisor, or its reciprocal
};

// The term after `term` in a series whose terms grow by factor / divisor. In
// double precision the ratio comes first, so the division does not wait for
// the term before.
template <typename T>
T NextTerm(T term, T factor, T divisor) {
  if constexpr (kVectorised<T>)
    return term * (factor / divisor);
  else
    return term * factor / divisor;
}

}  // namespace morvane

// The double engine's entry points are compiled twice, for baseline x86-64 and
// for AVX2, and the program takes the one the processor runs when it starts.
// Everything they call is compiled into them. AVX2 brings no fused
// multiply-add here, so both give the same results to the last bit.
#if defined(__x86_64__)
#define MORVANE_VECTOR_CLONES [[gnu::target_clones("avx2", "default"), gnu::flatten]]
#else
#define MORVANE_VECTOR_CLONES [[gnu::flatten]]
#endif
