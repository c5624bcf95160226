#include "report/summary_lines.h"

#include "engine/measures.h"
#include "engine/overload.h"
#include "engine/service_level.h"
#include "engine/truncation.h"

namespace morvane {
namespace {

// Labels are padded to one width so that the values line up in one column.
constexpr std::size_t kLabelWidth = 43;

class SummaryWriter {
 public:
  void heading(const std::string& text) { lines.push_back({text, SummaryStyle::Heading}); }
  void body(const std::string& text) { lines.push_back({text, SummaryStyle::Body}); }
  void empty(int count = 1) {
    for (int i = 0; i < count; ++i) body("");
  }
  // "Name" padded to the label width, then "= " and the value.
  void labelled(std::string name, const std::string& value) {
    name.resize(kLabelWidth, ' ');
    body(name + "= " + value);
  }
  void banner(const std::string& title) {
    const std::string rule(title.size(), '=');
    heading(rule);
    heading(title);
    heading(rule);
  }

  std::vector<SummaryLine> lines;
};

void WriteDemand(SummaryWriter& out, const ScenarioInputs& in, const NumberLocale& locale) {
  if (const auto& forecast = in.Forecast) {
    out.labelled("Demand forecast file", forecast->FileName);
    out.labelled("Forecast interval in minutes", std::to_string(forecast->IntervalMinutes));
    out.labelled("Lowest demand per hour", NumberText(forecast->lowest(), 6, 2, locale));
    out.labelled("Mean Demand per hour", NumberText(forecast->mean(), 6, 2, locale));
    out.labelled("Peak demand per hour", NumberText(forecast->peak(), 6, 2, locale));
    return;
  }
  out.labelled("Mean Demand per hour", NumberText(in.MeanDemand, 6, 2, locale));
  out.labelled("Demand amplitude (peak-mean)", NumberText(in.DemandAmplitude, 6, 2, locale));
  out.labelled("Cycles per day", std::to_string(in.CyclesPerDay));
  out.labelled("Demand shift in minutes", NumberText(in.DemandShift, 5, 2, locale));
}

void WriteInputs(SummaryWriter& out, const Model& model, const NumberLocale& locale) {
  const ScenarioInputs& in = model.inputs;
  WriteDemand(out, in, locale);
  out.empty();
  if (model.flags.UseBaseServers)
    out.labelled("Base Number of servers", std::to_string(in.BaseServers));
  out.labelled("Mean Service Rate", NumberText(in.ServiceRate, 5, 2, locale));
  out.labelled("Mean patience in seconds",
               in.PatienceSeconds > 0 ? std::to_string(in.PatienceSeconds) : "0 (nobody hangs up)");
  out.labelled("Target answer time in seconds", std::to_string(in.ServiceLevelSeconds));
  out.labelled("Target service level in percent", NumberText(in.ServiceLevelTarget, 6, 2, locale));
  out.empty();
  out.labelled("Cost per person hour of delay", CurrencyText(in.DelayCost, 15, 2, locale));
  out.labelled("Cost per full time employee", CurrencyText(in.FullTimeCost, 15, 2, locale));
  out.labelled("Cost per part time employee", CurrencyText(in.PartTimeCost, 15, 2, locale));
  out.empty();
  out.labelled("Time Step (DeltaTime)", std::to_string(in.TimeStepSeconds));
  out.labelled("Maximum Number of Iterations", std::to_string(in.MaxIterations));
  out.labelled("Maximum Percent Change in Probabilities",
               NumberText(in.MaxPercentChange, 7, 5, locale));
  out.labelled("Maximum States", std::to_string(in.MaxStates));
  out.empty();
}

// The duty periods of one employee type as start and break times: a start where
// the template turns on, a break where it turns off, and a break at the end of
// the day when it is still on then and period 0 is off.
void WriteShifts(SummaryWriter& out, const Model& model, EmployeeType type) {
  const StaffingState& staff = model.staffing;
  const PeriodCounts& duty = staff.DutyTemplate[type];
  const bool fullTime = type == FullTime;
  const std::string person = fullTime ? "Full Time Person " : "Part Time Person ";
  bool on = false;
  for (int k = 0; k < kPeriods; ++k) {
    if (!on && duty[k] == 1) out.body(person + "starts at time " + std::to_string(15 * k));
    if (on && duty[k] == 0) out.body(person + "breaks at time " + std::to_string(15 * k));
    on = duty[k] == 1;
  }
  if (on && duty[0] == 0) out.body(person + "breaks at time the day");
  const std::string employees = fullTime ? "Full Time Employees " : "Part Time Employees ";
  const bool wraps = fullTime ? staff.FullTimeWraps : staff.PartTimeWraps;
  out.body(employees + (wraps ? "wrap around the day" : "do NOT wrap around the day"));
  out.empty();
  const std::string starts = fullTime ? " full time employees start at time "
                                      : " part time employees start at time ";
  for (int p = 0; p < kPeriods; ++p)
    if (const auto count = staff.StartTimes[type][p]; count > 0)
      out.body(std::to_string(count) + starts + std::to_string(15 * p));
}

void WritePlan(SummaryWriter& out, const Model& model) {
  out.empty();
  out.body("----- INFORMATION ON FULL TIME SHIFTS BELOW -----");
  WriteShifts(out, model, FullTime);
  out.empty(2);
  out.body("----- INFORMATION ON PART TIME SHIFTS BELOW -----");
  WriteShifts(out, model, PartTime);
  out.empty();
  out.labelled("Number of Full Time Employees", std::to_string(model.staffing.FullTimeCount));
  out.labelled("Number of Part Time Employees", std::to_string(model.staffing.PartTimeCount));
}

void WriteResults(SummaryWriter& out, const Model& model, const NumberLocale& locale) {
  const ResultLabels labels = ResultLabelTexts(model, locale);
  out.empty(2);
  out.banner("SUMMARY OF OUTPUT CONDITIONS");
  out.empty(3);
  for (const std::string* caption :
       {&labels.TotalPersonHoursLabel, &labels.TotalPersonHoursCostLabel,
        &labels.TotalLaborCostLabel, &labels.TotalCostLabel, &labels.MaxProbWaitLabel,
        &labels.MaxPAllBusyLabel, &labels.TimeOverLimitLabel, &labels.MaxP200Label})
    out.body(*caption);
  const ServiceLabels service = ServiceLabelTexts(model, locale);
  for (const std::string* caption : {&service.ServiceLevelLabel, &service.SpeedOfAnswerLabel,
                                     &service.TimeBelowTargetLabel, &service.AbandonmentLabel})
    out.body(*caption);
  out.body(OverloadedMinutesLabel(model));
  if (const auto note = TruncationNote(model)) out.body(*note);
}

}  // namespace

std::vector<SummaryLine> SummaryLines(const Model& model, const NumberLocale& locale,
                                      bool resultsShown) {
  SummaryWriter out;
  out.banner("SUMMARY OF INPUT CONDITIONS");
  out.empty(3);
  WriteInputs(out, model, locale);
  if (!model.flags.UseBaseServers) WritePlan(out, model);
  if (resultsShown) WriteResults(out, model, locale);
  return std::move(out.lines);
}

}  // namespace morvane
