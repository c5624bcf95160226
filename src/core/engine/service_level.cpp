#include "engine/service_level.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace morvane {
namespace {

constexpr Real kNeverAnswered = std::numeric_limits<Real>::infinity();

// Adds up a day of points: `at(i)` gives point i's arrival rate and figures.
template <typename Point>
ServiceDay DayOf(std::int32_t points, Real minutesPerPoint, Real targetLevel, Point at) {
  ServiceDay day;
  Real arrivals = 0, answered = 0, speed = 0;
  std::int32_t below = 0;
  for (std::int32_t i = 0; i < points; ++i) {
    const auto [lambda, figures] = at(i);
    if (!(lambda > 0)) continue;  // nobody arrives: nobody waits
    day.worstLevel = std::min(day.worstLevel, figures.level);
    arrivals += lambda;
    answered += lambda * figures.level;
    speed += lambda * figures.answerSeconds;
    if (BelowTarget(lambda, figures.level, targetLevel)) ++below;
  }
  if (arrivals > 0) {
    day.level = answered / arrivals;
    day.answerSeconds = speed / arrivals;
  }
  day.minutesBelowTarget = minutesPerPoint * below;
  return day;
}

}  // namespace

// Computed in the vector's number type, as the run that made it.
template <typename T>
ServiceFigures ServiceOf(const BasicProbVector<T>& vector, std::int32_t servers, Real serviceRate,
                         std::int32_t answerSeconds, std::int32_t maxStates) {
  if (servers <= 0) return {0, kNeverAnswered};
  const T completions = servers * static_cast<T>(serviceRate);  // per hour, all servers busy
  const T x = completions * answerSeconds / 3600;
  T term = std::exp(-x);  // P(Poisson(x) = k), k = n - s
  T atMost = term;        // P(Poisson(x) <= k)
  T late = 0, waitHours = 0;
  for (std::int32_t n = servers; n <= maxStates; ++n) {
    const std::int32_t k = n - servers;
    if (k > 0) {
      term = term * x / k;
      atMost += term;
    }
    late += vector[n] * std::min<T>(atMost, 1);
    waitHours += vector[n] * (k + 1) / completions;
  }
  return {1 - static_cast<Real>(late), static_cast<Real>(waitHours) * 3600};
}

template ServiceFigures ServiceOf(const ProbVector&, std::int32_t, Real, std::int32_t, std::int32_t);
template ServiceFigures ServiceOf(const FastProbVector&, std::int32_t, Real, std::int32_t,
                                  std::int32_t);

ServiceFigures SteadyService(const Model& model, int minute) {
  const MinuteResults& r = model.minutes;
  if (!(r.ArrivalRate[minute] < r.ServiceCapacity[minute])) return {0, kNeverAnswered};
  return ServiceOf(r.SteadyVectors[minute], model.staffing.ServersOnDuty[minute],
                   model.inputs.ServiceRate, model.inputs.ServiceLevelSeconds,
                   model.inputs.MaxStates);
}

// The vectors of the last run, in the precision it used.
ServiceFigures TimeDepService(const Model& model, std::int32_t step) {
  return WithVectors(model.steps, [&](const auto& vectors) {
    return ServiceOf(vectors[step], model.steps.StepServers[step], model.inputs.ServiceRate,
                     model.inputs.ServiceLevelSeconds, model.inputs.MaxStates);
  });
}

ServiceDay TimeDepServiceDay(const Model& model) {
  const StepResults& steps = model.steps;
  return DayOf(steps.NumSteps, steps.StepMinutes, model.inputs.ServiceLevelTarget / 100,
               [&](std::int32_t k) {
                 return std::pair{steps.StepArrivalRate[k], TimeDepService(model, k)};
               });
}

ServiceDay SteadyServiceDay(const Model& model) {
  return DayOf(kMinutesPerDay, 1, model.inputs.ServiceLevelTarget / 100, [&](std::int32_t m) {
    return std::pair{model.minutes.ArrivalRate[m], SteadyService(model, m)};
  });
}

ServiceLabels ServiceLabelTexts(const Model& model, const NumberLocale& locale) {
  const ServiceDay day = TimeDepServiceDay(model);
  const auto percent = [&](Real fraction) { return NumberText(100 * fraction, 5, 1, locale) + " %"; };
  const std::string seconds =
      std::isfinite(day.answerSeconds) ? NumberText(day.answerSeconds, 8, 1, locale) : "infinite";
  return {"Service Level (" + std::to_string(model.inputs.ServiceLevelSeconds) +
              " s) = " + percent(day.level) + "   Worst = " + percent(day.worstLevel),
          "Avg Speed of Answer = " + seconds + " s",
          "Time SL < " + NumberText(model.inputs.ServiceLevelTarget, 5, 1, locale) +
              " % = " + NumberText(day.minutesBelowTarget, 6, 0, locale)};
}

}  // namespace morvane
