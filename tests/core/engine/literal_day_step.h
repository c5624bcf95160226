// The day step of the time-dependent solver written out literally: seventeen
// work vectors, rate vectors Lam and Mu built afresh for every stage, one loop
// per stage. Slow on purpose; the fast sweep must equal it bit for bit.
#pragma once

#include <algorithm>
#include <cstdint>

#include "engine/arrival_rate.h"
#include "engine/model.h"

namespace morvane::testing {

struct LiteralDayResult {
  Real maxChange = 0;
  std::int32_t zeroCount = 0;
};

class LiteralDayStep {
 public:
  explicit LiteralDayStep(Model& model)
      : model_(model), top_(model.inputs.MaxStates),
        halfStep_(static_cast<Real>(model.inputs.TimeStepSeconds) / 2 / 3600) {}

  // k = 1..NumSteps in order, each overwriting TimeDepVectors[k].
  LiteralDayResult sweepDay() {
    LiteralDayResult result;
    for (std::int32_t k = 1; k <= model_.steps.NumSteps; ++k) step(k, result);
    return result;
  }

 private:
  Real t(std::int32_t k) const { return k * model_.steps.StepMinutes; }
  Real lambdaAt(std::int32_t k) const { return ArrivalRateAt(model_.inputs, t(k)); }
  std::int32_t serversAt(std::int32_t k) const {
    return model_.staffing.ServersOnDuty[static_cast<std::size_t>(t(k))];
  }

  // Lam[n] = lambda, Mu[n] = min(n, s) * ServiceRate for n = 0..top + 1, then the guards.
  void buildRates(ProbVector& lam, ProbVector& mu, Real lambda, std::int32_t s) const {
    for (int n = 0; n <= top_ + 1; ++n) {
      lam[n] = lambda;
      mu[n] = std::min(n, s) * model_.inputs.ServiceRate;
    }
    lam[top_] = 0;
    lam[top_ + 1] = 0;
    lam[-1] = 0;
    mu[top_ + 1] = 0;
  }
  void buildLam(ProbVector& lam, Real lambda) const {
    for (int n = 0; n <= top_ + 1; ++n) lam[n] = lambda;
    lam[top_] = 0;
    lam[top_ + 1] = 0;
    lam[-1] = 0;
  }

  // D = h/2 * dP with the birth-death equations; the input's guards are set first.
  void increments(ProbVector& p, const ProbVector& lam, const ProbVector& mu, ProbVector& d) const {
    p[-1] = 0;
    p[top_ + 1] = 0;
    d[0] = halfStep_ * (mu[1] * p[1] - lam[0] * p[0]);
    for (int n = 1; n <= top_; ++n)
      d[n] = halfStep_ * (lam[n - 1] * p[n - 1] + mu[n + 1] * p[n + 1] - (lam[n] + mu[n]) * p[n]);
  }

  void step(std::int32_t k, LiteralDayResult& result) {
    // 1.
    X = model_.steps.TimeDepVectors[k - 1];
    X[-1] = 0;
    X[top_ + 1] = 0;
    // 2. Stage 1.
    buildRates(Lam1, Mu1, lambdaAt(k - 1), serversAt(k - 1));
    increments(X, Lam1, Mu1, D1);
    // 3. Stage 2.
    for (int n = 0; n <= top_; ++n) X2[n] = X[n] + D1[n];
    const Real lambda2 = (lambdaAt(k - 1) + lambdaAt(k)) / 2;
    buildLam(Lam2, lambda2);
    Mu2 = Mu1;
    increments(X2, Lam2, Mu2, D2);
    // 4. Stage 3.
    for (int n = 0; n <= top_; ++n) X3[n] = X[n] + D2[n];
    buildLam(Lam3, lambda2);
    Mu3 = Mu1;
    increments(X3, Lam3, Mu3, D3);
    // 5. Stage 4.
    for (int n = 0; n <= top_; ++n) X4[n] = X[n] + 2 * D3[n];
    buildRates(Lam4, Mu4, lambdaAt(k), serversAt(k));
    increments(X4, Lam4, Mu4, D4);
    // 6.
    Real total = 0;
    for (int n = 0; n <= top_; ++n) {
      const Real z = D1[n] + 2 * (D2[n] + D3[n]) + D4[n];
      Xnew[n] = X[n] + z / 3;
      if (Xnew[n] < 0) {
        Xnew[n] = 0;
        ++result.zeroCount;
      }
      total += Xnew[n];
    }
    // 7.
    for (int n = 0; n <= top_; ++n) Xnew[n] = Xnew[n] / total;
    // 8.
    ProbVector& old = model_.steps.TimeDepVectors[k];
    for (int n = 0; n <= top_; ++n) {
      Real change = 0;
      if (Xnew[n] > 0.0001L && old[n] > 0.0001L) change = (Xnew[n] - old[n]) * 100 / Xnew[n];
      if (change > result.maxChange) result.maxChange = change;
      old[n] = Xnew[n];
    }
  }

  Model& model_;
  const int top_;
  const Real halfStep_;
  ProbVector X, X2, X3, X4;
  ProbVector Lam1, Lam2, Lam3, Lam4;
  ProbVector Mu1, Mu2, Mu3, Mu4;
  ProbVector D1, D2, D3, D4;
  ProbVector Xnew;
};

}  // namespace morvane::testing
