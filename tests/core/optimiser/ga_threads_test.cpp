// Whole GA runs scored by 1, 2 and 4 worker threads: everything a run hands
// out — the report line by line, the pauses, changed values and gauges, both
// populations (every field, reals bit for bit), the chart data, the history
// file, the model's TimeStepSeconds and MaxStates and the run-state figures —
// is the same for any number of threads, also when the run is stopped at any
// of its pauses.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <sstream>

#include "optimiser/current_plan_improvement.h"
#include "optimiser/ga_run.h"
#include "optimiser/history_file.h"
#include "staffing/schedule_plan.h"
#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;
using testing::ScriptedUserInterface;

// The bytes of a real that hold its value (the 80 bits of an x87 extended real).
constexpr std::size_t kRealBytes = std::numeric_limits<Real>::digits == 64 ? 10 : sizeof(Real);

std::string Bits(Real value) {
  std::ostringstream text;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
  for (std::size_t i = 0; i < kRealBytes; ++i) text << static_cast<int>(bytes[i]) << '.';
  return text.str();
}

// Every field of every slot, reals by their bits.
std::vector<std::string> Slots(const Population& population) {
  std::vector<std::string> slots;
  for (const GASolution& p : population) {
    std::ostringstream text;
    text << Bits(p.PersonHours) << p.StatesUsed << ' ' << p.NumFullTime << ' ' << p.NumPartTime
         << ' ' << Bits(p.MinutesOverLimit) << Bits(p.MaxPWait) << Bits(p.TotalCost)
         << Bits(p.Objective2) << Bits(p.TradeoffDistance) << Bits(p.Objective1) << p.Improved
         << p.Supported << p.NonInferior << OriginText(p.Origin);
    for (int k = 0; k < kPeriods; ++k)
      text << ' ' << p.FullTimeStarts[k] << '/' << p.PartTimeStarts[k];
    slots.push_back(text.str());
  }
  return slots;
}

std::string Points(const std::vector<TradeoffPoint>& points) {
  std::ostringstream text;
  text << std::hexfloat;
  for (const TradeoffPoint& point : points)
    text << point.x << ',' << point.y << ',' << point.member << ' ';
  return text.str();
}

// What the windows were handed, as text.
std::vector<std::string> ChartData(const testing::RecordingObserver& observer) {
  std::vector<std::string> data;
  for (const GenerationPlot& plot : observer.plots) {
    std::ostringstream text;
    text << std::hexfloat << plot.generation << ' ' << plot.best << ' ' << plot.noChange;
    for (const auto* series : {&plot.carryover, &plot.import, &plot.crossover})
      for (double x : *series) text << ' ' << x;
    data.push_back(text.str());
  }
  for (const auto& [x, y] : observer.carried)
    data.push_back(std::to_string(x) + "," + std::to_string(y));
  for (const TradeoffChart& chart : observer.charts)
    for (const auto* series :
         {&chart.Inferior, &chart.CarryOver, &chart.NonInferior, &chart.Supported, &chart.Random})
      data.push_back(Points(*series));
  for (const GASolution& plan : observer.chosen) data.push_back(Slots({plan})[0]);
  return data;
}

std::string HistoryFile(const std::vector<std::string>& report, int threads) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("morvane_threads_" + std::to_string(threads) + ".his");
  ScriptedUserInterface saving;
  saving.allowMessages();
  EXPECT_TRUE(SaveHistory(path.string(), report, saving, [](int) {}));
  std::ifstream file(path, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), {}};
  std::filesystem::remove(path);
  return bytes;
}

struct RunRecord {
  RunEnd end = RunEnd::Finished;
  std::vector<std::string> report;
  std::vector<int> pauses, pctDone, iterationGauge;
  std::vector<ShownValue> changedValues;
  std::vector<std::string> messages, population, nextPopulation, charts;
  std::string history;
  std::vector<std::int64_t> figures;  // settings, model and run-state figures
};

using Setup = std::function<void(GAScenario&)>;
using Command = std::function<RunEnd(GAContext&)>;

RunEnd GARun(GAContext& context) { return DoGAClick(context).end; }

// One seeded run with `threads` workers, stopped at pause `stopAt` when above 0.
RunRecord RunWith(const Setup& setup, int threads, int stopAt = 0, const Command& command = GARun) {
  GAScenario s;
  setup(s);
  s.settings.Threads = threads;
  s.ui.allowMessages();
  s.ui.duringPause = [&] {
    if (static_cast<int>(s.ui.pauses.size()) == stopAt) s.state->StopRequested = true;
  };
  RunRecord r;
  r.end = command(s.context);
  r.report = s.ui.report;
  r.pauses = s.ui.pauses;
  r.pctDone = s.ui.pctDone;
  r.iterationGauge = s.ui.iterationGauge;
  r.changedValues = s.ui.changedValues;
  r.messages = s.ui.messages;
  r.population = Slots(s.state->population);
  r.nextPopulation = Slots(s.state->nextPopulation);
  r.charts = ChartData(s.observer);
  r.history = HistoryFile(r.report, threads);
  const GAState& st = *s.state;
  r.figures = {s.settings.PopulationSize, s.model.inputs.TimeStepSeconds,
               s.model.inputs.MaxStates,  st.GAStates,
               st.ActualCarryOver,        st.ActualImport,
               st.MaxOnTradeoff,          st.GenerationCount,
               st.GAGenNoChange,          st.Evaluations,
               st.random.state(),         st.tradeoff.NonInferiorCount,
               st.tradeoff.SupportedCount};
  return r;
}

void ExpectSameRun(const RunRecord& serial, const RunRecord& threaded) {
  EXPECT_EQ(serial.end, threaded.end);
  EXPECT_EQ(serial.report, threaded.report);
  EXPECT_EQ(serial.pauses, threaded.pauses);
  EXPECT_EQ(serial.pctDone, threaded.pctDone);
  EXPECT_EQ(serial.iterationGauge, threaded.iterationGauge);
  EXPECT_EQ(serial.changedValues, threaded.changedValues);
  EXPECT_EQ(serial.messages, threaded.messages);
  EXPECT_EQ(serial.population, threaded.population);
  EXPECT_EQ(serial.nextPopulation, threaded.nextPopulation);
  EXPECT_EQ(serial.charts, threaded.charts);
  EXPECT_EQ(serial.history, threaded.history);
  EXPECT_EQ(serial.figures, threaded.figures);
}

// One worker scores the plans one after another, in the order a serial run does.
RunRecord ExpectSameAtEveryThreadCount(const Setup& setup, const Command& command = GARun) {
  const RunRecord serial = RunWith(setup, 1, 0, command);
  for (int threads : {2, 4}) {
    SCOPED_TRACE(std::to_string(threads) + " threads");
    ExpectSameRun(serial, RunWith(setup, threads, 0, command));
  }
  return serial;
}

bool Has(const std::vector<std::string>& report, const std::string& start) {
  return std::any_of(report.begin(), report.end(),
                     [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

// Moves kept by the hill climb throw away the moves foreseen after them.
void ImproveEveryGeneration(GAScenario& s) {
  s.settings.ImproveBest = true;
  s.settings.ImproveLast = true;
  s.settings.StartInterval = 24;
}

TEST(GAThreads, OneObjectiveWithImprovement) {
  const RunRecord serial = ExpectSameAtEveryThreadCount(ImproveEveryGeneration);
  EXPECT_TRUE(Has(serial.report, "WORKING ON SOL. "));
  EXPECT_TRUE(Has(serial.report, "Changing Max states to use to 150"));
}

// Plans scored in double precision; the report's last line says so.
TEST(GAThreads, DoublePrecision) {
  const RunRecord serial = ExpectSameAtEveryThreadCount([](GAScenario& s) {
    ImproveEveryGeneration(s);
    s.settings.Evaluation = Precision::Double;
  });
  EXPECT_EQ(serial.report.front(), "GA FINISHED" + kDoubleEvaluationNote);
  EXPECT_TRUE(Has(serial.report, "WORKING ON SOL. "));
}

TEST(GAThreads, TwoObjectives) {
  const RunRecord serial = ExpectSameAtEveryThreadCount([](GAScenario& s) {
    s.settings.SecondObjectiveIndex = 1;
    s.settings.MaxGenerations = 3;
  });
  EXPECT_TRUE(Has(serial.report, "NonInferior Area = "));
}

// A quick service at a 15-minute step makes some plans' probabilities negative:
// the evaluation shortens the step for every evaluation after it.
TEST(GAThreads, AnEvaluationShortensTheTimeStep) {
  const RunRecord serial = ExpectSameAtEveryThreadCount([](GAScenario& s) {
    s.model.inputs.ServiceRate = 3;
    s.model.inputs.TimeStepSeconds = 900;
    s.settings.MaxCost = 1500;
    s.settings.MaxGenerations = 1;
  });
  EXPECT_TRUE(Has(serial.report, "Resetting DeltaTime to 60"));
  EXPECT_EQ(serial.figures[1], 60);
}

// Starts every 6 hours under a tight cost leave few different plans.
TEST(GAThreads, DuplicateChildren) {
  const RunRecord serial = ExpectSameAtEveryThreadCount([](GAScenario& s) {
    s.settings.StartInterval = 24;
    s.settings.MaxCost = 1800;
  });
  EXPECT_TRUE(Has(serial.report, ".....SOLUTION BELOW NOT UNIQUE....."));
  EXPECT_TRUE(Has(serial.report, ".....SOLUTION BELOW NOT FEASIBLE....."));
}

TEST(GAThreads, NoFeasibleInitialPopulation) {
  const RunRecord serial =
      ExpectSameAtEveryThreadCount([](GAScenario& s) { s.settings.MaxCost = 800; });
  EXPECT_EQ(serial.end, RunEnd::Failed);
}

// Starts 12 hours apart: a move earlier and a move later give the same plan, so
// a job is foreseen twice, around moves that are kept.
TEST(GAThreads, AHillClimbWhoseMovesMeet) {
  const RunRecord serial = ExpectSameAtEveryThreadCount(
      [](GAScenario& s) {
        s.model.staffing.StartTimes[FullTime][0] = 10;
        s.model.staffing.StartTimes[FullTime][48] = 4;
        ASSERT_FALSE(ScheduleGridExit(s.model));
        s.settings.StartInterval = 48;
      },
      [](GAContext& context) {
        return ImproveCurrentPlan(context, [] {}) ? RunEnd::Finished : RunEnd::Failed;
      });
  EXPECT_TRUE(Has(serial.report, "WORKING ON SOL. 1 WITH 2 CYCLES DONE"));
}

// A stop at pause k of a threaded run is a stop at pause k of a serial run: in
// the initial population, in a generation step, in the hill climb of a
// generation and at its end.
TEST(GAThreads, AStopAtAnyPauseLeavesWhatASerialRunLeaves) {
  const auto oneGeneration = [](GAScenario& s) {
    ImproveEveryGeneration(s);
    s.settings.MaxGenerations = 1;
  };
  const int pauses = static_cast<int>(RunWith(oneGeneration, 1).pauses.size());
  for (int stopAt : {3, pauses / 3, pauses / 2, pauses - 8}) {
    SCOPED_TRACE("stop at pause " + std::to_string(stopAt) + " of " + std::to_string(pauses));
    const RunRecord serial = RunWith(oneGeneration, 1, stopAt);
    EXPECT_EQ(serial.end, RunEnd::Stopped);
    ExpectSameRun(serial, RunWith(oneGeneration, 3, stopAt));
  }
}

}  // namespace
}  // namespace morvane
