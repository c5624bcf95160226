#include "engine/measures.h"

#include <algorithm>

#include "engine/state_loops.h"

namespace morvane {
namespace {

// 1 - sum of entries 0..last, the sum kept inside the distribution; a sum that
// rounds above 1 leaves no tail rather than a negative one.
template <typename T>
T TailBeyond(const BasicProbVector<T>& vector, std::int64_t last, std::int32_t maxStates) {
  const auto stop = static_cast<int>(std::min<std::int64_t>(last, maxStates));
  return std::max<T>(1 - SumOverStates<T>(stop, [&](int n) { return vector[n]; }), 0);
}

template <typename T>
Real StepPWait(const Model& model, const BasicProbVector<T>& vector) {
  return TailBeyond(vector, model.staffing.MaxServersOnDuty, model.inputs.MaxStates);
}

}  // namespace

Real SteadyPWait(const Model& model, int minute) {
  const MinuteResults& r = model.minutes;
  if (AbandonRate(model.inputs) == 0 && !(r.ArrivalRate[minute] < r.ServiceCapacity[minute]))
    return 1;
  return TailBeyond(r.SteadyVectors[minute], model.staffing.ServersOnDuty[minute] - 1,
                    model.inputs.MaxStates);
}

Real TimeDepPWait(const Model& model, std::int32_t step) {
  return WithVectors(model.steps,
                     [&](const auto& vectors) { return StepPWait(model, vectors[step]); });
}

Real TimeDepPAllBusy(const Model& model, std::int32_t step) {
  return WithVectors(model.steps, [&](const auto& vectors) {
    return TailBeyond(vectors[step], model.steps.StepServers[step] - 1, model.inputs.MaxStates);
  });
}

Real MaxPAllBusy(const Model& model) {
  Real largest = 0;
  for (std::int32_t k = 0; k < model.steps.NumSteps; ++k)
    if (model.steps.StepArrivalRate[k] > 0) largest = std::max(largest, TimeDepPAllBusy(model, k));
  return largest;
}

void ComputeDayMeasures(Model& model) {
  StepResults& steps = model.steps;
  Real meanSum = 0;
  for (std::int32_t k = 0; k < steps.NumSteps; ++k) meanSum += steps.TimeDepMean[k];
  steps.TotalPersonHours = meanSum * 24 / steps.NumSteps;
  steps.MaxPWait = 0;
  std::int32_t stepsOver = 0;
  WithVectors(steps, [&](const auto& vectors) {
    for (std::int32_t k = 0; k < steps.NumSteps; ++k) {
      const Real pWait = StepPWait(model, vectors[k]);
      steps.MaxPWait = std::max(steps.MaxPWait, pWait);
      if (pWait > model.CriticalPWait) ++stepsOver;
    }
  });
  steps.MinutesOverLimit = steps.StepMinutes * stepsOver;
}

Real PersonCost(const Model& model) { return model.steps.TotalPersonHours * model.inputs.DelayCost; }

Real TotalSystemCost(const Model& model) { return PersonCost(model) + model.staffing.LaborCost; }

ResultLabels ResultLabelTexts(const Model& model, const NumberLocale& locale) {
  const StepResults& steps = model.steps;
  const StaffingState& staff = model.staffing;
  ResultLabels labels;
  labels.TimeOverLimitLabel = "Time P(Wait) > " + NumberText(model.CriticalPWait, 4, 2, locale) +
                              " = " + NumberText(steps.MinutesOverLimit, 6, 0, locale);
  labels.MaxProbWaitLabel = "Max P(Wait) = " + NumberText(steps.MaxPWait, 5, 3, locale);
  labels.MaxPAllBusyLabel = "Max P(all busy) = " + NumberText(MaxPAllBusy(model), 5, 3, locale);
  labels.MaxP200Label = "Max P(" + std::to_string(steps.TopState) +
                        ") = " + NumberText(steps.MaxTopProb, 12, 10, locale);
  labels.TotalPersonHoursLabel =
      "Total Person Hours = " + NumberText(steps.TotalPersonHours, 15, 5, locale);
  labels.TotalPersonHoursCostLabel =
      "Total Person Cost = " + CurrencyText(PersonCost(model), 15, 2, locale);
  labels.TotalLaborCostLabel = "Total Labor Cost = " + CurrencyText(staff.LaborCost, 15, 2, locale) +
                               "     Full/Part time = " + std::to_string(staff.FullTimeCount) +
                               "/" + std::to_string(staff.PartTimeCount);
  labels.TotalCostLabel = "Total System Cost = " + CurrencyText(TotalSystemCost(model), 15, 2, locale);
  return labels;
}

}  // namespace morvane
