#include "engine/steady_state.h"

#include <algorithm>

#include "engine/arrival_rate.h"
#include "engine/state_loops.h"
#include "base/number_format.h"

namespace morvane {

bool Overloaded(std::int64_t servers, Real lambda, Real mu) { return lambda >= servers * mu; }

std::int64_t StableServers(std::int32_t servers, Real lambda, Real mu) {
  std::int64_t s = servers;
  if (lambda < s * mu) return s;
  // Start near the answer so tiny service rates do not count up from 0 one by one;
  // the start is tested before it is converted, so no rate overflows the count.
  const Real start = lambda / mu - 1;
  if (!(start < kServerCountCeiling)) return kServerCountCeiling;
  if (start > s) s = static_cast<std::int64_t>(start);
  while (!(s * mu > lambda)) ++s;
  return s;
}

namespace {

// Entries first + 1..last of a series whose terms grow by factor / divisor
// from entry first, as NextTerm makes them. The double engine keeps kLanes
// chains apart, each a step of (factor / divisor)^kLanes from its own start, so
// that the loop vectorises.
template <typename T>
void FillGeometricTail(BasicProbVector<T>& vector, int first, int last, T factor, T divisor) {
  if constexpr (kVectorised<T>) {
    constexpr int lanes = kLanes<T>;
    const T ratio = factor / divisor;
    T stride = 1;
    for (int n = first + 1; n <= std::min(first + lanes, last); ++n) {
      vector[n] = vector[n - 1] * ratio;
      stride *= ratio;
    }
    T* __restrict entry = &vector[0];
    for (int n = first + lanes + 1; n <= last; ++n) entry[n] = entry[n - lanes] * stride;
  } else {
    for (int n = first + 1; n <= last; ++n) vector[n] = NextTerm(vector[n - 1], factor, divisor);
  }
}

// The birth-death terms of M/M/s+M, p_n = p_(n-1) lambda / (min(n, s) mu +
// max(n - s, 0) theta) from p_0 = 1, kept finite by scaling down the terms so far
// whenever one grows large; then truncated at maxStates and normalised.
template <typename T>
void FillWithAbandonment(std::int32_t servers, BasicProbVector<T>& vector, Real lambda, Real mu,
                         Real abandonRate, std::int32_t maxStates) {
  const T arrivals = static_cast<T>(lambda);
  const T rate = static_cast<T>(mu);
  const T abandon = static_cast<T>(abandonRate);
  const T large = static_cast<T>(1e100);
  vector.clear();
  vector[0] = 1;
  for (int n = 1; n <= maxStates; ++n) {
    const T leaving = static_cast<T>(std::min(n, servers)) * rate +
                      static_cast<T>(std::max(n - servers, 0)) * abandon;
    vector[n] = vector[n - 1] * arrivals / leaving;
    if (vector[n] > large)
      for (int i = 0; i <= n; ++i) vector[i] = vector[i] / large;
  }
  const Divisor<T> total(SumOverStates<T>(maxStates, [&](int n) { return vector[n]; }));
  for (int n = 0; n <= maxStates; ++n) vector[n] = total.divide(vector[n]);
}

}  // namespace

template <typename T>
void SteadyStateProbs(std::int32_t servers, bool raiseServers, BasicProbVector<T>& vector,
                      Real lambda, Real mu, std::int32_t maxStates, Real abandonRate) {
  if (abandonRate > 0) return FillWithAbandonment(servers, vector, lambda, mu, abandonRate, maxStates);
  std::int64_t s = servers;
  // 1. Overload test.
  if (Overloaded(s, lambda, mu)) {
    if (!raiseServers) {
      vector.clear();
      vector[1] = 1;
      return;
    }
    s = StableServers(servers, lambda, mu);
  }
  // 2.-3. Offered load and the normalising sum of the untruncated distribution.
  const T arrivals = static_cast<T>(lambda);
  const T rate = static_cast<T>(mu);
  const T a = arrivals / rate;
  T term = 1;
  T sum = 1;
  if (s > 1) {
    for (std::int64_t k = 1; k <= s - 1; ++k) {
      term = NextTerm(term, a, static_cast<T>(k));
      sum = sum + term;
    }
    term = NextTerm(term, a, static_cast<T>(s));
    sum = sum + term * (s * rate) / (s * rate - arrivals);
  }
  // 4.-5. The unnormalised terms. Entries above maxStates are not part of the
  // distribution, so they are never written: a plan with more servers than
  // states stays inside the vector and nothing leaks into a later widening.
  vector.clear();
  vector[0] = 1 / sum;
  const std::int64_t busyTop = std::min<std::int64_t>(s, maxStates);
  for (int n = 1; n <= busyTop; ++n) vector[n] = NextTerm(vector[n - 1], a, static_cast<T>(n));
  FillGeometricTail(vector, static_cast<int>(busyTop), maxStates, a, static_cast<T>(s));
  // 6. Truncate and normalise.
  const Divisor<T> total(SumOverStates<T>(maxStates, [&](int n) { return vector[n]; }));
  for (int n = 0; n <= maxStates; ++n) vector[n] = total.divide(vector[n]);
}

template <typename T>
T MeanOf(const BasicProbVector<T>& vector, std::int32_t maxStates) {
  return SumOverStates<T>(maxStates, [&](int n) { return n * vector[n]; });
}

template void SteadyStateProbs(std::int32_t, bool, ProbVector&, Real, Real, std::int32_t, Real);
template void SteadyStateProbs(std::int32_t, bool, FastProbVector&, Real, Real, std::int32_t, Real);
template Real MeanOf(const ProbVector&, std::int32_t);
template double MeanOf(const FastProbVector&, std::int32_t);

std::optional<std::string> ComputationRefusal(const Model& model) {
  const ScenarioInputs& in = model.inputs;
  if (!in.Forecast && in.DemandAmplitude > in.MeanDemand)
    return "The demand amplitude (" + GeneralText(in.DemandAmplitude) +
           ") is above the mean demand (" + GeneralText(in.MeanDemand) +
           "), so the arrival rate would fall below zero.\rLower the amplitude or raise the "
           "mean demand.";
  const Real peak = PeakArrivalRate(in);
  // Callers who hang up keep any load in a steady state.
  if (AbandonRate(in) == 0 && StableServers(0, peak, in.ServiceRate) > kMaxRaisedServers)
    return "The peak demand of " + GeneralText(peak) + " per hour needs more than " +
           std::to_string(kMaxRaisedServers) + " servers at a service rate of " +
           GeneralText(in.ServiceRate) +
           " per hour, more than the model's states can hold.\rRaise the service rate or lower "
           "the demand.";
  return std::nullopt;
}

bool ComputeSteadyState(Model& model, UserInterface& ui) {
  if (const auto refusal = ComputationRefusal(model)) {
    ui.message(MessageKind::Error, *refusal);
    return false;
  }
  MinuteResults& out = model.minutes;
  const std::int32_t maxStates = model.inputs.MaxStates;
  for (int m = 0; m < kMinutePoints; ++m) {
    const std::int32_t servers = model.staffing.ServersOnDuty[m];
    out.ArrivalRate[m] = ArrivalRateAt(model.inputs, static_cast<Real>(m));
    out.ServiceCapacity[m] = servers * model.inputs.ServiceRate;
    SteadyStateProbs(servers, false, out.SteadyVectors[m], out.ArrivalRate[m],
                     model.inputs.ServiceRate, maxStates, AbandonRate(model.inputs));
    out.SteadyMean[m] = MeanOf(out.SteadyVectors[m], maxStates);
    // Consistency check: the mean again, in the same order and precision.
    const Real recomputed = MeanOf(out.SteadyVectors[m], maxStates);
    if (recomputed != out.SteadyMean[m])
      ui.message(MessageKind::Error,
                 "Error for i = " + std::to_string(m) + "\rTemp = " +
                     NumberText(recomputed, 12, 5, kFixedLocale) + "\rAverageNumberInSystem = " +
                     NumberText(out.SteadyMean[m], 12, 5, kFixedLocale));
  }
  model.steps.Computed = false;
  return true;
}

}  // namespace morvane
