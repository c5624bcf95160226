#include "engine/model.h"

#include <algorithm>

namespace morvane {

std::array<PeriodCounts, 2> StaffingState::initialTemplates() {
  std::array<PeriodCounts, 2> templates{};
  for (int k = 0; k < 32; ++k) templates[FullTime][k] = 1;  // 8 hours
  for (int k = 0; k < 12; ++k) templates[PartTime][k] = 1;  // 3 hours
  return templates;
}

void Model::reserveSteps(std::int32_t numSteps) {
  const auto points = static_cast<std::size_t>(numSteps) + 1;
  WithVectors(steps, [&](auto& vectors) {
    if (vectors.size() < points) vectors.resize(points);
  });
  if (steps.TimeDepMean.size() < points) {
    steps.TimeDepMean.resize(points);
    steps.StepArrivalRate.resize(points);
    steps.StepServers.resize(points);
  }
}

void installBaseStaffing(Model& model) {
  StaffingState& staff = model.staffing;
  staff.ServersOnDuty.fill(model.inputs.BaseServers);
  staff.MaxServersOnDuty = model.inputs.BaseServers;
  staff.FullTimeCount = 3 * static_cast<std::int64_t>(model.inputs.BaseServers);
  staff.PartTimeCount = 0;
  recomputeLaborCost(model);
  model.flags.UseBaseServers = true;
}

void putServersByPeriod(StaffingState& staff, const PeriodCounts& servers) {
  staff.OnDutyByPeriod[OnDutyTotal] = servers;
  staff.MaxServersOnDuty = *std::max_element(servers.begin(), servers.end());
  for (int p = 0; p < kPeriods; ++p)
    std::fill_n(staff.ServersOnDuty.begin() + p * kMinutesPerPeriod, kMinutesPerPeriod, servers[p]);
  staff.ServersOnDuty[kMinutesPerDay] = staff.ServersOnDuty[0];
}

// Servers are constant over a period: its first minute tells.
PeriodCounts onDutyInForce(const StaffingState& staff) {
  PeriodCounts onDuty{};
  for (int p = 0; p < kPeriods; ++p) onDuty[p] = staff.ServersOnDuty[p * kMinutesPerPeriod];
  return onDuty;
}

void recomputeLaborCost(Model& model) {
  StaffingState& staff = model.staffing;
  staff.LaborCost = static_cast<Real>(staff.PartTimeCount) * model.inputs.PartTimeCost +
                    static_cast<Real>(staff.FullTimeCount) * model.inputs.FullTimeCost;
}

void resetToDefaults(ScenarioInputs& inputs) { inputs = ScenarioInputs{}; }

}  // namespace morvane
