#include "engine/arrival_rate.h"

#include <cmath>
#include <numbers>

namespace morvane {

Real SinusoidalRateAt(const ScenarioInputs& inputs, Real t) {
  const Real twoPi = 2 * std::numbers::pi_v<Real>;
  return inputs.MeanDemand +
         inputs.DemandAmplitude *
             std::sin(twoPi * inputs.CyclesPerDay * (t - inputs.DemandShift) / kMinutesPerDay);
}

Real ProfileRateAt(const ScenarioInputs& inputs, Real t) {
  return inputs.Forecast ? inputs.Forecast->rateAt(t) : SinusoidalRateAt(inputs, t);
}

Real MeanArrivalRate(const ScenarioInputs& inputs) {
  return inputs.Forecast ? inputs.Forecast->mean() : inputs.MeanDemand;
}

Real PeakArrivalRate(const ScenarioInputs& inputs) {
  return inputs.Forecast ? inputs.Forecast->peak() : inputs.MeanDemand + inputs.DemandAmplitude;
}

Real ArrivalRateAt(const ScenarioInputs& inputs, Real t) {
  if (inputs.Forecast) return inputs.Forecast->rateAt(t);
  if (!inputs.BlockDemand) return SinusoidalRateAt(inputs, t);
  // The rate of a block is the rate at the block's first whole minute.
  const auto minute = static_cast<std::int64_t>(t);
  const std::int64_t blockStart = minute / inputs.BlockMinutes * inputs.BlockMinutes;
  return SinusoidalRateAt(inputs, static_cast<Real>(blockStart));
}

std::int32_t StepsPerDay(std::int32_t timeStepSeconds) {
  constexpr std::int32_t secondsPerDay = 86400;
  return (secondsPerDay + timeStepSeconds - 1) / timeStepSeconds;
}

void FillArrivalRates(Model& model) {
  for (int m = 0; m < kMinutePoints; ++m)
    model.minutes.ArrivalRate[m] = ArrivalRateAt(model.inputs, static_cast<Real>(m));
}

bool SameRateGrid(const ScenarioInputs& a, const ScenarioInputs& b) {
  return a.Forecast == b.Forecast && a.MeanDemand == b.MeanDemand &&
         a.DemandAmplitude == b.DemandAmplitude && a.CyclesPerDay == b.CyclesPerDay &&
         a.DemandShift == b.DemandShift && a.BlockDemand == b.BlockDemand &&
         a.BlockMinutes == b.BlockMinutes && a.TimeStepSeconds == b.TimeStepSeconds;
}

}  // namespace morvane
