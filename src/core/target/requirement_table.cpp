#include "target/requirement_table.h"

#include "base/replace_file.h"

namespace morvane {

std::string RequirementTableText(const StaffingRequirement& requirement,
                                 const PeriodCounts& onDuty) {
  std::string text = "start,erlang_c,exact,on_duty\n";
  for (int p = 0; p < kPeriods; ++p)
    text += PeriodStartText(p) + "," + std::to_string(requirement.ErlangC[p]) + "," +
            std::to_string(requirement.Exact[p]) + "," + std::to_string(onDuty[p]) + "\n";
  return text;
}

bool WriteRequirementTable(const std::string& path, const StaffingRequirement& requirement,
                           const PeriodCounts& onDuty, UserInterface& ui) {
  return WriteWholeFile(path, RequirementTableText(requirement, onDuty), ui);
}

}  // namespace morvane
