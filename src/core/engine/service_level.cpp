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
  Real arrivals = 0, inTime = 0, answered = 0, speed = 0, abandoned = 0;
  std::int32_t below = 0;
  for (std::int32_t i = 0; i < points; ++i) {
    const auto [lambda, figures] = at(i);
    if (!(lambda > 0)) continue;  // nobody arrives: nobody waits
    day.worstLevel = std::min(day.worstLevel, figures.level);
    day.worstAbandoned = std::max(day.worstAbandoned, figures.abandoned);
    arrivals += lambda;
    inTime += lambda * figures.level;
    abandoned += lambda * figures.abandoned;
    // Where nobody is answered, nobody's wait counts in the ASA.
    const Real answering = lambda * (1 - figures.abandoned);
    if (answering > 0) {
      answered += answering;
      speed += answering * figures.answerSeconds;
    }
    if (BelowTarget(lambda, figures.level, targetLevel)) ++below;
  }
  if (arrivals > 0) {
    day.level = inTime / arrivals;
    day.answerSeconds = answered > 0 ? speed / answered : kNeverAnswered;
    day.abandoned = abandoned / arrivals;
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

template <typename T>
ServiceMeter<T>::ServiceMeter(Real serviceRate, Real abandonRate, std::int32_t answerSeconds,
                              std::int32_t maxStates)
    : serviceRate_(serviceRate),
      abandonRate_(abandonRate),
      answerSeconds_(answerSeconds),
      maxStates_(maxStates) {}

template <typename T>
ServiceMeter<T>::ServiceMeter(const ScenarioInputs& inputs)
    : ServiceMeter(inputs.ServiceRate, AbandonRate(inputs), inputs.ServiceLevelSeconds,
                   inputs.MaxStates) {}

template <typename T>
const typename ServiceMeter<T>::Chances& ServiceMeter<T>::chancesWith(std::int32_t servers) {
  const auto found = chances_.find(servers);
  if (found != chances_.end()) return found->second;
  Chances& c = chances_[servers];
  const T theta = static_cast<T>(abandonRate_);
  const T moving = servers * static_cast<T>(serviceRate_);  // r_0 per hour
  const T hours = static_cast<T>(answerSeconds_) / 3600;
  // The incomplete beta function's terms t_a, a = 0..j, in logarithms so that
  // none underflows on the way: t_0 = (1 - x)^b, t_a = t_(a-1) x (a - 1 + b) / a.
  const T logX = std::log(-std::expm1(-theta * hours));
  const T b = moving / theta + 1;
  T logTerm = -(moving + theta) * hours;
  T below = 0;     // P(S_j > T)
  T meanWait = 0;  // E[S_j] in hours
  for (std::int32_t j = 0; j <= maxStates_ - servers; ++j) {
    if (j > 0) logTerm += logX + std::log((j - 1 + b) / j);
    below += std::exp(logTerm);
    const T reach = moving + (j + 1) * theta;  // r_(j+1)
    meanWait += 1 / reach;
    const T answered = moving / reach;
    c.answered.push_back(answered);
    c.inTime.push_back(answered * std::max<T>(1 - below, 0));
    c.answeredWait.push_back(answered * meanWait);
  }
  return c;
}

template <typename T>
ServiceFigures ServiceMeter<T>::of(const BasicProbVector<T>& vector, std::int32_t servers) {
  if (!(abandonRate_ > 0))
    return ServiceOf(vector, servers, serviceRate_, answerSeconds_, maxStates_);
  if (servers <= 0) return {0, kNeverAnswered, 1};
  const Chances& c = chancesWith(servers);
  T idle = 0, inTime = 0, answered = 0, wait = 0, abandoned = 0;
  for (std::int32_t n = 0; n <= maxStates_; ++n) {
    if (n < servers) {
      idle += vector[n];
      continue;
    }
    const auto j = static_cast<std::size_t>(n - servers);
    inTime += vector[n] * c.inTime[j];
    answered += vector[n] * c.answered[j];
    wait += vector[n] * c.answeredWait[j];
    abandoned += vector[n] * (1 - c.answered[j]);
  }
  const T answeredAll = idle + answered;
  return {static_cast<Real>(idle + inTime),
          answeredAll > 0 ? static_cast<Real>(wait / answeredAll) * 3600 : kNeverAnswered,
          static_cast<Real>(abandoned)};
}

template class ServiceMeter<Real>;
template class ServiceMeter<double>;

std::vector<ServiceFigures> SteadyServiceMinutes(const Model& model) {
  const MinuteResults& r = model.minutes;
  const bool placeholders = AbandonRate(model.inputs) == 0;
  ServiceMeter<Real> meter(model.inputs);
  std::vector<ServiceFigures> figures;
  figures.reserve(kMinutePoints);
  for (int m = 0; m < kMinutePoints; ++m)
    figures.push_back(placeholders && !(r.ArrivalRate[m] < r.ServiceCapacity[m])
                          ? ServiceFigures{0, kNeverAnswered}
                          : meter.of(r.SteadyVectors[m], model.staffing.ServersOnDuty[m]));
  return figures;
}

std::vector<ServiceFigures> TimeDepServiceSteps(const Model& model) {
  return WithVectors(model.steps, [&](const auto& vectors) {
    ServiceMeter<std::decay_t<decltype(vectors[0][0])>> meter(model.inputs);
    std::vector<ServiceFigures> figures;
    const auto points = static_cast<std::size_t>(model.steps.NumSteps) + 1;
    if (vectors.size() < points) return figures;  // no run yet
    figures.reserve(points);
    for (std::int32_t k = 0; k <= model.steps.NumSteps; ++k)
      figures.push_back(meter.of(vectors[k], model.steps.StepServers[k]));
    return figures;
  });
}

ServiceDay TimeDepServiceDay(const Model& model) {
  const StepResults& steps = model.steps;
  const std::vector<ServiceFigures> figures = TimeDepServiceSteps(model);
  return DayOf(steps.NumSteps, steps.StepMinutes, model.inputs.ServiceLevelTarget / 100,
               [&](std::int32_t k) { return std::pair{steps.StepArrivalRate[k], figures[k]}; });
}

ServiceDay SteadyServiceDay(const Model& model) {
  const std::vector<ServiceFigures> figures = SteadyServiceMinutes(model);
  return DayOf(kMinutesPerDay, 1, model.inputs.ServiceLevelTarget / 100, [&](std::int32_t m) {
    return std::pair{model.minutes.ArrivalRate[m], figures[m]};
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
              " % = " + NumberText(day.minutesBelowTarget, 6, 0, locale),
          "Abandoned = " + percent(day.abandoned) + " of calls   Worst = " +
              percent(day.worstAbandoned)};
}

}  // namespace morvane
