// One staffing plan of the genetic algorithm with the result of its evaluation,
// the populations that hold plans, and the small routines every part of the
// optimisation shares: the best member, the uniqueness test and the text of a
// plan's objective values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "optimiser/ga_settings.h"
#include "engine/model.h"
#include "base/number_format.h"

namespace morvane {

// How a plan was made. The tradeoff chart draws the Random ones as a series of their own.
enum class PlanOrigin { None, Random, Carry, Cross };
const char* OriginText(PlanOrigin origin);  // "", "Random", "Carry", "Cross"

// A plain record, copied whole by assignment.
struct GASolution {
  Real PersonHours = 0;         // person-hours in the system over the day
  std::int32_t StatesUsed = 0;  // MaxStates as the solver left it for this plan
  std::int32_t NumFullTime = 0;
  std::int32_t NumPartTime = 0;
  Real MinutesOverLimit = 0;  // minutes with P(wait) above CriticalPWait
  Real MinutesBelowServiceTarget = 0;  // minutes with arrivals below the target service level
  Real Abandonment = 0;  // the share of the day's callers who hang up
  Real MaxPWait = 0;
  Real TotalCost = 0;         // PersonHours * DelayCost + LaborCost
  Real LaborCost = 0;         // the employees' cost
  Real Objective2 = 0;        // 0 when the second objective is "None"
  Real TradeoffDistance = 0;  // written only by the tradeoff classification
  Real Objective1 = 0;
  // Starts per period p = 15p minutes. (Every routine that makes plans leaves a
  // 97th entry at 0, so plans hold the 96 periods only.)
  PeriodCounts PartTimeStarts{};
  PeriodCounts FullTimeStarts{};
  bool Improved = false;   // has been through local improvement
  bool Supported = false;  // supported non-inferior plan
  bool NonInferior = false;
  PlanOrigin Origin = PlanOrigin::None;
};

// Elements 0..250; the members are 1..PopulationSize, element 0 is none.
inline constexpr int kPopulationSlots = kMaxPopulation + 1;
using Population = std::array<GASolution, kPopulationSlots>;

struct BestMember {
  Real value = 1e30L;
  std::int32_t index = -1;
};

// Smallest Objective1 among members 1..populationSize; the first of equals
// wins; index -1 when every value is 1e30 or more.
BestMember BestOfPopulation(const Population& population, std::int32_t populationSize);

// True when none of members 1..n-1 has the plan's Objective1 exactly and the same starts.
bool IsUniquePlan(std::int32_t n, const Population& population, const GASolution& plan);

// The value of objective `item` (0 cost, 1 max P(wait), 2 minutes over; 3 none: 0; 4
// minutes below the service target; 5 labour cost with the target met). A plan
// with minutes below the target misses objective 5's rule: its value is
// UnmetTargetValue, which ranks it after every plan within `maxCost` by those minutes.
Real ObjectiveValue(const GASolution& plan, std::int32_t item, Real maxCost = 0);
// maxCost + 1 + minutes below target: above the labour cost of any plan within maxCost.
Real UnmetTargetValue(Real maxCost, Real minutesBelowTarget);

// The plan's objective values as the run report shows them: the first, then
// " / " and the second when there is one.
std::string ObjectiveText(const GASolution& plan, const GASettings& settings,
                          const NumberLocale& locale);

// "   HRS Full/Part = " person-hours (`precision` digits, 5 decimals) "   " FT "/" PT,
// the tail of the plan lines of the run report.
std::string HoursText(const GASolution& plan, int precision, const NumberLocale& locale);

}  // namespace morvane
