// The model of one scenario: its inputs, mode flags, staffing and result
// tables. Every computation works on a Model it is handed, so the windows,
// the batch command, tests and worker threads can each own one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/prob_vector.h"
#include "base/real.h"
#include "engine/scenario_inputs.h"

namespace morvane {

inline constexpr int kMinutesPerDay = 1440;
inline constexpr int kMinutePoints = kMinutesPerDay + 1;  // minute 0..1440
inline constexpr int kPeriods = 96;                       // 15-minute periods
inline constexpr int kMinutesPerPeriod = 15;
inline constexpr int kMaxSteps = 86400;

enum EmployeeType { FullTime = 0, PartTime = 1 };
enum OnDutyColumn { OnDutyTotal = 0, OnDutyFullTime = 1, OnDutyPartTime = 2 };

using PeriodCounts = std::array<std::int32_t, kPeriods>;

struct ModeFlags {
  bool UseBaseServers = true;   // servers from BaseServers, else from the plan
  bool InteractiveMode = true;  // results go to the main window's labels, boxes may be shown
  bool DrawCharts = true;       // charts and gauges are redrawn
  bool ShowWarnings = true;     // the solver may show its warning boxes

  bool operator==(const ModeFlags&) const = default;
};

// Duty templates, start counts and what they put on duty.
struct StaffingState {
  std::array<PeriodCounts, 2> DutyTemplate = initialTemplates();  // [FullTime], [PartTime]
  bool FullTimeWraps = true;
  bool PartTimeWraps = true;
  std::array<PeriodCounts, 2> StartTimes{};                 // starts per period
  std::array<PeriodCounts, 3> OnDutyByPeriod{};             // total, FT, PT
  std::array<std::int32_t, kMinutePoints> ServersOnDuty{};  // entry 1440 equals entry 0
  std::int32_t MaxServersOnDuty = 0;
  std::int64_t FullTimeCount = 0;
  std::int64_t PartTimeCount = 0;
  Real LaborCost = 0;

  static std::array<PeriodCounts, 2> initialTemplates();
};

// Results per minute of the day (steady state).
struct MinuteResults {
  std::array<Real, kMinutePoints> ArrivalRate{};
  std::array<Real, kMinutePoints> ServiceCapacity{};
  std::array<Real, kMinutePoints> SteadyMean{};
  std::vector<ProbVector> SteadyVectors = std::vector<ProbVector>(kMinutePoints);
};

// Results per time step of the day (time-dependent), plus the run's working figures.
struct StepResults {
  std::int32_t NumSteps = 0;
  Real StepMinutes = 0;
  Precision precision = Precision::Extended;  // the number type of the last run's vectors
  std::vector<ProbVector> TimeDepVectors;      // grows to NumSteps + 1, never shrinks
  std::vector<FastProbVector> FastVectors;     // the same in double precision
  std::vector<Real> TimeDepMean;
  std::vector<Real> StepArrivalRate;          // lambda(t_k), prepared by each solver run
  std::vector<std::int32_t> StepServers;      // ServersOnDuty[floor(t_k)]
  // The demand and time step whose arrival rates StepArrivalRate and the
  // minutes' ArrivalRate hold, when a solver run computed them.
  std::optional<ScenarioInputs> RatesFor;
  Real TotalPersonHours = 0;
  Real MaxTopProb = 0;
  std::int64_t ZeroCount = 0;     // summed over all days: can pass 2^31 at short steps
  std::int32_t Days = 0;          // days computed in all by the last run, nested runs included
  std::int32_t Iterations = 0;    // days since the last widening
  Real LastMaxChange = 0;         // max % change of the last day
  std::int32_t TopState = 0;      // MaxStates when MaxTopProb was found
  Real MaxPWait = 0;              // day measures of the last run
  Real MinutesOverLimit = 0;
  bool Computed = false;          // a time-dependent run has finished on these tables
};

// Calls f with the vectors of the last run (of `steps`, const or not), in their number type.
template <typename Steps, typename F>
decltype(auto) WithVectors(Steps& steps, F f) {
  return steps.precision == Precision::Double ? f(steps.FastVectors) : f(steps.TimeDepVectors);
}

struct Model {
  ScenarioInputs inputs;
  ModeFlags flags;
  Real CriticalPWait = 0.2L;
  static constexpr std::array<std::int32_t, 8> TimeStepLadder{60, 30, 20, 15, 10, 5, 2, 1};
  std::int32_t LeftAxisMax = -1;
  std::int32_t RightAxisMax = -1;
  StaffingState staffing;
  MinuteResults minutes;
  StepResults steps;

  // Makes room for step points 0..numSteps in the tables of steps.precision;
  // tables only ever grow.
  void reserveSteps(std::int32_t numSteps);
};

// Base staffing: BaseServers on duty all day, covered by three full-time shifts each.
void installBaseStaffing(Model& model);
// Servers per period into force: OnDutyByPeriod's totals, MaxServersOnDuty and
// every minute of each period (minute 1440 is minute 0 again).
void putServersByPeriod(StaffingState& staff, const PeriodCounts& servers);
// The servers on duty in each period: the plan's, or the base number all day.
PeriodCounts onDutyInForce(const StaffingState& staff);
// LaborCost from the current counts and costs.
void recomputeLaborCost(Model& model);
// The scenario inputs back to their defaults (staffing, flags and CriticalPWait stay).
void resetToDefaults(ScenarioInputs& inputs);

}  // namespace morvane
