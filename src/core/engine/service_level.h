// The service level (the share of contacts answered within the target answer
// time T) and the average speed of answer (ASA), from the distribution of the
// number in system that an arriving contact finds.
//
// A contact that finds n in system with s servers on duty waits when n >= s; with
// first come, first served and s servers held over the wait, its wait is the time
// of n - s + 1 service completions at rate s * ServiceRate, so
//   P(wait > T | n) = P(Poisson(s * ServiceRate * T) <= n - s),
//   SL  = 1 - sum over n >= s of p_n P(wait > T | n),
//   ASA = sum over n >= s of p_n (n - s + 1) / (s * ServiceRate).
// With no server on duty nobody is answered: SL = 0 and the ASA is infinite.
//
// When waiting callers hang up, each at rate theta, a caller who finds j = n - s
// callers ahead moves up at rate r_k = s * ServiceRate + k * theta while k are
// ahead and hangs up at rate theta, so with r_k + theta = r_(k+1)
//   P(answered | j)             = product over k = 0..j of r_k / (r_k + theta)
//                               = r_0 / r_(j+1),
//   P(answered within T | j)    = P(answered | j) P(S_j <= T),
// where S_j, the sum of exponential times of rates r_1..r_(j+1), is distributed as
// the (j+1)-th smallest of n' exponential(theta) times with n' - j - 1 = r_0 / theta:
//   P(S_j <= T) = I_x(j + 1, r_0 / theta + 1),  x = 1 - exp(-theta T),
// the regularised incomplete beta function, summed in positive terms. Then
//   SL  = sum over n < s of p_n + sum over n >= s of p_n P(answered within T | j),
//   ASA = the mean wait of the callers answered,
//   abandonment = sum over n >= s of p_n (1 - P(answered | j)).
// With no server on duty nobody is answered, and every caller hangs up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "engine/model.h"

namespace morvane {

struct ServiceFigures {
  Real level = 0;          // fraction answered within T
  Real answerSeconds = 0;  // ASA of the callers answered
  Real abandoned = 0;      // fraction who hang up before they are answered
};

// For a distribution in either number type (ProbVector or FastProbVector),
// computed in that type, when nobody hangs up.
template <typename T>
ServiceFigures ServiceOf(const BasicProbVector<T>& vector, std::int32_t servers, Real serviceRate,
                         std::int32_t answerSeconds, std::int32_t maxStates);

// The service figures of distributions met with one service rate, patience,
// answer time and state bound. With patience, the chances of a caller who finds
// j callers ahead are worked out once for each number of servers met.
template <typename T>
class ServiceMeter {
 public:
  ServiceMeter(Real serviceRate, Real abandonRate, std::int32_t answerSeconds,
               std::int32_t maxStates);
  // The scenario's service rate, patience, answer time and state bound.
  explicit ServiceMeter(const ScenarioInputs& inputs);

  ServiceFigures of(const BasicProbVector<T>& vector, std::int32_t servers);

 private:
  // For j = 0..maxStates - servers callers ahead.
  struct Chances {
    std::vector<T> answered;      // P(answered | j)
    std::vector<T> inTime;        // P(answered within T | j)
    std::vector<T> answeredWait;  // P(answered | j) E[wait | answered, j], hours
  };
  const Chances& chancesWith(std::int32_t servers);

  Real serviceRate_;
  Real abandonRate_;
  std::int32_t answerSeconds_;
  std::int32_t maxStates_;
  std::map<std::int32_t, Chances> chances_;
};

// Minutes 0..1440 of the steady state (when nobody hangs up, an overloaded
// minute answers nobody in time and has an infinite ASA) and steps 0..NumSteps
// of the last time-dependent run (none before a run), each with the servers on
// duty there.
std::vector<ServiceFigures> SteadyServiceMinutes(const Model& model);
std::vector<ServiceFigures> TimeDepServiceSteps(const Model& model);

// A point counts below the target when contacts arrive there and fewer than the
// target share of them are answered within T.
inline bool BelowTarget(Real arrivalRate, Real level, Real targetLevel) {
  return arrivalRate > 0 && level < targetLevel;
}

// The day's figures over the points with arrivals (where nobody arrives nobody
// waits): SL and abandonment weighted by arrivals, ASA by the callers answered,
// the worst SL and abandonment, and the minutes whose SL is below the target level.
struct ServiceDay {
  Real level = 1;
  Real worstLevel = 1;
  Real answerSeconds = 0;
  Real minutesBelowTarget = 0;
  Real abandoned = 0;
  Real worstAbandoned = 0;
};

// Over steps 0..NumSteps-1 of the last time-dependent run.
ServiceDay TimeDepServiceDay(const Model& model);
// Over minutes 0..1439 of the steady state.
ServiceDay SteadyServiceDay(const Model& model);

// Captions of the service-level result labels of the last time-dependent run.
struct ServiceLabels {
  std::string ServiceLevelLabel;     // "Service Level (20 s) = 80.0 %   Worst = 61.2 %"
  std::string SpeedOfAnswerLabel;    // "Avg Speed of Answer = 12.3 s"
  std::string TimeBelowTargetLabel;  // "Time SL < 80 % = 120"
  std::string AbandonmentLabel;      // "Abandoned = 3.2 % of calls   Worst = 9.8 %"
};

ServiceLabels ServiceLabelTexts(const Model& model, const NumberLocale& locale);

}  // namespace morvane
