#include "engine/day_sweep.h"

#include <algorithm>
#include <array>

namespace morvane {
namespace {

// Extended reals are costly to load and store on x86-64 (80-bit x87 moves), far
// costlier than arithmetic, so each stage is one pass that keeps its window
// p[n-1], p[n], p[n+1] in registers and reads each input entry once. Every
// value is computed with the operands and in the order of the stage-by-stage
// algorithm with rate vectors Lam and Mu, so the results agree to the last bit:
//   Lam[n] = lambda below the top, 0 at the top;  Mu[n] = min(n, s) * ServiceRate.
struct Stage {
  Real lambda;
  std::int32_t servers;
  Real serviceRate;
  Real halfStep;
  int top;

  Real mu(int n) const { return static_cast<Real>(std::min(n, servers)) * serviceRate; }
};

// Calls emit(n, p[n], D[n]) for n = 0..top in increasing order, D = h/2 * dP(p).
// emit may overwrite p[n]: entries are read ahead of it.
template <typename Emit>
inline void StagePass(const Real* p, const Stage& stage, Emit emit) {
  const Real lambda = stage.lambda;
  const Real h = stage.halfStep;
  const int top = stage.top;
  // dP[0] = Mu[1] P[1] - Lam[0] P[0]
  Real below = p[0];
  Real here = p[1];
  emit(0, below, h * (stage.mu(1) * here - lambda * below));
  // 0 < n < s: some servers idle, Mu[n] = n * ServiceRate.
  const int busyFrom = std::clamp(stage.servers, 1, top);
  int n = 1;
  for (; n < busyFrom; ++n) {
    const Real above = p[n + 1];
    const Real d = h * (lambda * below + stage.mu(n + 1) * above - (lambda + stage.mu(n)) * here);
    emit(n, here, d);
    below = here;
    here = above;
  }
  // s <= n < top: all servers busy, Mu[n] = Mu[n + 1] = s * ServiceRate.
  const Real busy = stage.mu(busyFrom);
  const Real leaving = lambda + busy;
  for (; n < top; ++n) {
    const Real above = p[n + 1];
    const Real d = h * (lambda * below + busy * above - leaving * here);
    emit(n, here, d);
    below = here;
    here = above;
  }
  // Top: Lam[top] = 0 and the guards Mu[top + 1] = P[top + 1] = 0 (their product
  // is added: it turns a negative zero into +0, as the full equation does).
  const Real zero = 0;
  emit(top, here, h * (lambda * below + zero * zero - (zero + stage.mu(top)) * here));
}

using Buffer = std::array<Real, kVectorSize>;

struct WorkVectors {
  Buffer stage;  // X2, X3 and X4 in turn, overwritten in place
  Buffer sum;    // D1, then D1 + 2 (D2 + D3)
  Buffer d2;
  Buffer next;   // Xnew before it is normalised
};

// Steps 1-6 of one Runge-Kutta step; returns the total of the clipped Xnew.
Real RungeKuttaStep(const Real* x, const Stage& start, const Stage& middle, const Stage& end,
                    WorkVectors& w, std::int32_t& zeroCount) {
  Real* stage = w.stage.data();
  Real* sum = w.sum.data();
  Real* d2 = w.d2.data();
  StagePass(x, start, [&](int n, Real xn, Real d) {
    sum[n] = d;
    stage[n] = xn + d;
  });
  StagePass(stage, middle, [&](int n, Real, Real d) {
    d2[n] = d;
    stage[n] = x[n] + d;
  });
  StagePass(stage, middle, [&](int n, Real, Real d) {
    sum[n] = sum[n] + 2 * (d2[n] + d);
    stage[n] = x[n] + 2 * d;
  });
  Real total = 0;
  Real* next = w.next.data();
  StagePass(stage, end, [&](int n, Real, Real d) {
    Real value = x[n] + (sum[n] + d) / 3;
    if (value < 0) {
      value = 0;
      ++zeroCount;
    }
    next[n] = value;
    total += value;
  });
  return total;
}

Real SumTo(const Real* vector, int top) {
  Real sum = 0;
  for (int n = 0; n <= top; ++n) sum += vector[n];
  return sum;
}

// Steps 7-8: normalise Xnew into the step's vector, measuring the change against
// the value it replaces (only increases count). When the day before was left
// unclosed, that value is first normalised as CloseDay would have done it; only
// values above the threshold can count, so only those are divided.
template <bool Unclosed>
void StoreStep(const Real* next, Real total, ProbVector& vector, int top, Real& maxChange) {
  const Real threshold = 0.0001L;
  Real* old = &vector[0];
  const Real oldSum = Unclosed ? SumTo(old, top) : 1;
  for (int n = 0; n <= top; ++n) {
    const Real value = next[n] / total;
    if (value > threshold) {
      const Real previous = Unclosed ? old[n] / oldSum : old[n];
      // A fall (or no change) never raises the largest change, which starts at 0.
      if (previous > threshold && value > previous) {
        const Real change = (value - previous) * 100 / value;
        if (change > maxChange) maxChange = change;
      }
    }
    old[n] = value;
  }
}

void Normalise(ProbVector& vector, int top) {
  const Real sum = SumTo(&vector[0], top);
  for (int n = 0; n <= top; ++n) vector[n] /= sum;
}

template <bool Unclosed>
DaySweepResult Sweep(StepResults& steps, Real serviceRate, std::int32_t timeStepSeconds,
                     std::int32_t maxStates) {
  if (Unclosed) {
    steps.TimeDepVectors[0] = steps.TimeDepVectors[steps.NumSteps];
    Normalise(steps.TimeDepVectors[0], maxStates);
  }
  const Real halfStep = static_cast<Real>(timeStepSeconds) / 2 / 3600;
  WorkVectors work;
  DaySweepResult result;
  for (std::int32_t k = 1; k <= steps.NumSteps; ++k) {
    const Real lambdaStart = steps.StepArrivalRate[k - 1];
    const Real lambdaEnd = steps.StepArrivalRate[k];
    const std::int32_t serversStart = steps.StepServers[k - 1];
    const Stage start{lambdaStart, serversStart, serviceRate, halfStep, maxStates};
    const Stage middle{(lambdaStart + lambdaEnd) / 2, serversStart, serviceRate, halfStep,
                       maxStates};
    const Stage end{lambdaEnd, steps.StepServers[k], serviceRate, halfStep, maxStates};
    const Real total = RungeKuttaStep(&steps.TimeDepVectors[k - 1][0], start, middle, end, work,
                                      result.zeroCount);
    StoreStep<Unclosed>(work.next.data(), total, steps.TimeDepVectors[k], maxStates,
                        result.maxChange);
  }
  return result;
}

}  // namespace

DaySweepResult SweepDay(StepResults& steps, Real serviceRate, std::int32_t timeStepSeconds,
                        std::int32_t maxStates, DayStart start) {
  return start == DayStart::Unclosed
             ? Sweep<true>(steps, serviceRate, timeStepSeconds, maxStates)
             : Sweep<false>(steps, serviceRate, timeStepSeconds, maxStates);
}

void CloseDay(StepResults& steps, std::int32_t maxStates) {
  steps.TimeDepVectors[0] = steps.TimeDepVectors[steps.NumSteps];
  for (std::int32_t k = 0; k <= steps.NumSteps; ++k) Normalise(steps.TimeDepVectors[k], maxStates);
}

}  // namespace morvane
