// The scenario options: one per input box of the main window, checked with the
// box's range and messages. They are applied in the order given, as boxes left
// in that order, so a bound that follows another input (the amplitude's is the
// mean demand, the part-time cost's the full-time cost) reads the value in
// force at that point.
#include <utility>

#include "batch/batch_option.h"
#include "engine/entry_check.h"
#include "engine/forecast_file.h"

namespace morvane::batch {
namespace {

using RealField = Real& (*)(Model&);
using IntField = std::int32_t& (*)(Model&);
using RealBound = std::function<Real(const Model&)>;

constexpr Real kCriticalPWaitLow = 0, kCriticalPWaitHigh = 1;

RealBound Fixed(Real bound) {
  return [bound](const Model&) { return bound; };
}

BatchOption RealInput(std::string name, std::string help, RealField field, RealBound low,
                      RealBound high) {
  return {std::move(name), "X", std::move(help),
          [field, low, high](BatchRequest& request, const std::string& text) {
            Model& model = request.model;
            return EntryRefusal(ValidateRealEdit(text, field(model), low(model), high(model)));
          }};
}

BatchOption IntInput(std::string name, std::string help, IntField field, std::int32_t low,
                     std::int32_t high) {
  return {std::move(name), "N", std::move(help),
          [field, low, high](BatchRequest& request, const std::string& text) {
            return EntryRefusal(ValidateIntEdit(text, field(request.model), low, high));
          }};
}

// Giving a block length switches block demand on.
BatchOption BlockMinutesInput() {
  return {"--block-minutes", "N",
          "demand held constant over blocks of N minutes, 1 to 1440 (default: no blocks)",
          [](BatchRequest& request, const std::string& text) {
            ScenarioInputs& inputs = request.model.inputs;
            auto refusal = EntryRefusal(ValidateIntEdit(text, inputs.BlockMinutes,
                                                   InputRanges::kBlockMinutesLow,
                                                   InputRanges::kBlockMinutesHigh));
            if (!refusal) inputs.BlockDemand = true;
            return refusal;
          }};
}

// A forecast file in place of the sine; its peak is checked at the service rate given so far.
BatchOption DemandFileInput() {
  return {"--demand", "FILE",
          "demand from a forecast CSV (columns start and calls or rate) instead of the sine",
          [](BatchRequest& request, const std::string& path) {
            return LoadForecastFile(request.model.inputs, path);
          }};
}

}  // namespace

OptionGroup ScenarioOptions() {
  using R = InputRanges;
  return {
      "Scenario (checked in the order given, like the main window's boxes)",
      {
          RealInput("--mean-demand", "mean arrivals per hour, 1 to 100 (default 10)",
                    [](Model& m) -> Real& { return m.inputs.MeanDemand; },
                    Fixed(R::kMeanDemandLow), Fixed(R::kMeanDemandHigh)),
          RealInput("--amplitude",
                    "peak minus mean arrivals per hour, 0 to the mean demand (default 4.5)",
                    [](Model& m) -> Real& { return m.inputs.DemandAmplitude; }, Fixed(0),
                    [](const Model& m) { return m.inputs.MeanDemand; }),
          IntInput("--cycles", "demand cycles per day, 1 to 12 (default 1)",
                   [](Model& m) -> std::int32_t& { return m.inputs.CyclesPerDay; },
                   R::kCyclesLow, R::kCyclesHigh),
          RealInput("--shift", "shift of the demand pattern in minutes, 0 to 1440 (default 0)",
                    [](Model& m) -> Real& { return m.inputs.DemandShift; },
                    Fixed(R::kShiftLow), Fixed(R::kShiftHigh)),
          BlockMinutesInput(),
          DemandFileInput(),
          IntInput("--servers", "base number of servers, on duty all day, 1 to 35 (default 6)",
                   [](Model& m) -> std::int32_t& { return m.inputs.BaseServers; },
                   R::kServersLow, R::kServersHigh),
          RealInput("--service-rate", "services per hour per server, 0.01 to 100 (default 2.5)",
                    [](Model& m) -> Real& { return m.inputs.ServiceRate; },
                    Fixed(R::kServiceRateLow), Fixed(R::kServiceRateHigh)),
          IntInput("--patience",
                   "mean patience of a waiting caller in seconds, 0 to 36000 (default 0: "
                   "nobody hangs up)",
                   [](Model& m) -> std::int32_t& { return m.inputs.PatienceSeconds; },
                   R::kPatienceLow, R::kPatienceHigh),
          RealInput("--delay-cost", "cost per person-hour in the system, 0 to 1000 (default 12)",
                    [](Model& m) -> Real& { return m.inputs.DelayCost; },
                    Fixed(R::kDelayCostLow), Fixed(R::kDelayCostHigh)),
          RealInput("--full-time-cost",
                    "cost per full-time employee per day, 0 to 100000 (default 125)",
                    [](Model& m) -> Real& { return m.inputs.FullTimeCost; },
                    Fixed(R::kFullTimeCostLow), Fixed(R::kFullTimeCostHigh)),
          RealInput("--part-time-cost",
                    "cost per part-time employee per day, 0 to the full-time cost (default 70)",
                    [](Model& m) -> Real& { return m.inputs.PartTimeCost; }, Fixed(0),
                    [](const Model& m) { return m.inputs.FullTimeCost; }),
          IntInput("--time-step", "integration step in seconds, 1 to 3600 (default 60)",
                   [](Model& m) -> std::int32_t& { return m.inputs.TimeStepSeconds; },
                   R::kTimeStepLow, R::kTimeStepHigh),
          IntInput("--max-iterations", "most days repeated to converge, 1 to 2000 (default 10)",
                   [](Model& m) -> std::int32_t& { return m.inputs.MaxIterations; },
                   R::kIterationsLow, R::kIterationsHigh),
          RealInput("--max-change",
                    "convergence: largest % change between days, 0.00001 to 50 (default 0.1)",
                    [](Model& m) -> Real& { return m.inputs.MaxPercentChange; },
                    Fixed(R::kPercentChangeLow), Fixed(R::kPercentChangeHigh)),
          IntInput("--max-states", "initial highest state, 100 to 500 (default 100)",
                   [](Model& m) -> std::int32_t& { return m.inputs.MaxStates; },
                   R::kMaxStatesLow, R::kMaxStatesHigh),
          IntInput("--sl-seconds",
                   "target answer time of the service level in seconds, 0 to 3600 (default 20)",
                   [](Model& m) -> std::int32_t& { return m.inputs.ServiceLevelSeconds; },
                   R::kServiceSecondsLow, R::kServiceSecondsHigh),
          RealInput("--sl-target",
                    "target service level in percent answered in time, 0 to 100 (default 80)",
                    [](Model& m) -> Real& { return m.inputs.ServiceLevelTarget; },
                    Fixed(R::kServiceTargetLow), Fixed(R::kServiceTargetHigh)),
          RealInput("--critical-pwait", "critical probability of waiting, 0 to 1 (default 0.2)",
                    [](Model& m) -> Real& { return m.CriticalPWait; }, Fixed(kCriticalPWaitLow),
                    Fixed(kCriticalPWaitHigh)),
      }};
}

}  // namespace morvane::batch
