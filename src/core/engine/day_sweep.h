// One day of the time-dependent solver: a classical Runge-Kutta step of the
// truncated birth-death equations from every step point to the next.
//
// For a distribution P with arrival rate lambda and s servers (per hour):
//   dP[0] = mu(1) P[1] - lambda P[0]
//   dP[n] = lambda P[n-1] + mu(n+1) P[n+1] - (lambda + mu(n)) P[n],  0 < n < top
//   dP[top] = lambda P[top-1] - mu(top) P[top]          (no arrival in the top state)
// with mu(n) = min(n, s) * ServiceRate, plus max(n - s, 0) * theta when waiting
// callers hang up at rate theta each. Each stage increment is D = h/2 * dP, and
//   Xnew = X + (D1 + 2 (D2 + D3) + D4) / 3.
// The rates are computed inline; in extended precision the result is bit for
// bit that of the stage-by-stage algorithm with rate vectors. A run in double
// precision sweeps its own vectors (FastVectors) with the same source.
//
// When callers hang up the death rates grow with the queue and the equations
// are stiff: the classical step would diverge at any usual length. Each step is
// then an L-stable two-stage implicit Runge-Kutta step of order 2 (two
// tridiagonal solves, the second from a right-hand side kept at or above
// zero), which keeps the probabilities at or above zero and needs no shorter step.
#pragma once

#include <cstdint>

#include "engine/model.h"

namespace morvane {

struct DaySweepResult {
  Real maxChange = 0;           // largest signed % increase against the previous day
  std::int32_t zeroCount = 0;   // probabilities clipped from below 0
};

// How the vectors of the day before were left. A day ends with CloseDay; a day
// followed by another may be left Unclosed, and the next sweep closes it on the
// way (the first vector before its step, every other one where its old values
// are compared), a pass over the whole table fewer with the same results.
enum class DayStart { Closed, Unclosed };

// Steps k = 1..NumSteps once, in order, overwriting vector k of the run's
// precision. Reads the per-step arrival rates and servers that the solver
// prepared in `steps`. abandonRate is theta per hour (0: nobody hangs up).
DaySweepResult SweepDay(StepResults& steps, Real serviceRate, std::int32_t timeStepSeconds,
                        std::int32_t maxStates, DayStart start = DayStart::Closed,
                        Real abandonRate = 0);

// The end of the day starts the next one (vector 0 = vector NumSteps), and every
// vector is normalised over states 0..maxStates.
void CloseDay(StepResults& steps, std::int32_t maxStates);

}  // namespace morvane
