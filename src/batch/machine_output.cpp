#include "batch/machine_output.h"

#include <utility>
#include <vector>

#include "base/exact_text.h"
#include "engine/measures.h"
#include "engine/overload.h"
#include "engine/service_level.h"
#include "engine/truncation.h"

namespace morvane::batch {

std::string JsonArray(const PeriodCounts& counts) {
  std::string text = "[";
  for (std::size_t i = 0; i < counts.size(); ++i)
    text += (i ? ", " : "") + std::to_string(counts[i]);
  return text + "]";
}

void WriteResultJson(const Model& model, std::ostream& out,
                     const std::vector<std::pair<const char*, std::string>>& extra) {
  const StepResults& steps = model.steps;
  const StaffingState& staff = model.staffing;
  std::vector<std::pair<const char*, std::string>> fields{
      {"TotalPersonHours", FullPrecisionText(steps.TotalPersonHours)},
      {"PersonCost", FullPrecisionText(PersonCost(model))},
      {"LaborCost", FullPrecisionText(staff.LaborCost)},
      {"TotalCost", FullPrecisionText(TotalSystemCost(model))},
      {"MaxPWait", FullPrecisionText(steps.MaxPWait)},
      {"MaxPAllBusy", FullPrecisionText(MaxPAllBusy(model))},
      {"MinutesOverLimit", FullPrecisionText(steps.MinutesOverLimit)},
      {"OverloadedMinutes", std::to_string(OverloadedMinutes(model))},
      {"CriticalPWait", FullPrecisionText(model.CriticalPWait)},
      {"FullTimeCount", std::to_string(staff.FullTimeCount)},
      {"PartTimeCount", std::to_string(staff.PartTimeCount)},
      {"MaxServersOnDuty", std::to_string(staff.MaxServersOnDuty)},
      {"MaxStates", std::to_string(model.inputs.MaxStates)},
      {"TimeStepSeconds", std::to_string(model.inputs.TimeStepSeconds)},
      {"NumSteps", std::to_string(steps.NumSteps)},
      {"MaxTopProb", FullPrecisionText(steps.MaxTopProb)},
      {"Truncated", Truncated(model) ? "true" : "false"},
      {"ZeroCount", std::to_string(steps.ZeroCount)},
      {"Days", std::to_string(steps.Days)},
      {"Precision", '"' + PrecisionWord(steps.precision) + '"'},
  };
  const ServiceDay service = TimeDepServiceDay(model);
  const ServiceDay steady = SteadyServiceDay(model);
  fields.insert(fields.end(),
                {{"ServiceLevel", FullPrecisionText(service.level)},
                 {"WorstServiceLevel", FullPrecisionText(service.worstLevel)},
                 {"AverageSpeedOfAnswer", FullPrecisionText(service.answerSeconds)},
                 {"MinutesBelowServiceTarget", FullPrecisionText(service.minutesBelowTarget)},
                 {"SteadyServiceLevel", FullPrecisionText(steady.level)},
                 {"PatienceSeconds", std::to_string(model.inputs.PatienceSeconds)},
                 {"Abandonment", FullPrecisionText(service.abandoned)},
                 {"WorstAbandonment", FullPrecisionText(service.worstAbandoned)},
                 {"SteadyAbandonment", FullPrecisionText(steady.abandoned)}});
  if (!model.flags.UseBaseServers) {
    fields.emplace_back("OnDutyByPeriod", JsonArray(staff.OnDutyByPeriod[OnDutyTotal]));
    fields.emplace_back("FullTimeStarts", JsonArray(staff.StartTimes[FullTime]));
    fields.emplace_back("PartTimeStarts", JsonArray(staff.StartTimes[PartTime]));
  }
  fields.insert(fields.end(), extra.begin(), extra.end());
  out << "{";
  for (std::size_t i = 0; i < fields.size(); ++i)
    out << (i ? ", " : "") << '"' << fields[i].first << "\": " << fields[i].second;
  out << "}\n";
}

}  // namespace morvane::batch
