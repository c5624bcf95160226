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
#pragma once

#include <cstdint>
#include <string>

#include "base/number_format.h"
#include "engine/model.h"

namespace morvane {

struct ServiceFigures {
  Real level = 0;         // fraction answered within T
  Real answerSeconds = 0;  // ASA
};

// For a distribution in either number type (ProbVector or FastProbVector),
// computed in that type.
template <typename T>
ServiceFigures ServiceOf(const BasicProbVector<T>& vector, std::int32_t servers, Real serviceRate,
                         std::int32_t answerSeconds, std::int32_t maxStates);

// Minute m of the steady state (an overloaded minute answers nobody in time and
// has an infinite ASA) and step k of the time-dependent run, with the servers on
// duty there.
ServiceFigures SteadyService(const Model& model, int minute);
ServiceFigures TimeDepService(const Model& model, std::int32_t step);

// A point counts below the target when contacts arrive there and fewer than the
// target share of them are answered within T.
inline bool BelowTarget(Real arrivalRate, Real level, Real targetLevel) {
  return arrivalRate > 0 && level < targetLevel;
}

// The day's figures over the points with arrivals (where nobody arrives nobody
// waits): SL and ASA weighted by arrivals, the worst SL, and the minutes whose SL
// is below the target level.
struct ServiceDay {
  Real level = 1;
  Real worstLevel = 1;
  Real answerSeconds = 0;
  Real minutesBelowTarget = 0;
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
};

ServiceLabels ServiceLabelTexts(const Model& model, const NumberLocale& locale);

}  // namespace morvane
