// The measures of a day and the captions of the result labels.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/measures.h"
#include "engine/steady_state.h"

namespace morvane {
namespace {

constexpr std::int32_t kSteps = 1440;

// A model whose per-step tables hold `vector` at every step of a 60-second grid.
Model ModelWithSteps(const ProbVector& vector) {
  Model model;
  installBaseStaffing(model);
  model.steps.NumSteps = kSteps;
  model.steps.StepMinutes = 1;
  model.reserveSteps(kSteps);
  for (std::int32_t k = 0; k <= kSteps; ++k) {
    model.steps.TimeDepVectors[k] = vector;
    model.steps.TimeDepMean[k] = MeanOf(vector, model.inputs.MaxStates);
  }
  return model;
}

ProbVector Masses(std::initializer_list<std::pair<int, Real>> masses) {
  ProbVector vector;
  for (const auto& [state, mass] : masses) vector[state] = mass;
  return vector;
}

// P_SS counts states 0..s-1 with the servers of the minute; P_TD counts
// 0..MaxServersOnDuty inclusive with the day's largest number on duty.
TEST(ProbabilityOfWaiting, SteadyUsesTheMinuteTimeDependentTheDaysMaximum) {
  ProbVector twoServers;  // M/M/2, lambda 3, mu 2: p0 = 1/7, p1 = 1.5/7, p2 = 1.125/7
  SteadyStateProbs(2, false, twoServers, 3, 2, 100);
  Model model = ModelWithSteps(twoServers);
  model.staffing.ServersOnDuty.fill(2);
  model.staffing.MaxServersOnDuty = 2;
  model.minutes.SteadyVectors[10] = twoServers;
  model.minutes.ArrivalRate[10] = 3;
  model.minutes.ServiceCapacity[10] = 4;
  EXPECT_NEAR(SteadyPWait(model, 10), 4.5L / 7, 1e-12);
  EXPECT_NEAR(TimeDepPWait(model, 0), 3.375L / 7, 1e-12);

  model.minutes.ArrivalRate[10] = 4;  // arrivals equal to capacity: all wait
  EXPECT_EQ(SteadyPWait(model, 10), 1);

  // More servers than states: the sums stop at the top state.
  model.staffing.ServersOnDuty[10] = 600;
  model.staffing.MaxServersOnDuty = 600;
  model.minutes.ServiceCapacity[10] = 1200;
  EXPECT_NEAR(SteadyPWait(model, 10), 0, 1e-17);
  EXPECT_NEAR(TimeDepPWait(model, 0), 0, 1e-17);
}

TEST(DayMeasures, PersonHoursCostsAndTimeOverTheLimit) {
  // Mean 4 at every step; P_TD = 1 - 0.75 = 0.25 with up to 6 servers on duty.
  Model model = ModelWithSteps(Masses({{0, 0.75L}, {16, 0.25L}}));
  model.CriticalPWait = 0.25L;
  ComputeDayMeasures(model);
  EXPECT_EQ(model.steps.TotalPersonHours, 96);
  EXPECT_EQ(model.steps.MaxPWait, 0.25L);
  EXPECT_EQ(model.steps.MinutesOverLimit, 0);  // strictly greater only
  EXPECT_EQ(PersonCost(model), 1152);
  EXPECT_EQ(TotalSystemCost(model), 1152 + 2250);

  model.CriticalPWait = 0.2L;
  ComputeDayMeasures(model);
  EXPECT_EQ(model.steps.MinutesOverLimit, 1440);

  // The end point of the day equals its start and is counted once.
  model.steps.TimeDepMean[kSteps] = 1000;
  ComputeDayMeasures(model);
  EXPECT_EQ(model.steps.TotalPersonHours, 96);
}

// P(all busy) counts from the servers on duty at the step, P(wait) only above the
// day's largest number on duty; the day's maximum takes the steps with arrivals.
TEST(ProbabilityAllBusy, CountsFromTheStepsServersOverStepsWithArrivals) {
  ProbVector twoServers;
  SteadyStateProbs(2, false, twoServers, 3, 2, 100);
  Model model = ModelWithSteps(twoServers);
  model.staffing.MaxServersOnDuty = 3;
  std::fill(model.steps.StepServers.begin(), model.steps.StepServers.end(), 2);
  EXPECT_NEAR(TimeDepPAllBusy(model, 0), 4.5L / 7, 1e-12);
  EXPECT_NEAR(TimeDepPWait(model, 0), 4.5L / 7 * 0.75L * 0.75L, 1e-12);
  model.steps.StepServers[5] = 0;  // nobody on duty: every caller finds them all busy
  EXPECT_EQ(TimeDepPAllBusy(model, 5), 1);

  EXPECT_EQ(MaxPAllBusy(model), 0);  // nobody arrives all day
  model.steps.StepArrivalRate[7] = 3;
  EXPECT_NEAR(MaxPAllBusy(model), 4.5L / 7, 1e-12);
  model.steps.StepArrivalRate[5] = 3;
  EXPECT_EQ(MaxPAllBusy(model), 1);
  EXPECT_EQ(ResultLabelTexts(model, kFixedLocale).MaxPAllBusyLabel, "Max P(all busy) = 1.000");
  // A distribution whose entries round to a sum above 1 has no tail, not a negative one.
  Model rounded = ModelWithSteps(Masses({{0, 0.5L + 1e-18L}, {1, 0.5L}}));
  rounded.steps.StepServers[0] = 2;
  EXPECT_EQ(TimeDepPAllBusy(rounded, 0), 0);
}

TEST(ResultLabelTexts, CaptionsOfTheSevenLabels) {
  Model model = ModelWithSteps(Masses({{0, 0.75L}, {16, 0.25L}}));
  ComputeDayMeasures(model);
  model.steps.TopState = 150;
  model.steps.MaxTopProb = 1.234567890123e-9L;
  const ResultLabels labels = ResultLabelTexts(model, kFixedLocale);
  EXPECT_EQ(labels.TimeOverLimitLabel, "Time P(Wait) > 0.20 = 1,440");
  EXPECT_EQ(labels.MaxProbWaitLabel, "Max P(Wait) = 0.250");
  EXPECT_EQ(labels.MaxP200Label, "Max P(150) = 0.0000000012");
  EXPECT_EQ(labels.TotalPersonHoursLabel, "Total Person Hours = 96.00000");
  EXPECT_EQ(labels.TotalPersonHoursCostLabel, "Total Person Cost = $1,152.00");
  EXPECT_EQ(labels.TotalLaborCostLabel, "Total Labor Cost = $2,250.00     Full/Part time = 18/0");
  EXPECT_EQ(labels.TotalCostLabel, "Total System Cost = $3,402.00");
}

}  // namespace
}  // namespace morvane
