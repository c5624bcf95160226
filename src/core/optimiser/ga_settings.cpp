#include "optimiser/ga_settings.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <thread>
#include "engine/arrival_rate.h"

namespace morvane {
namespace {

inline const std::string kNoFullTimeDutyMessage =
    "The full-time duty schedule has no period on duty, so no maximum cost can be checked.\r"
    "Mark at least one period on duty in the full-time duty schedule.";

std::int32_t BlockHigh(const GASettings& settings) { return settings.PopulationSize - 2; }

// Generations without change may not exceed the generations, but never fall below
// 1: with no generations at all the range 1..0 would leave the box unusable.
std::int32_t NoChangeHigh(const GASettings& settings) {
  return std::max(settings.MaxGenerations, GASettingRanges::kNoChangeLow);
}

}  // namespace

std::int32_t StartIntervalOfItem(int item) {
  if (item < 0 || item >= static_cast<int>(kStartIntervalItems.size())) return 1;
  return kStartIntervalItems[static_cast<std::size_t>(item)].periods;
}

std::optional<int> ItemOfStartInterval(std::int32_t periods) {
  for (std::size_t i = 0; i < kStartIntervalItems.size(); ++i)
    if (kStartIntervalItems[i].periods == periods) return static_cast<int>(i);
  return std::nullopt;
}

std::int32_t OnDutyPeriods(const PeriodCounts& dutyTemplate) {
  return std::accumulate(dutyTemplate.begin(), dutyTemplate.end(), std::int32_t{0});
}

std::optional<double> MinCost(const Model& model) {
  const std::int32_t fd = OnDutyPeriods(model.staffing.DutyTemplate[FullTime]);
  if (fd <= 0) return std::nullopt;
  const ScenarioInputs& in = model.inputs;
  const Real r = MeanArrivalRate(in) * kPeriods / (fd * in.ServiceRate);
  Real n = std::ceil(r);
  if (n == r) n += 1;  // strictly above r
  return static_cast<double>(n * in.FullTimeCost);
}

bool FullTimeCheaper(const Model& model) {
  const std::int32_t fn = OnDutyPeriods(model.staffing.DutyTemplate[FullTime]);
  const std::int32_t pn = OnDutyPeriods(model.staffing.DutyTemplate[PartTime]);
  return model.inputs.PartTimeCost * fn > model.inputs.FullTimeCost * pn;
}

void ResetGASettings(GASettings& settings, Model& model) {
  const ScenarioInputs& in = model.inputs;
  GASettings reset;
  reset.MaxCost = 4 * in.FullTimeCost * MeanArrivalRate(in) / in.ServiceRate;
  reset.NumberToCarryOver = settings.NumberToCarryOver;
  reset.AllowSwap = settings.AllowSwap;
  reset.Threads = settings.Threads;
  reset.Evaluation = settings.Evaluation;
  settings = reset;
  model.CriticalPWait = 0.2L;
}

EntryOutcome MaxCostEditExit(const std::string& text, GASettings& settings, const Model& model,
                             const NumberLocale& locale) {
  const auto minCost = MinCost(model);
  if (!minCost) {
    EntryOutcome outcome;
    if (!text.empty()) outcome.warnings.push_back(kNoFullTimeDutyMessage);
    return outcome;
  }
  const Real low = *minCost;
  EntryOutcome outcome = ValidateRealEdit(text, settings.MaxCost, low, 1000 * low, locale);
  settings.MaxCost = std::max(settings.MaxCost, low);
  return outcome;
}

EntryOutcome RandSeedEditExit(const std::string& text, GASettings& settings) {
  return ValidateIntEdit(text, settings.RandomSeed, GASettingRanges::kSeedLow,
                         GASettingRanges::kSeedHigh);
}

EntryOutcome InitPopEditExit(const std::string& text, GASettings& settings) {
  EntryOutcome outcome = ValidateIntEdit(text, settings.PopulationSize,
                                         GASettingRanges::kPopulationLow,
                                         GASettingRanges::kPopulationHigh);
  settings.NumberToImport = std::min(settings.NumberToImport, BlockHigh(settings));
  settings.NumberToCarryOver = std::min(settings.NumberToCarryOver, BlockHigh(settings));
  return outcome;
}

EntryOutcome MaxGenEditExit(const std::string& text, GASettings& settings) {
  EntryOutcome outcome = ValidateIntEdit(text, settings.MaxGenerations,
                                         GASettingRanges::kGenerationsLow,
                                         GASettingRanges::kGenerationsHigh);
  settings.MaxGenNoChange = std::min(settings.MaxGenNoChange, NoChangeHigh(settings));
  return outcome;
}

std::int32_t WorkerThreads(std::int32_t threads) {
  if (threads > 0) return threads;
  const auto cores = static_cast<std::int32_t>(std::thread::hardware_concurrency());
  return std::clamp(cores, GASettingRanges::kThreadsLow, GASettingRanges::kThreadsHigh);
}

EntryOutcome ThreadsEditExit(const std::string& text, GASettings& settings) {
  std::int32_t threads = WorkerThreads(settings.Threads);
  EntryOutcome outcome = ValidateIntEdit(text, threads, GASettingRanges::kThreadsLow,
                                         GASettingRanges::kThreadsHigh);
  if (outcome.stored) settings.Threads = threads;
  return outcome;
}

EntryOutcome MaxGenNoChangeEditExit(const std::string& text, GASettings& settings) {
  return ValidateIntEdit(text, settings.MaxGenNoChange, GASettingRanges::kNoChangeLow,
                         NoChangeHigh(settings));
}

EntryOutcome Number2ImportEditExit(const std::string& text, GASettings& settings) {
  return ValidateIntEdit(text, settings.NumberToImport, 0, BlockHigh(settings));
}

EntryOutcome CarryOverEditExit(const std::string& text, GASettings& settings) {
  EntryOutcome outcome = ValidateIntEdit(text, settings.NumberToCarryOver, 0, BlockHigh(settings));
  settings.NumberToCarryOver = std::min(settings.NumberToCarryOver, BlockHigh(settings));
  return outcome;
}

EntryOutcome BiasEditExit(const std::string& text, GASettings& settings,
                          const NumberLocale& locale) {
  return ValidateRealEdit(text, settings.FullTimeBias, GASettingRanges::kBiasLow,
                          GASettingRanges::kBiasHigh, locale);
}

EntryOutcome CriticalPwaitEditExit(const std::string& text, Model& model,
                                   const NumberLocale& locale) {
  return ValidateRealEdit(text, model.CriticalPWait, GASettingRanges::kCriticalPWaitLow,
                          GASettingRanges::kCriticalPWaitHigh, locale);
}

bool ChooseFirstObjective(GASettings& settings, std::int32_t item) {
  settings.FirstObjectiveIndex = item;
  if (item != settings.SecondObjectiveIndex) return false;
  settings.SecondObjectiveIndex = kObjectiveNone;
  return true;
}

bool ChooseSecondObjective(GASettings& settings, std::int32_t item) {
  settings.SecondObjectiveIndex = item == kObjectiveLabour ? kObjectiveNone : item;
  if (item != settings.FirstObjectiveIndex) return false;
  settings.SecondObjectiveIndex = kObjectiveNone;
  return true;
}

void SetImproveBest(GASettings& settings, bool checked) {
  settings.ImproveBest = checked;
  if (!checked) settings.ImproveCarryOver = false;
}

bool AllowSwapEnabled(const GASettings& settings) {
  return settings.ImproveBest || settings.ImproveLast;
}

bool ImprovementOptionsEnabled(const GASettings& settings) { return !settings.twoObjectives(); }

}  // namespace morvane
