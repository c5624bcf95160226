#include "optimiser/ga_run.h"

#include <algorithm>
#include <numeric>

#include "optimiser/generation_forecast.h"
#include "optimiser/generation_step.h"
#include "optimiser/local_improvement.h"
#include "optimiser/plan_install.h"
#include "optimiser/random_solution.h"
#include "optimiser/worse_plan_question.h"
#include "engine/steady_state.h"
#include "engine/arrival_rate.h"
#include "target/plan_for_target.h"

namespace morvane {
namespace {

using Failure = std::optional<std::string>;

RunResult Ended(RunEnd end) {
  RunResult result;
  result.end = end;
  return result;
}

// The run foresees the evaluations of its initial population: random plans
// for the members still to come (and the first generation's imports).
class GARun : public Forecast {
 public:
  explicit GARun(GAContext& context)
      : c_(context), s_(context.state), settings_(context.settings) {}

  RunResult run() {
    // 1.-2.
    start_ = s_.clock();
    s_.ImportPerGeneration = settings_.NumberToImport;
    s_.CrossoverPerGeneration =
        settings_.PopulationSize - settings_.NumberToCarryOver - settings_.NumberToImport;
    if (const auto refusal = RunRefusal(c_.model)) {
      c_.ui.message(MessageKind::Error, *refusal);
      return Ended(RunEnd::Refused);
    }
    if (!costAccepted()) return Ended(RunEnd::Declined);
    if (c_.askBeforeWorsePlan && !c_.model.flags.UseBaseServers) before_ = c_.model;
    begin();
    Failure failure = takeSeeds();
    if (!failure) failure = initialPopulation();
    if (failure) {
      fail(*failure);
      restoreFlags();
      report(endLine("GA ENDED EARLY"));
      return Ended(RunEnd::Failed);
    }
    generations();
    return finish();
  }

 private:
  bool twoObjectives() const { return settings_.twoObjectives(); }
  bool stopped() const { return s_.StopRequested.load(); }
  void report(const std::string& line) { c_.ui.reportLine(line); }
  std::string number(Real value, int precision, int decimals) const {
    return NumberText(value, precision, decimals, c_.locale);
  }

  // 3. A maximum cost below one full-timer per server needed on average is only warned about.
  bool costAccepted() {
    const ScenarioInputs& in = c_.model.inputs;
    if (!(settings_.MaxCost < in.FullTimeCost * MeanArrivalRate(in) / in.ServiceRate + 1)) return true;
    return c_.ui.ask("Warning ... \rMaximum cost of " + number(settings_.MaxCost, 12, 2) +
                         " appears to be too low.\rDo you really want to continue?",
                     MessageKind::Warning);
  }

  // 4.-12.
  void begin() {
    improveCount_ = 0;
    if (settings_.ImproveBest) improveCount_ = 1;
    if (settings_.ImproveCarryOver) improveCount_ = settings_.NumberToCarryOver;
    if (twoObjectives()) improveCount_ = 0;
    s_.FullTimeCheaper = FullTimeCheaper(c_.model);
    c_.model.flags.InteractiveMode = false;
    c_.model.flags.DrawCharts = false;
    c_.model.flags.ShowWarnings = false;
    s_.StopRequested = false;
    s_.progress = ProgressRanges{};
    s_.Evaluations = 0;
    c_.observer.runStarted();
    s_.random.seed(settings_.RandomSeed);
    bestSoFar_ = 1e30L;
    c_.ui.clearReport();
  }

  bool labour() const { return settings_.FirstObjectiveIndex == kObjectiveLabour; }

  // The plans the first members start from. A run for the labour cost with the
  // target met starts from the plan for the target and the Erlang C cover, and
  // holds them within its maximum cost, so that no plan of the run that meets
  // the target ranks after one that does not.
  Failure takeSeeds() {
    seeds_ = std::move(s_.Seeds);
    s_.Seeds.clear();
    if (labour() && seeds_.empty()) {
      const TargetOutcome target = ComputePlanForTarget(
          c_.model, settings_.StartInterval, c_.ui, {settings_.Threads, &s_.StopRequested});
      if (!target.plan) return target.refusal.value_or("The plan for the target was stopped.");
      seeds_ = {target.plan->starts, target.plan->erlangCCover};
    }
    if (!labour()) return std::nullopt;
    const CoverProblem costs = CoverProblemOf(c_.model, {}, settings_.StartInterval);
    for (const PlanStarts& seed : seeds_)
      if (CostOf(costs, seed) > settings_.MaxCost) {
        settings_.MaxCost = CostOf(costs, seed);
        report("Maximum cost raised to " + number(settings_.MaxCost, 12, 2) +
               " to hold the plan for the target");
      }
    return std::nullopt;
  }

  // Member i from seed i, scored; false when it cannot be (the run then makes a random one).
  bool seeded(std::int32_t i, GASolution& plan) {
    if (i > static_cast<std::int32_t>(seeds_.size())) return false;
    plan = GASolution{};
    plan.FullTimeStarts = seeds_[i - 1][FullTime];
    plan.PartTimeStarts = seeds_[i - 1][PartTime];
    plan.NumFullTime = std::accumulate(plan.FullTimeStarts.begin(), plan.FullTimeStarts.end(), 0);
    plan.NumPartTime = std::accumulate(plan.PartTimeStarts.begin(), plan.PartTimeStarts.end(), 0);
    if (!EvaluateInRun(c_, plan)) return false;
    if (!bestSeed_ || plan.Objective1 < bestSeed_->Objective1) bestSeed_ = plan;
    return true;
  }

  // A run never ends worse than its best seed: it takes the place of the worst member.
  void keepBestSeed() {
    if (!bestSeed_) return;
    Population& population = s_.population;
    const std::int32_t size = settings_.PopulationSize;
    if (BestOfPopulation(population, size).value <= bestSeed_->Objective1) return;
    std::int32_t worst = 1;
    for (std::int32_t i = 2; i <= size; ++i)
      if (population[i].Objective1 > population[worst].Objective1) worst = i;
    population[worst] = *bestSeed_;
  }

  // 13. Made in NextPopulation and copied over Population only when complete,
  // so a run that cannot make one leaves Population as it was.
  Failure initialPopulation() {
    const Lookahead::Scope foresight(s_.lookahead, *this);
    for (std::int32_t i = 1; i <= settings_.PopulationSize; ++i) {
      member_ = i;
      GASolution& plan = s_.nextPopulation[i];
      if (!seeded(i, plan) && !generate_random_solution(c_, plan))
        return NoFeasiblePlanMessage(settings_, c_.locale);
      bestSoFar_ = std::min(bestSoFar_, plan.Objective1);
      report(std::to_string(i) + "   Val = " + ObjectiveText(plan, settings_, c_.locale) +
             HoursText(plan, 15, c_.locale) + (plan.Objective1 == bestSoFar_ ? "   BEST" : ""));
      c_.ui.pause(1);
    }
    s_.population = s_.nextPopulation;
    return std::nullopt;
  }

  // 14.-17.
  void generations() {
    if (settings_.ImproveBest && !stopped()) DoImprovements(c_, improveCount_, s_.population);
    const BestMember b = BestOfPopulation(s_.population, settings_.PopulationSize);
    s_.GenerationCount = 0;
    s_.GAGenNoChange = 0;
    plot(b.value);
    if (twoObjectives()) ShowMOGraph(c_, s_.population, 0);
    lastArea_ = 1e30L;
    lastCount_ = -1;
    s_.MaxOnTradeoff = 0;
    while (s_.GenerationCount < settings_.MaxGenerations &&
           s_.GAGenNoChange < settings_.MaxGenNoChange && !stopped())
      if (!generation()) return;
  }

  // 17.1-17.11; false when the generation could not be completed.
  bool generation() {
    ++s_.GenerationCount;
    for (const std::string& line : {std::string(), std::string(44, '-'), std::string(),
                                    "Gen " + std::to_string(s_.GenerationCount), std::string()})
      report(line);
    c_.ui.pause(1);
    const BestMember going = BestOfPopulation(s_.population, settings_.PopulationSize);
    if (Failure failure = Generate_new_generation(c_, going.value)) {
      fail(*failure);
      endedEarly_ = true;
      return false;
    }
    if (settings_.ImproveBest && !stopped()) DoImprovements(c_, improveCount_, s_.nextPopulation);
    const BestMember made = BestOfPopulation(s_.nextPopulation, settings_.PopulationSize);
    if (twoObjectives()) ShowMOGraph(c_, s_.nextPopulation, 0);
    countProgress(made.value);
    s_.population = s_.nextPopulation;
    report("");
    report("Best = " + number(made.value, 15, 2) + "    At Index = " + std::to_string(made.index) +
           "   Gen. w/out change = " + std::to_string(s_.GAGenNoChange));
    c_.ui.pause(1);
    plot(bestSoFar_);
    return true;
  }

  // 17.5-17.8: progress is a smaller best, or with two objectives a changed
  // non-inferior set (its area or its count).
  void countProgress(Real bestNew) {
    const bool improved = bestNew < bestSoFar_;
    const TradeoffFigures& set = s_.tradeoff;
    const bool setChanged = twoObjectives() && !(set.NonInferiorArea == lastArea_ &&
                                                 set.NonInferiorCount == lastCount_);
    if (twoObjectives()) {
      report("");
      report("NonInferior Area = " + number(set.NonInferiorArea, 15, 3) +
             "     Last area = " + number(lastArea_, 15, 3));
      report("NonInferior number = " + std::to_string(set.NonInferiorCount) +
             "     Last NonInferior Number = " + std::to_string(lastCount_));
      report(std::string("Best_multi_obj = ") + (setChanged ? "True" : "False") +
             "    Current GAGenNoChange = " + std::to_string(s_.GAGenNoChange));
    }
    s_.GAGenNoChange = improved || setChanged ? 0 : s_.GAGenNoChange + 1;
    if (twoObjectives()) {
      report("==>    Revised GAGenNoChange = " + std::to_string(s_.GAGenNoChange));
      report("");
    }
    if (improved) bestSoFar_ = bestNew;
    if (setChanged) {
      lastArea_ = set.NonInferiorArea;
      lastCount_ = set.NonInferiorCount;
    }
  }

  void plot(Real best) {
    c_.observer.generationPlotted(
        PlotGeneration(s_.GenerationCount, s_.population, settings_.PopulationSize,
                       s_.ActualCarryOver, s_.ActualImport, best, s_.GAGenNoChange, s_.progress));
  }

  // 18.-25.
  RunResult finish() {
    if (twoObjectives()) ShowMOGraph(c_, s_.population, 0);
    report("");
    if (stopped()) report("PROGRAM TERMINATED PREMATURELY");
    keepBestSeed();
    if (settings_.ImproveLast && !stopped() && !endedEarly_ && !twoObjectives())
      DoImprovements(c_, 1, s_.population);
    const BestMember b = BestOfPopulation(s_.population, settings_.PopulationSize);
    if (b.value < bestSoFar_) {  // the final improvement ends the progress line
      bestSoFar_ = b.value;
      plot(bestSoFar_);
    }
    report("Best cost = " + number(b.value, 15, 2) + "  Best Index = " + std::to_string(b.index));
    report("");
    const bool installs = accepted(s_.population[b.index]);
    if (installs)
      install(s_.population[b.index]);
    else
      keepPlanInForce();
    const double seconds = ElapsedSeconds(start_, s_.clock());
    report("Elapsed execution time = " + number(seconds, 12, 3) + " seconds");
    report("");
    report("");
    report(endLine(stopped()     ? "GA STOPPED AT USER REQUEST"
                   : endedEarly_ ? "GA ENDED EARLY"
                                 : "GA FINISHED"));
    if (twoObjectives()) ShowMOGraph(c_, s_.population, s_.ActualCarryOver);
    const RunEnd end = stopped()     ? RunEnd::Stopped
                       : endedEarly_ ? RunEnd::EndedEarly
                                     : RunEnd::Finished;
    return {end, s_.GenerationCount, seconds, b, installs};
  }

  // Whether the best plan replaces the plan in force: without a question, unless
  // the plan in force, scored as the run scored its plans, is better.
  bool accepted(const GASolution& best) {
    if (!before_) return true;
    GASolution inForce = PlanInForce(*before_);
    if (!EvaluateInRun(c_, inForce) || best.Objective1 <= inForce.Objective1) return true;
    return c_.ui.ask(
        WorsePlanQuestion(best, inForce, settings_, c_.model.CriticalPWait, c_.locale));
  }

  // The model as it was before the run: the plan in force and its results.
  void keepPlanInForce() {
    c_.model = *before_;
    report("The plan in force was kept");
    report("");
  }

  // 20. and 22. The grid shows the plan, the model computes it with all displays on.
  void install(const GASolution& best) {
    c_.observer.planChosen(best);
    c_.model.flags.InteractiveMode = true;
    c_.model.flags.DrawCharts = true;
    InstallPlan(c_.model, best, c_.ui);
    c_.model.flags.ShowWarnings = true;
  }

  // The last line of the report, the first of the history file, names the double
  // engine when it scored the plans.
  std::string endLine(const std::string& end) const {
    return settings_.Evaluation == Precision::Double ? end + kDoubleEvaluationNote : end;
  }

  void restoreFlags() {
    c_.model.flags.InteractiveMode = true;
    c_.model.flags.DrawCharts = true;
    c_.model.flags.ShowWarnings = true;
  }

  void fail(const std::string& message) {
    c_.ui.message(MessageKind::Warning, message);
    std::string line = message;
    std::replace(line.begin(), line.end(), '\r', ' ');
    report(line);
  }

  // After the members come the imports of the first generation.
  void restart() override {
    foreseen_ = s_.random;
    plansLeft_ = settings_.PopulationSize - member_ + ForeseeableImports(settings_, 1);
  }

  bool anyOrder() const override { return true; }

  bool next(const EngineTest& reaches) override {
    if (plansLeft_ <= 0) return false;
    --plansLeft_;
    GASolution plan;
    return MakeRandomPlan(c_.model, settings_, foreseen_, plan,
                          [&](GASolution& made) { return reaches(made); });
  }

  GAContext& c_;
  GAState& s_;
  GASettings& settings_;
  std::int32_t member_ = 0;  // the member of the initial population being made
  RandomGenerator foreseen_;
  std::int32_t plansLeft_ = 0;
  TimeStamp start_;
  std::int32_t improveCount_ = 0;
  Real bestSoFar_ = 1e30L;
  Real lastArea_ = 1e30L;
  std::int32_t lastCount_ = -1;
  bool endedEarly_ = false;
  std::vector<PlanStarts> seeds_;
  std::optional<GASolution> bestSeed_;
  std::optional<Model> before_;  // the model with the plan in force, when the run may ask
};

}  // namespace

std::optional<std::string> RunRefusal(const Model& model) {
  if (auto refusal = ComputationRefusal(model)) return refusal;
  if (model.inputs.PartTimeCost <= 0)
    return std::string(
        "A part-time cost of 0 lets a random plan take on part-timers without "
        "end.\rGive part-time employees a cost above 0 before running the GA.");
  return std::nullopt;
}

RunResult DoGAClick(GAContext& context) {
  const RunResult result = GARun(context).run();
  context.state.lookahead.release();
  return result;
}

}  // namespace morvane
