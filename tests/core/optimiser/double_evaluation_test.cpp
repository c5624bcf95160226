// Fifty random plans of the default GA run scored in double and in extended
// precision: costs, person-hours, P(wait), service level and ASA agree to 1e-9
// relative; the minutes over the limit and below target, the states used, the
// time step and the days are equal.
#include <gtest/gtest.h>

#include <cmath>

#include "optimiser/evaluation.h"
#include "optimiser/random_solution.h"
#include "engine/service_level.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

struct Scored {
  GASolution plan;
  Model model;
};

Scored Score(const GASolution& plan, GASettings settings, Precision precision) {
  Scored scored{plan, {}};
  scored.model.flags = {false, false, false, false};
  settings.Evaluation = precision;
  testing::ScriptedUserInterface ui;
  EXPECT_TRUE(evaluate_chromosome(scored.model, settings, 100, scored.plan, ui));
  return scored;
}

void ExpectRelativelyNear(Real extended, Real fast, const char* what) {
  EXPECT_TRUE(fast == extended || std::fabs(fast - extended) <= 1e-9 * std::fabs(extended))
      << what << ": " << static_cast<double>(extended) << " vs " << static_cast<double>(fast);
}

TEST(DoubleEvaluation, AgreesWithExtendedOnFiftyRandomPlans) {
  Model model;
  model.flags = {false, false, false, false};
  GASettings settings;
  ResetGASettings(settings, model);  // MaxCost 2000, seed 139753
  RandomGenerator random;
  random.seed(settings.RandomSeed);
  for (int i = 0; i < 50; ++i) {
    SCOPED_TRACE("plan " + std::to_string(i));
    GASolution plan;
    ASSERT_TRUE(MakeRandomPlan(model, settings, random, plan, [&](GASolution& made) {
      return InstallForEvaluation(model, 100, made) && ReachesEngine(model);
    }));
    const Scored extended = Score(plan, settings, Precision::Extended);
    const Scored fast = Score(plan, settings, Precision::Double);
    ExpectRelativelyNear(extended.plan.TotalCost, fast.plan.TotalCost, "TotalCost");
    ExpectRelativelyNear(extended.plan.PersonHours, fast.plan.PersonHours, "PersonHours");
    ExpectRelativelyNear(extended.plan.MaxPWait, fast.plan.MaxPWait, "MaxPWait");
    EXPECT_EQ(fast.plan.MinutesOverLimit, extended.plan.MinutesOverLimit);
    EXPECT_EQ(fast.plan.StatesUsed, extended.plan.StatesUsed);
    EXPECT_EQ(fast.model.inputs.TimeStepSeconds, extended.model.inputs.TimeStepSeconds);
    EXPECT_EQ(fast.model.steps.Days, extended.model.steps.Days);
    const ServiceDay extendedService = TimeDepServiceDay(extended.model);
    const ServiceDay fastService = TimeDepServiceDay(fast.model);
    ExpectRelativelyNear(extendedService.level, fastService.level, "service level");
    ExpectRelativelyNear(extendedService.answerSeconds, fastService.answerSeconds, "ASA");
    EXPECT_EQ(fastService.minutesBelowTarget, extendedService.minutesBelowTarget);
  }
}

}  // namespace
}  // namespace morvane
