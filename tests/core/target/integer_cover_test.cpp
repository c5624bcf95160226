// The integer cover: hand-solved models, the least cost of small random models
// by exhaustive search, the wrap rule, the start interval, refusals and stop.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <random>

#include "staffing/schedule_plan.h"
#include "target/integer_cover.h"

namespace morvane {
namespace {

PeriodCounts OnFor(int periods) {
  PeriodCounts duty{};
  for (int k = 0; k < periods; ++k) duty[k] = 1;
  return duty;
}

CoverProblem Problem(int ftPeriods, Real ftCost, int ptPeriods, Real ptCost) {
  CoverProblem problem;
  problem.DutyTemplate = {OnFor(ftPeriods), OnFor(ptPeriods)};
  problem.cost = {ftCost, ptCost};
  return problem;
}

// The answer is a plan: allowed starts only, every requirement met, its cost told.
void ExpectSoundCover(const CoverProblem& problem, const CoverOutcome& outcome) {
  ASSERT_TRUE(outcome.starts) << outcome.refusal.value_or("stopped");
  std::array<std::int64_t, kPeriods> onDuty{};
  Real cost = 0;
  for (int t : {FullTime, PartTime})
    for (int p = 0; p < kPeriods; ++p) {
      const std::int32_t n = outcome.starts.value()[t][p];
      EXPECT_GE(n, 0);
      EXPECT_TRUE(n == 0 || p % problem.startInterval == 0) << "start in period " << p;
      cost += n * problem.cost[t];
      const PeriodCounts duty = DutyOfStart(problem.DutyTemplate[t], problem.wraps[t], p);
      for (int q = 0; q < kPeriods; ++q) onDuty[q] += std::int64_t{n} * duty[q];
    }
  for (int q = 0; q < kPeriods; ++q) EXPECT_GE(onDuty[q], problem.requirement[q]) << "period " << q;
  EXPECT_EQ(outcome.cost, cost);
}

TEST(CheapestCover, HandSolvedModels) {
  CoverProblem problem = Problem(4, 10, 2, 6);  // four periods need one each
  for (int q = 0; q < 4; ++q) problem.requirement[q] = 1;
  CoverOutcome outcome = CheapestCover(problem);
  ExpectSoundCover(problem, outcome);
  EXPECT_EQ(outcome.cost, 10);  // one full-time beats two part-time at 12
  EXPECT_EQ(outcome.starts.value()[FullTime][0], 1);
  problem.cost[PartTime] = 4;  // now two part-time at 8, at 00:00 and 00:30
  outcome = CheapestCover(problem);
  ExpectSoundCover(problem, outcome);
  PlanStarts expected{};
  expected[PartTime][0] = expected[PartTime][2] = 1;
  EXPECT_EQ(outcome.starts, expected);
}

TEST(CheapestCover, WrapsOnlyWhenAllowedAndStartsOnlyEveryInterval) {
  CoverProblem problem = Problem(2, 1, 0, 1);  // the part-time template is never on duty
  problem.requirement[95] = problem.requirement[0] = 3;
  CoverOutcome outcome = CheapestCover(problem);
  ExpectSoundCover(problem, outcome);
  EXPECT_EQ(outcome.starts.value()[FullTime][95], 3);
  problem.wraps[FullTime] = false;  // 23:45 and 00:00 need shifts of their own
  outcome = CheapestCover(problem);
  ExpectSoundCover(problem, outcome);
  EXPECT_EQ(outcome.cost, 6);

  problem = Problem(2, 1, 1, 1);
  problem.requirement[5] = 1;
  problem.startInterval = 4;
  outcome = CheapestCover(problem);
  ExpectSoundCover(problem, outcome);
  EXPECT_EQ(outcome.starts.value()[FullTime][4], 1);
  problem.startInterval = 6;  // shifts of 00:00 and 01:30 miss 01:15 - 01:30
  outcome = CheapestCover(problem);
  EXPECT_FALSE(outcome.starts);
  EXPECT_EQ(outcome.refusal, "No start time puts anyone on duty in period 75-90, so its "
                             "requirement of 1 cannot be covered.");
}

TEST(CheapestCover, NothingRequiredOrStopped) {
  CoverProblem problem = Problem(4, 10, 2, 6);
  CoverOutcome outcome = CheapestCover(problem);
  EXPECT_EQ(outcome.starts, PlanStarts{});
  EXPECT_EQ(outcome.cost, 0);
  problem.requirement[10] = 2;
  const std::atomic<bool> stop{true};
  outcome = CheapestCover(problem, &stop);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_FALSE(outcome.starts);
  EXPECT_FALSE(outcome.refusal);
}

// The least cost over every count 0..2 of every start that can reach periods
// 88..95 and 0..7, where random requirements of 0..2 lie; -1 when none covers.
Real LeastCostBySearch(const CoverProblem& problem) {
  std::vector<std::pair<int, PeriodCounts>> starts;  // type, duty
  for (int t : {FullTime, PartTime})
    for (int p : {84, 88, 92, 0, 4})
      starts.emplace_back(t, DutyOfStart(problem.DutyTemplate[t], problem.wraps[t], p));
  Real best = -1;
  std::function<void(std::size_t, PeriodCounts, Real)> search = [&](auto i, auto onDuty, auto cost) {
    if (i == starts.size()) {
      for (int q = 0; q < kPeriods; ++q)
        if (onDuty[q] < problem.requirement[q]) return;
      if (best < 0 || cost < best) best = cost;
      return;
    }
    for (int n = 0; n <= 2; ++n, cost += problem.cost[starts[i].first]) {
      search(i + 1, onDuty, cost);
      for (int q = 0; q < kPeriods; ++q) onDuty[q] += starts[i].second[q];
    }
  };
  search(0, PeriodCounts{}, 0);
  return best;
}

TEST(CheapestCover, CostsTheLeastOfAnExhaustiveSearch) {
  std::mt19937 random(2026);
  auto draw = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  for (int round = 0; round < 30; ++round) {
    CoverProblem problem = Problem(draw(2, 8), draw(1, 20), draw(2, 8), draw(1, 20));
    for (int t : {FullTime, PartTime}) {
      for (int k = 1; k < 8; ++k) problem.DutyTemplate[t][k] &= draw(0, 3) > 0;  // some breaks
      problem.wraps[t] = draw(0, 1) == 1;
    }
    for (int q : {88, 90, 91, 93, 95, 0, 1, 3, 6}) problem.requirement[q] = draw(0, 2);
    problem.startInterval = 4;
    const Real least = LeastCostBySearch(problem);
    const CoverOutcome outcome = CheapestCover(problem);
    SCOPED_TRACE("round " + std::to_string(round));
    EXPECT_EQ(outcome.refusal.has_value(), least < 0);
    if (least < 0) continue;
    ExpectSoundCover(problem, outcome);
    EXPECT_EQ(outcome.cost, least);
  }
}

// A free type is hired no more than when each of its employees costs 1.
TEST(CheapestCover, CoversADayWithTheDefaultTemplatesAndNoFreeEmployeeTooMany) {
  PeriodCounts requirement{};
  for (int q = 0; q < kPeriods; ++q) requirement[q] = q < 28 ? 1 : 4 + (q * 7) % 9;
  CoverProblem problem = CoverProblemOf(Model{}, requirement, 1);
  problem.cost[PartTime] = 1;
  const CoverOutcome paid = CheapestCover(problem);
  ExpectSoundCover(problem, paid);
  problem.cost[PartTime] = 0;
  const CoverOutcome unpaid = CheapestCover(problem);
  ExpectSoundCover(problem, unpaid);
  auto employees = [](const PlanStarts& starts) {
    return std::accumulate(starts[0].begin(), starts[0].end(), 0) +
           std::accumulate(starts[1].begin(), starts[1].end(), 0);
  };
  EXPECT_EQ(employees(unpaid.starts.value()), employees(paid.starts.value()));
}

}  // namespace
}  // namespace morvane
