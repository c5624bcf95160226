#include "engine/day_sweep.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/state_loops.h"

namespace morvane {
namespace {

// Every value is computed with the operands and in the order of the
// stage-by-stage algorithm with rate vectors Lam and Mu, so the extended
// results agree with it to the last bit:
//   Lam[n] = lambda below the top, 0 at the top;  Mu[n] = min(n, s) * ServiceRate.
// When waiting callers hang up (Abandons), Mu[n] adds max(n - s, 0) * theta.
template <typename T, bool Abandons>
struct Stage {
  T lambda;
  std::int32_t servers;
  T serviceRate;
  T halfStep;
  int top;
  T abandon;  // theta

  // The services alone, all of Mu[n] for n <= s.
  T served(int n) const { return static_cast<T>(std::min(n, servers)) * serviceRate; }
  T mu(int n) const {
    if constexpr (Abandons)
      return served(n) + static_cast<T>(std::max(n - servers, 0)) * abandon;
    else
      return served(n);
  }
};

// Calls f(n, p[n-1], p[n], p[n+1]) for n = first..last-1 in increasing order.
// Extended reals are costly to load and store (80-bit x87 moves), far costlier
// than their arithmetic, so their window slides along in registers and each
// entry is loaded once. Doubles are loaded afresh for every state: nothing
// passes from one state to the next, and the loop vectorises.
template <typename T, typename F>
inline void ForNeighbours(const T* __restrict p, int first, int last, F f) {
  if constexpr (kVectorised<T>) {
    for (int n = first; n < last; ++n) f(n, p[n - 1], p[n], p[n + 1]);
  } else {
    T below = p[first - 1];
    T here = p[first];
    for (int n = first; n < last; ++n) {
      const T above = p[n + 1];
      f(n, below, here, above);
      below = here;
      here = above;
    }
  }
}

// Calls emit(n, p[n], D[n]) for n = 0..top in increasing order, D = h/2 * dP(p).
// Each stage reads one vector and writes others.
template <typename T, typename Emit>
inline void StagePass(const T* __restrict p, const Stage<T, false>& stage, Emit emit) {
  const T lambda = stage.lambda;
  const T h = stage.halfStep;
  const int top = stage.top;
  // dP[0] = Mu[1] P[1] - Lam[0] P[0]
  emit(0, p[0], h * (stage.mu(1) * p[1] - lambda * p[0]));
  // 0 < n < s: some servers idle, Mu[n] = n * ServiceRate.
  const int busyFrom = std::clamp(stage.servers, 1, top);
  ForNeighbours(p, 1, busyFrom, [&](int n, T below, T here, T above) {
    emit(n, here,
         h * (lambda * below + stage.served(n + 1) * above - (lambda + stage.served(n)) * here));
  });
  // s <= n < top: all servers busy, Mu[n] = Mu[n + 1] = s * ServiceRate.
  const T busy = stage.mu(busyFrom);
  const T leaving = lambda + busy;
  ForNeighbours(p, busyFrom, top, [&](int n, T below, T here, T above) {
    emit(n, here, h * (lambda * below + busy * above - leaving * here));
  });
  // Top: Lam[top] = 0 and the guards Mu[top + 1] = P[top + 1] = 0 (their product
  // is added: it turns a negative zero into +0, as the full equation does).
  const T zero = 0;
  emit(top, p[top],
       h * (lambda * p[top - 1] + zero * zero - (zero + stage.mu(top)) * p[top]));
}

template <typename T>
using Buffer = std::array<T, kVectorSize>;

template <typename T>
struct WorkVectors {
  Buffer<T> odd;   // X2, then X4
  Buffer<T> even;  // X3
  Buffer<T> sum;   // D1, then D1 + 2 (D2 + D3)
  Buffer<T> d2;
  Buffer<T> next;  // Xnew before it is normalised; then the rises of the change test
};

// Steps 1-6 of one Runge-Kutta step; returns the total of the clipped Xnew.
template <typename T>
T RungeKuttaStep(const T* __restrict x, const Stage<T, false>& start,
                 const Stage<T, false>& middle, const Stage<T, false>& end, WorkVectors<T>& w,
                 std::int32_t& zeroCount) {
  T* __restrict odd = w.odd.data();
  T* __restrict even = w.even.data();
  T* __restrict sum = w.sum.data();
  T* __restrict d2 = w.d2.data();
  T* __restrict next = w.next.data();
  StagePass(x, start, [&](int n, T xn, T d) {
    sum[n] = d;
    odd[n] = xn + d;
  });
  StagePass(odd, middle, [&](int n, T, T d) {
    d2[n] = d;
    even[n] = x[n] + d;
  });
  StagePass(even, middle, [&](int n, T, T d) {
    sum[n] = sum[n] + 2 * (d2[n] + d);
    odd[n] = x[n] + 2 * d;
  });
  // Extended reals are added up on the way (a second pass would load them
  // again), doubles afterwards in the lanes of SumOverStates. Clipping is rare;
  // saying so keeps one more extended constant in registers.
  std::int32_t clipped = 0;
  T total = 0;
  const Divisor<T> three(3);
  StagePass(odd, end, [&](int n, T, T d) {
    T value = x[n] + three.divide(sum[n] + d);
    if (value < 0) [[unlikely]] {
      value = 0;
      ++clipped;
    }
    next[n] = value;
    if constexpr (!kVectorised<T>) total += value;
  });
  zeroCount += clipped;
  if constexpr (kVectorised<T>) total = SumOverStates<T>(end.top, [&](int n) { return next[n]; });
  return total;
}

template <typename T>
T SumTo(const T* vector, int top) {
  return SumOverStates<T>(top, [&](int n) { return vector[n]; });
}

// Solves (I - c A) x = rhs for the generator A of `stage` (c in hours). The
// matrix is tridiagonal with columns that sum to 1 and a positive diagonal, so
// elimination without pivoting is stable and rhs >= 0 gives x >= 0.
template <typename T>
void SolveImplicit(const Stage<T, true>& stage, T c, const T* __restrict rhs, T* __restrict x,
                   T* __restrict ratio) {
  const int top = stage.top;
  const auto up = [&](int n) { return n < top ? stage.lambda : T{0}; };
  T lastRatio = 0, lastX = 0;
  for (int n = 0; n <= top; ++n) {
    const T lower = n > 0 ? -c * up(n - 1) : T{0};
    const T upper = n < top ? -c * stage.mu(n + 1) : T{0};
    const Divisor<T> pivot(1 + c * (up(n) + stage.mu(n)) - lower * lastRatio);
    lastRatio = ratio[n] = pivot.divide(upper);
    lastX = x[n] = pivot.divide(rhs[n] - lower * lastX);
  }
  for (int n = top - 1; n >= 0; --n) x[n] = x[n] - ratio[n] * x[n + 1];
}

// One step when callers hang up. Their rates grow with the queue, so the
// equations are stiff: an explicit step of the usual length diverges in the
// states above the servers. This one is Alexander's two-stage, L-stable,
// stiffly accurate diagonally implicit Runge-Kutta method of order 2:
//   (I - g h A(t + g h)) z = x,  (I - g h A(t + h)) Xnew = x + (1 - g) / g (z - x),
// g = 1 - 1/sqrt(2), the first stage with the servers of the step's start, the
// second stage's right-hand side kept at or above zero. Nothing is ever clipped:
// every solve maps entries at or above zero to entries at or above zero.
// Returns the total of Xnew, left in w.next.
template <typename T>
T ImplicitStep(const T* __restrict x, T lambdaStart, std::int32_t serversStart,
               const Stage<T, true>& end, WorkVectors<T>& w) {
  const T g = 1 - 1 / std::sqrt(T{2});
  const T c = g * 2 * end.halfStep;
  Stage<T, true> first = end;
  first.lambda = lambdaStart + g * (end.lambda - lambdaStart);
  first.servers = serversStart;
  T* __restrict z = w.odd.data();
  T* __restrict rhs = w.even.data();
  T* __restrict next = w.next.data();
  SolveImplicit(first, c, x, z, w.sum.data());
  // A state that empties fast within the step (servers added, demand falling)
  // would extrapolate below zero here; it starts the second stage from zero
  // instead, which keeps every probability of the step at or above zero.
  const T carry = (1 - g) / g;
  for (int n = 0; n <= end.top; ++n) rhs[n] = std::max<T>(x[n] + carry * (z[n] - x[n]), 0);
  SolveImplicit(end, c, rhs, next, w.sum.data());
  return SumTo(next, end.top);
}

// The % rise of a probability against the day before.
template <typename T>
T Rise(T value, T previous) {
  return (value - previous) * 100 / value;
}

// Steps 7-8: normalise Xnew into the step's vector, measuring the change against
// the value it replaces (only rises of values above the threshold count). When
// the day before was left unclosed, that value is first normalised as CloseDay
// would have done it. The extended engine divides only where a change can
// count; the double engine computes every state's rise (in the work vector
// `next`, once read), then the largest.
template <typename T, bool Unclosed>
void StoreStep(T* __restrict next, T total, BasicProbVector<T>& vector, int top, T& maxChange) {
  const T threshold = 0.0001L;
  T* __restrict old = &vector[0];
  const Divisor<T> oldSum(Unclosed ? SumTo(old, top) : 1);
  const Divisor<T> byTotal(total);
  for (int n = 0; n <= top; ++n) {
    const T value = byTotal.divide(next[n]);
    if constexpr (kVectorised<T>) {
      const T previous = Unclosed ? oldSum.divide(old[n]) : old[n];
      const bool counts = value > threshold && previous > threshold && value > previous;
      next[n] = counts ? Rise(value, previous) : T{0};
    } else if (value > threshold) {
      const T previous = Unclosed ? oldSum.divide(old[n]) : old[n];
      // A fall (or no change) never raises the largest change, which starts at 0.
      if (previous > threshold && value > previous)
        maxChange = std::max(maxChange, Rise(value, previous));
    }
    old[n] = value;
  }
  if constexpr (kVectorised<T>)
    maxChange = LargestOverStates<T>(top, maxChange, [&](int n) { return next[n]; });
}

template <typename T>
void Normalise(BasicProbVector<T>& vector, int top) {
  const Divisor<T> sum(SumTo(&vector[0], top));
  for (int n = 0; n <= top; ++n) vector[n] = sum.divide(vector[n]);
}

template <typename T, bool Unclosed, bool Abandons>
DaySweepResult Sweep(std::vector<BasicProbVector<T>>& vectors, const StepResults& steps,
                     Real serviceRate, std::int32_t timeStepSeconds, std::int32_t maxStates,
                     Real abandonRate) {
  if (Unclosed) {
    vectors[0] = vectors[steps.NumSteps];
    Normalise(vectors[0], maxStates);
  }
  const T rate = static_cast<T>(serviceRate);
  const T halfStep = static_cast<T>(timeStepSeconds) / 2 / 3600;
  const T abandon = static_cast<T>(abandonRate);
  WorkVectors<T> work;
  std::int32_t zeroCount = 0;
  T maxChange = 0;
  for (std::int32_t k = 1; k <= steps.NumSteps; ++k) {
    const T lambdaStart = static_cast<T>(steps.StepArrivalRate[k - 1]);
    const T lambdaEnd = static_cast<T>(steps.StepArrivalRate[k]);
    const std::int32_t serversStart = steps.StepServers[k - 1];
    using Rates = Stage<T, Abandons>;
    const Rates end{lambdaEnd, steps.StepServers[k], rate, halfStep, maxStates, abandon};
    T total;
    if constexpr (Abandons) {
      total = ImplicitStep(&vectors[k - 1][0], lambdaStart, serversStart, end, work);
    } else {
      const Rates start{lambdaStart, serversStart, rate, halfStep, maxStates, abandon};
      const Rates middle{(lambdaStart + lambdaEnd) / 2, serversStart, rate, halfStep, maxStates,
                         abandon};
      total = RungeKuttaStep(&vectors[k - 1][0], start, middle, end, work, zeroCount);
    }
    StoreStep<T, Unclosed>(work.next.data(), total, vectors[k], maxStates, maxChange);
  }
  return {maxChange, zeroCount};
}

template <typename T, bool Abandons>
DaySweepResult SweepFrom(std::vector<BasicProbVector<T>>& vectors, const StepResults& steps,
                         Real serviceRate, std::int32_t timeStepSeconds, std::int32_t maxStates,
                         DayStart start, Real abandonRate) {
  return start == DayStart::Unclosed
             ? Sweep<T, true, Abandons>(vectors, steps, serviceRate, timeStepSeconds, maxStates,
                                        abandonRate)
             : Sweep<T, false, Abandons>(vectors, steps, serviceRate, timeStepSeconds, maxStates,
                                         abandonRate);
}

template <typename T>
DaySweepResult SweepIn(std::vector<BasicProbVector<T>>& vectors, const StepResults& steps,
                       Real serviceRate, std::int32_t timeStepSeconds, std::int32_t maxStates,
                       DayStart start, Real abandonRate) {
  return abandonRate > 0 ? SweepFrom<T, true>(vectors, steps, serviceRate, timeStepSeconds,
                                              maxStates, start, abandonRate)
                         : SweepFrom<T, false>(vectors, steps, serviceRate, timeStepSeconds,
                                               maxStates, start, abandonRate);
}

template <typename T>
void Close(std::vector<BasicProbVector<T>>& vectors, std::int32_t numSteps,
           std::int32_t maxStates) {
  vectors[0] = vectors[numSteps];
  for (std::int32_t k = 0; k <= numSteps; ++k) Normalise(vectors[k], maxStates);
}

MORVANE_VECTOR_CLONES
DaySweepResult FastSweep(StepResults& steps, Real serviceRate, std::int32_t timeStepSeconds,
                         std::int32_t maxStates, DayStart start, Real abandonRate) {
  return SweepIn(steps.FastVectors, steps, serviceRate, timeStepSeconds, maxStates, start,
                 abandonRate);
}

MORVANE_VECTOR_CLONES
void FastClose(StepResults& steps, std::int32_t maxStates) {
  Close(steps.FastVectors, steps.NumSteps, maxStates);
}

}  // namespace

DaySweepResult SweepDay(StepResults& steps, Real serviceRate, std::int32_t timeStepSeconds,
                        std::int32_t maxStates, DayStart start, Real abandonRate) {
  if (steps.precision == Precision::Double)
    return FastSweep(steps, serviceRate, timeStepSeconds, maxStates, start, abandonRate);
  return SweepIn(steps.TimeDepVectors, steps, serviceRate, timeStepSeconds, maxStates, start,
                 abandonRate);
}

void CloseDay(StepResults& steps, std::int32_t maxStates) {
  if (steps.precision == Precision::Double)
    FastClose(steps, maxStates);
  else
    Close(steps.TimeDepVectors, steps.NumSteps, maxStates);
}

}  // namespace morvane
