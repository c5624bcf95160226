// The settings of the genetic algorithm: values at program start, ranges,
// "Re&Set Def." values, the lower bound MinCost on the maximum labour cost, the
// start-interval choices and the rules that tie settings to each other. The GA
// window and the batch command both check settings here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/entry_check.h"
#include "engine/model.h"

namespace morvane {

inline constexpr std::int32_t kMaxPopulation = 250;
inline constexpr std::int32_t kObjectiveNone = 3;
// Added after "None", so that the numbers settings and history already hold keep their meaning.
inline constexpr std::int32_t kObjectiveService = 4;
// "Min labour cost, service target met": the labour cost of plans with no minute
// below the service target. A first objective only.
inline constexpr std::int32_t kObjectiveLabour = 5;
// "Min abandonment": the share of the day's callers who hang up.
inline constexpr std::int32_t kObjectiveAbandon = 6;
inline constexpr std::int32_t kMaxThreads = 64;

struct GASettings {
  Real MaxCost = 0.0L;                 // MinCost .. 1000 x MinCost
  std::int32_t RandomSeed = 139753;    // -2000000000 .. 2000000000
  std::int32_t PopulationSize = 25;    // 5 .. 250 (a two-objective run may grow it)
  std::int32_t MaxGenerations = 100;   // 0 .. 1000000
  std::int32_t MaxGenNoChange = 100;   // 1 .. MaxGenerations
  std::int32_t NumberToImport = 4;     // 0 .. PopulationSize - 2
  std::int32_t NumberToCarryOver = 5;  // 0 .. PopulationSize - 2
  Real FullTimeBias = 0.9L;            // -1 .. 2
  std::int32_t StartInterval = 1;      // periods: 1, 2, 4, 6, 8, 12, 16, 24, 32, 48
  // 0 "Total Cost", 1 "Min {Max P(wait)}", 2 minutes over limit, 4 minutes below service
  // target, 5 labour cost with the service target met (first objective only),
  // 6 abandonment
  std::int32_t FirstObjectiveIndex = 0;
  std::int32_t SecondObjectiveIndex = 3;  // the same, or 3 "None"
  bool ImproveBest = false;
  bool ImproveCarryOver = false;
  bool ImproveLast = true;
  bool AllowSwap = true;
  // Worker threads that score plans, 1..kMaxThreads (0: one per core). Runs give
  // the same results with any number; only their speed and memory differ.
  std::int32_t Threads = 0;
  // The number type the plans are scored in ("Evaluation"): the model's extended
  // reals, or doubles, several times faster. Whatever it is, the plan a run or an
  // improvement installs is computed in extended precision on screen.
  Precision Evaluation = Precision::Extended;

  bool twoObjectives() const { return SecondObjectiveIndex != kObjectiveNone; }
  bool operator==(const GASettings&) const = default;
};

struct GASettingRanges {
  static constexpr std::int32_t kSeedLow = -2000000000, kSeedHigh = 2000000000;
  static constexpr std::int32_t kPopulationLow = 5, kPopulationHigh = kMaxPopulation;
  static constexpr std::int32_t kGenerationsLow = 0, kGenerationsHigh = 1000000;
  static constexpr std::int32_t kNoChangeLow = 1;
  static constexpr Real kBiasLow = -1, kBiasHigh = 2;
  static constexpr Real kCriticalPWaitLow = 0, kCriticalPWaitHigh = 1;
  static constexpr std::int32_t kThreadsLow = 1, kThreadsHigh = kMaxThreads;
};

// The items of "Start employees every", in order, with their periods.
struct StartIntervalItem {
  const char* caption;
  std::int32_t periods;
};
inline constexpr std::array<StartIntervalItem, 10> kStartIntervalItems{{
    {"15 minutes", 1}, {"30 minutes", 2}, {"1 hour (60 minutes)", 4}, {"90 minutes", 6},
    {"2 hours", 8}, {"3 hours", 12}, {"4 hours", 16}, {"6 hours", 24}, {"8 hours", 32},
    {"12 hours", 48}}};

// The items of "Evaluation", in order.
struct EvaluationItem {
  const char* caption;
  Precision precision;
};
inline constexpr std::array<EvaluationItem, 2> kEvaluationItems{
    {{"Extended", Precision::Extended}, {"Double (fast)", Precision::Double}}};

// StartingIntervalChange: the periods of an item; any other index gives 1.
std::int32_t StartIntervalOfItem(int item);
// The item showing `periods`, or nothing when no item has that many.
std::optional<int> ItemOfStartInterval(std::int32_t periods);

inline const std::string kObjectiveClashMessage =
    "Objective 2 cannot bethe same as objective 1.\rObjective 2 will be reset to NONE";

// Entries 0..95 of a duty template added up: its periods on duty.
std::int32_t OnDutyPeriods(const PeriodCounts& dutyTemplate);

// Cost of the fewest full-time employees whose service over the day exceeds the
// day's mean demand: n * FullTimeCost, n the smallest whole number above
// r = (mean arrival rate) * 96 / (Fd * ServiceRate). Nothing when the full-time template
// has no period on duty (no number of full-timers serves anyone).
std::optional<double> MinCost(const Model& model);

// Full-time employees cost less per period on duty than part-time ones:
// PartTimeCost / Pn > FullTimeCost / Fn, compared as PartTimeCost * Fn >
// FullTimeCost * Pn so that a template without duty gives an answer: no
// full-time duty makes it false, no part-time duty (with full-time duty) true.
bool FullTimeCheaper(const Model& model);

// "Re&Set Def.": the values of the last column of the settings table;
// NumberToCarryOver, AllowSwap, Threads and Evaluation stay, CriticalPWait (a
// model input) is reset.
void ResetGASettings(GASettings& settings, Model& model);

// The edit handlers: the validated entry with the setting's range, then the
// rules that tie settings together. A window shows outcome.warnings and the value.
// Reals are read in `locale`'s notation.
EntryOutcome MaxCostEditExit(const std::string& text, GASettings& settings, const Model& model,
                             const NumberLocale& locale = kFixedLocale);
EntryOutcome RandSeedEditExit(const std::string& text, GASettings& settings);
EntryOutcome InitPopEditExit(const std::string& text, GASettings& settings);
EntryOutcome MaxGenEditExit(const std::string& text, GASettings& settings);
EntryOutcome MaxGenNoChangeEditExit(const std::string& text, GASettings& settings);
EntryOutcome Number2ImportEditExit(const std::string& text, GASettings& settings);
EntryOutcome CarryOverEditExit(const std::string& text, GASettings& settings);
EntryOutcome BiasEditExit(const std::string& text, GASettings& settings,
                          const NumberLocale& locale = kFixedLocale);
// The workers a run starts: `threads` when above 0, else one per core.
std::int32_t WorkerThreads(std::int32_t threads);
// The box shows WorkerThreads(Threads); a number typed there is kept as Threads.
EntryOutcome ThreadsEditExit(const std::string& text, GASettings& settings);
EntryOutcome CriticalPwaitEditExit(const std::string& text, Model& model,
                                   const NumberLocale& locale = kFixedLocale);

// The objective groups. Each returns true when the choice clashed with the other
// objective: the second objective is then "None" and the window shows
// kObjectiveClashMessage.
bool ChooseFirstObjective(GASettings& settings, std::int32_t item);
bool ChooseSecondObjective(GASettings& settings, std::int32_t item);

// "Improve Best?": unchecking it also clears "Improve Carry Over?".
void SetImproveBest(GASettings& settings, bool checked);
// "Allow swapping 1 FT for 2 PT?" is offered with "Improve Best?" or "Improve Last Solution?".
bool AllowSwapEnabled(const GASettings& settings);
// The improvement options are offered only with one objective.
bool ImprovementOptionsEnabled(const GASettings& settings);

}  // namespace morvane
