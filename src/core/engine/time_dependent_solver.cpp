#include "engine/time_dependent_solver.h"

#include <algorithm>
#include <cmath>

#include "engine/arrival_rate.h"
#include "engine/day_sweep.h"
#include "engine/measures.h"
#include "base/number_format.h"
#include "engine/steady_state.h"

namespace morvane {
namespace {

inline constexpr Real kTopProbLimit = 1e-8L;
inline constexpr std::int32_t kWideningStates = 50;
inline constexpr int kWideningPauseMs = 50;

}  // namespace

void PrepareStepGrid(Model& model) {
  StepResults& steps = model.steps;
  steps.NumSteps = StepsPerDay(model.inputs.TimeStepSeconds);
  steps.StepMinutes = static_cast<Real>(kMinutesPerDay) / steps.NumSteps;
  model.reserveSteps(steps.NumSteps);
  // The rates depend on the demand and the time step alone: a model that
  // computes plan after plan on the same demand (a run's) computes them once.
  const bool ratesKnown = steps.RatesFor && SameRateGrid(*steps.RatesFor, model.inputs);
  if (!ratesKnown) {
    FillArrivalRates(model);
    steps.RatesFor = model.inputs;
  }
  for (std::int32_t k = 0; k <= steps.NumSteps; ++k) {
    const Real t = k * steps.StepMinutes;
    const auto minute = static_cast<std::size_t>(t);
    // A step point on a whole minute has that minute's rate, just computed.
    if (!ratesKnown)
      steps.StepArrivalRate[k] =
          t == minute ? model.minutes.ArrivalRate[minute] : ArrivalRateAt(model.inputs, t);
    steps.StepServers[k] = model.staffing.ServersOnDuty[minute];
  }
}

namespace {

template <typename T>
void FillEstimate(std::vector<BasicProbVector<T>>& vectors, const Model& model,
                  UserInterface& ui) {
  const StepResults& steps = model.steps;
  for (std::int32_t k = 0; k <= steps.NumSteps; ++k) {
    SteadyStateProbs(steps.StepServers[k], true, vectors[k], steps.StepArrivalRate[k],
                     model.inputs.ServiceRate, model.inputs.MaxStates, AbandonRate(model.inputs));
    if (k % 200 == 0)
      ui.progress(Gauge::PctDone, static_cast<int>(std::lround(k * 100.0 / steps.NumSteps)));
  }
}

}  // namespace

void FillStartingEstimate(Model& model, UserInterface& ui) {
  WithVectors(model.steps, [&](auto& vectors) { FillEstimate(vectors, model, ui); });
  ui.progress(Gauge::PctDone, 100);
}

namespace {

Real LargestTopProbability(const StepResults& steps, std::int32_t top) {
  return WithVectors(steps, [&](const auto& vectors) {
    Real largest = 0;
    for (std::int32_t k = 0; k <= steps.NumSteps; ++k)
      largest = std::max<Real>(largest, vectors[k][top]);
    return largest;
  });
}

void AnnounceStates(Model& model, UserInterface& ui) {
  ui.valueChanged(ShownValue::MaxStates);
  ui.pause(kWideningPauseMs);
  ui.reportLine("Changing Max states to use to " + std::to_string(model.inputs.MaxStates));
}

// 5. Days until converged, widening while the top state carries probability.
void RunDays(Model& model, UserInterface& ui) {
  StepResults& steps = model.steps;
  ScenarioInputs& in = model.inputs;
  std::int32_t iteration = 0;
  for (;;) {
    DaySweepResult day;
    DayStart start = DayStart::Closed;
    do {
      if (model.flags.DrawCharts)
        ui.progress(Gauge::IterationGauge,
                    static_cast<int>(std::lround(iteration * 100.0 / in.MaxIterations)));
      ++iteration;
      ++steps.Days;
      day = SweepDay(steps, in.ServiceRate, in.TimeStepSeconds, in.MaxStates, start,
                     AbandonRate(in));
      steps.ZeroCount += day.zeroCount;
      // d.-e. A day followed by another is closed by the next sweep.
      start = DayStart::Unclosed;
    } while (day.maxChange > in.MaxPercentChange && iteration < in.MaxIterations);
    CloseDay(steps, in.MaxStates);
    if (model.flags.DrawCharts) ui.progress(Gauge::IterationGauge, 100);
    steps.LastMaxChange = day.maxChange;
    steps.Iterations = iteration;
    steps.MaxTopProb = LargestTopProbability(steps, in.MaxStates);
    steps.TopState = in.MaxStates;
    if (steps.MaxTopProb < kTopProbLimit) return;
    // i. Widen; the new states hold probability 0 (nothing above the old top was written).
    in.MaxStates += kWideningStates;
    iteration = 0;
    steps.Iterations = 0;  // the days since the last widening
    AnnounceStates(model, ui);
    if (in.MaxStates > kStateLimit) break;
  }
  // 6. The widest state space already ran; keep its results.
  in.MaxStates = kStateLimit;
  AnnounceStates(model, ui);
}

void ComputeMeans(StepResults& steps, std::int32_t top) {
  WithVectors(steps, [&](const auto& vectors) {
    for (std::int32_t k = 0; k <= steps.NumSteps; ++k)
      steps.TimeDepMean[k] = MeanOf(vectors[k], top);
  });
}

std::int32_t ShorterTimeStep(std::int32_t seconds) {
  for (int i = 0; i < 7; ++i)
    if (Model::TimeStepLadder[i] < seconds) return Model::TimeStepLadder[i];
  return 1;
}

bool WarningsShown(const Model& model) {
  return model.flags.InteractiveMode && model.flags.ShowWarnings;
}

void WarnSeriously(const Model& model, UserInterface& ui) {
  if (!WarningsShown(model)) return;
  const StepResults& steps = model.steps;
  ui.message(MessageKind::Warning, "SERIOUS WARNING FOLLOWS... RESULTS MAY NOT BE VALID...");
  ui.message(MessageKind::Warning,
             "Total Number of Zero Probs = " + std::to_string(steps.ZeroCount) +
                 "\r\rAbove Number should be 0\r\rMax % Error = " +
                 NumberText(steps.LastMaxChange, 12, 5, kFixedLocale) +
                 "\r\rTotal Iterations = " + std::to_string(steps.Iterations));
}

}  // namespace

// The steady-state refusal covers the solver too: the raised servers of any step
// point are at most those the peak rate needs. A plan may put any number on duty:
// the vectors stop at MaxStates whatever the servers.
std::optional<std::string> SolverRefusal(const Model& model) { return ComputationRefusal(model); }

bool ComputeTimeDependent(Model& model, UserInterface& ui, Precision precision) {
  if (const auto refusal = SolverRefusal(model)) {
    ui.message(MessageKind::Error, *refusal);
    return false;
  }
  StepResults& steps = model.steps;
  steps.precision = precision;
  steps.Days = 0;
  for (;;) {
    PrepareStepGrid(model);
    FillStartingEstimate(model, ui);
    steps.ZeroCount = 0;
    RunDays(model, ui);
    ComputeMeans(steps, model.inputs.MaxStates);
    if (steps.ZeroCount == 0 || model.inputs.TimeStepSeconds == 1) break;
    // 9. Negative probabilities: start over with the next shorter step.
    const std::int32_t shorter = ShorterTimeStep(model.inputs.TimeStepSeconds);
    model.inputs.TimeStepSeconds = shorter;
    ui.valueChanged(ShownValue::TimeStepSeconds);
    if (WarningsShown(model))
      ui.message(MessageKind::Warning, "Total Number of Zero Probs = " +
                                           std::to_string(steps.ZeroCount) +
                                           "\r\rResetting DeltaTime to " + std::to_string(shorter));
    ui.reportLine("Resetting DeltaTime to " + std::to_string(shorter));
  }
  if (steps.ZeroCount > 0) WarnSeriously(model, ui);
  ComputeDayMeasures(model);
  steps.Computed = true;
  return true;
}

}  // namespace morvane
