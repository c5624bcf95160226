// morvane-batch: the headless front end.
#include <iostream>

#include "core/measures.h"
#include "core/steady_state.h"
#include "core/time_dependent_solver.h"

namespace {
class TerminalUserInterface : public morvane::UserInterface {
 public:
  void message(morvane::MessageKind, const std::string& text) override { std::cerr << text << "\n"; }
  bool ask(const std::string&) override { return true; }
  void reportLine(const std::string& line) override { std::cerr << line << "\n"; }
  void progress(morvane::Gauge, int) override {}
  void pause(int) override {}
};
}  // namespace

int main() {
  morvane::Model model;
  morvane::installBaseStaffing(model);
  TerminalUserInterface ui;
  morvane::ComputeSteadyState(model, ui);
  morvane::ComputeTimeDependent(model, ui);
  const auto labels = morvane::ResultLabelTexts(model, morvane::kFixedLocale);
  for (const auto& text : {labels.TotalPersonHoursLabel, labels.TotalPersonHoursCostLabel,
                           labels.TotalLaborCostLabel, labels.TotalCostLabel,
                           labels.MaxProbWaitLabel, labels.TimeOverLimitLabel, labels.MaxP200Label})
    std::cout << text << "\n";
  std::cout << "days " << model.steps.Days << "\n";
}
