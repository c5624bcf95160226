// The scenario a planner enters in the main window, with defaults and ranges.
#pragma once

#include <cstdint>
#include <optional>

#include "base/real.h"
#include "engine/demand_forecast.h"

namespace morvane {

struct ScenarioInputs {
  Real MeanDemand = 10.0L;         // arrivals per hour, 1..100
  Real DemandAmplitude = 4.5L;     // arrivals per hour, 0..MeanDemand
  std::int32_t CyclesPerDay = 1;   // 1..12
  Real DemandShift = 0.0L;         // minutes, 0..1440
  std::int32_t BaseServers = 6;    // 1..35
  Real ServiceRate = 2.5L;         // services per hour per server, 0.01..100
  std::int32_t TimeStepSeconds = 60;   // 1..3600
  std::int32_t MaxIterations = 10;     // 1..2000
  Real MaxPercentChange = 0.1L;        // percent, 0.00001..50
  std::int32_t MaxStates = 100;        // 100..500 (raised by the solver)
  bool BlockDemand = false;
  std::int32_t BlockMinutes = 60;      // 1..1440
  Real DelayCost = 12.0L;              // per person-hour, 0..1000
  Real FullTimeCost = 125.0L;          // per employee per day, 0..100000
  Real PartTimeCost = 70.0L;           // per employee per day, 0..FullTimeCost
  std::int32_t ServiceLevelSeconds = 20;  // target answer time T, 0..3600
  Real ServiceLevelTarget = 80.0L;         // percent answered within T, 0..100
  std::int32_t PatienceSeconds = 0;  // mean patience of a waiting caller, 0..36000; 0: nobody hangs up
  // Demand from a forecast file when set: then the sine's inputs and blocks are not used.
  std::optional<DemandForecast> Forecast;

  bool operator==(const ScenarioInputs&) const = default;
};

// Inclusive ranges of the inputs; bounds that follow another input are
// functions of the current inputs.
struct InputRanges {
  static constexpr Real kMeanDemandLow = 1, kMeanDemandHigh = 100;
  static constexpr std::int32_t kCyclesLow = 1, kCyclesHigh = 12;
  static constexpr Real kShiftLow = 0, kShiftHigh = 1440;
  static constexpr std::int32_t kServersLow = 1, kServersHigh = 35;
  static constexpr Real kServiceRateLow = 0.01L, kServiceRateHigh = 100;
  static constexpr std::int32_t kTimeStepLow = 1, kTimeStepHigh = 3600;
  static constexpr std::int32_t kIterationsLow = 1, kIterationsHigh = 2000;
  static constexpr Real kPercentChangeLow = 0.00001L, kPercentChangeHigh = 50;
  static constexpr std::int32_t kMaxStatesLow = 100, kMaxStatesHigh = 500;
  static constexpr std::int32_t kBlockMinutesLow = 1, kBlockMinutesHigh = 1440;
  static constexpr Real kDelayCostLow = 0, kDelayCostHigh = 1000;
  static constexpr Real kFullTimeCostLow = 0, kFullTimeCostHigh = 100000;
  static constexpr std::int32_t kServiceSecondsLow = 0, kServiceSecondsHigh = 3600;
  static constexpr Real kServiceTargetLow = 0, kServiceTargetHigh = 100;
  static constexpr std::int32_t kPatienceLow = 0, kPatienceHigh = 36000;
};

// theta: the rate per hour at which each waiting caller hangs up, 3600 / patience;
// 0 when nobody hangs up.
inline Real AbandonRate(const ScenarioInputs& inputs) {
  return inputs.PatienceSeconds > 0 ? Real{3600} / inputs.PatienceSeconds : Real{0};
}

}  // namespace morvane
