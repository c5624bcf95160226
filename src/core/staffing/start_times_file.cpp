#include "staffing/start_times_file.h"

#include "base/read_file.h"
#include "base/replace_file.h"
#include "staffing/duty_template.h"
#include "staffing/schedule_plan.h"
#include "staffing/start_times_format.h"

namespace morvane {
namespace {

const std::string kPlanKept = "\rThe plan in force is unchanged.";

std::string ReadFailure(const std::string& name, const std::string& cause) {
  return "File <" + name + "> could not be read: " + cause + "." + kPlanKept;
}

// The model's staffing with the plan of the file in place; `restored[type]`
// tells whether the first-period rule had to switch item 0 of that template on.
StaffingState WithPlan(const StaffingState& staff, const StartTimesPlan& plan,
                       std::array<bool, 2>& restored) {
  StaffingState next = staff;
  next.DutyTemplate = plan.DutyTemplate;
  next.StartTimes = plan.StartTimes;
  for (const EmployeeType type : {FullTime, PartTime})
    restored[type] = ApplyFirstPeriodRule(next.DutyTemplate[type]);
  return next;
}

}  // namespace

std::string ReplaceFileQuestion(const std::string& name) {
  return "File [" + name + "] exists.... Do you want to replace it?";
}

std::string MissingFileMessage(const std::string& name) {
  return "File [" + name + "] does not exist... Try again.";
}

bool WriteStartTimesFile(const StaffingState& staff, const std::string& path, UserInterface& ui) {
  return WriteWholeFile(path, StartTimesText(staff), ui);
}

bool ReadStartTimesFile(Model& model, const std::string& path, UserInterface& ui) {
  std::string failure;
  auto in = OpenFile(path, failure);
  if (!in) {
    ui.message(MessageKind::Error, ReadFailure(path, failure));
    return false;
  }
  return ReadStartTimes(model, *in, path, ui);
}

bool ReadStartTimes(Model& model, std::istream& in, const std::string& name, UserInterface& ui) {
  const StartTimesParse parse = ParseStartTimes(in);
  if (in.bad()) {
    ui.message(MessageKind::Error, ReadFailure(name, "input/output error"));
    return false;
  }
  if (parse.fault) {
    ui.message(MessageKind::Error, "Invalid numeric input in line " +
                                       std::to_string(parse.fault->line) + " of file <" + name +
                                       ">:\r" + parse.fault->reason + "." + kPlanKept);
    return false;
  }
  std::array<bool, 2> restored{};
  const StaffingState next = WithPlan(model.staffing, parse.plan, restored);
  if (const auto refusal = OnDutyRefusal(next)) {
    ui.message(MessageKind::Error, "File <" + name + ">: " + *refusal + kPlanKept);
    return false;
  }
  model.staffing = next;
  for (const bool warn : restored)
    if (warn) ui.message(MessageKind::Warning, kFirstPeriodWarning);
  ScheduleGridExit(model);
  return true;
}

}  // namespace morvane
