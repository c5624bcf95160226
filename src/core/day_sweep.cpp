#include "core/day_sweep.h"

#include <algorithm>
#include <array>

namespace morvane {
namespace {

using Buffer = std::array<Real, kVectorSize>;

// Rates of one stage: lambda in every state below the top, min(n, s) servers busy.
struct StageRates {
  Real lambda;
  std::int32_t servers;
  const Buffer& nRate;  // nRate[n] = n * ServiceRate
  Real mu(int n) const { return nRate[static_cast<std::size_t>(std::min(n, servers))]; }
};

// Calls emit(n, D[n]) for n = 0..top with D = halfStep * dP(p).
template <typename Emit>
inline void StageIncrements(const Real* p, const StageRates& rates, int top, Real halfStep,
                            Emit emit) {
  const Real lambda = rates.lambda;
  emit(0, halfStep * (rates.mu(1) * p[1] - lambda * p[0]));
  for (int n = 1; n < top; ++n)
    emit(n, halfStep * (lambda * p[n - 1] + rates.mu(n + 1) * p[n + 1] -
                        (lambda + rates.mu(n)) * p[n]));
  // Top state: no arrival admitted, the guard above it holds 0 (0 * 0 keeps the
  // signed-zero behaviour of the full expression).
  const Real zero = 0;
  emit(top, halfStep * (lambda * p[top - 1] + zero * zero - (zero + rates.mu(top)) * p[top]));
}

struct StepBuffers {
  Buffer stage;    // X2, X3, X4 in turn (with zero guards at -1 and top + 1)
  Buffer d1;       // D1, then D1 + 2 (D2 + D3)
  Buffer d2;
  Buffer xnew;
};

// Steps 1-7 of one Runge-Kutta step from X to the normalised Xnew.
void RungeKuttaStep(const ProbVector& from, const StageRates& start, const StageRates& middle,
                    const StageRates& end, int top, Real halfStep, StepBuffers& b,
                    std::int32_t& zeroCount) {
  const Real* x = &from[0];
  Real* stage = &b.stage[1];
  stage[-1] = 0;
  stage[top + 1] = 0;
  StageIncrements(x, start, top, halfStep, [&](int n, Real d) {
    b.d1[n] = d;
    stage[n] = x[n] + d;
  });
  // Stage 2 reads X2 while it is overwritten by X3: write one entry behind.
  Real pending = 0;
  StageIncrements(stage, middle, top, halfStep, [&](int n, Real d) {
    b.d2[n] = d;
    if (n > 0) stage[n - 1] = pending;
    pending = x[n] + d;
  });
  stage[top] = pending;
  StageIncrements(stage, middle, top, halfStep, [&](int n, Real d) {
    b.d1[n] = b.d1[n] + 2 * (b.d2[n] + d);
    if (n > 0) stage[n - 1] = pending;
    pending = x[n] + 2 * d;
  });
  stage[top] = pending;
  Real total = 0;
  StageIncrements(stage, end, top, halfStep, [&](int n, Real d) {
    Real value = x[n] + (b.d1[n] + d) / 3;
    if (value < 0) {
      value = 0;
      ++zeroCount;
    }
    b.xnew[n] = value;
    total += value;
  });
  for (int n = 0; n <= top; ++n) b.xnew[n] /= total;
}

}  // namespace

DaySweepResult SweepDay(StepResults& steps, Real serviceRate, std::int32_t timeStepSeconds,
                        std::int32_t maxStates) {
  const Real halfStep = static_cast<Real>(timeStepSeconds) / 2 / 3600;
  const int top = maxStates;
  Buffer nRate{};
  for (int n = 0; n <= top + 1; ++n) nRate[n] = n * serviceRate;
  StepBuffers buffers;
  DaySweepResult result;
  const Real threshold = 0.0001L;
  for (std::int32_t k = 1; k <= steps.NumSteps; ++k) {
    const Real lambdaStart = steps.StepArrivalRate[k - 1];
    const Real lambdaEnd = steps.StepArrivalRate[k];
    const StageRates start{lambdaStart, steps.StepServers[k - 1], nRate};
    const StageRates middle{(lambdaStart + lambdaEnd) / 2, steps.StepServers[k - 1], nRate};
    const StageRates end{lambdaEnd, steps.StepServers[k], nRate};
    RungeKuttaStep(steps.TimeDepVectors[k - 1], start, middle, end, top, halfStep, buffers,
                   result.zeroCount);
    // 8. Change against the previous day, then store.
    ProbVector& old = steps.TimeDepVectors[k];
    for (int n = 0; n <= top; ++n) {
      const Real value = buffers.xnew[n];
      Real change = 0;
      if (value > threshold && old[n] > threshold) change = (value - old[n]) * 100 / value;
      if (change > result.maxChange) result.maxChange = change;
      old[n] = value;
    }
  }
  return result;
}

}  // namespace morvane
