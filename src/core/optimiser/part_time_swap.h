// Two part-time employees for one full-time employee: the swap is allowed when
// a full-timer starting with the first part-timer is on duty wherever either
// part-timer would be, so no period ends up with fewer people on duty.
#pragma once

#include <optional>

#include "optimiser/ga_solution.h"
#include "engine/model.h"

namespace morvane {

// The coverage test for part-time starts p and q: with PT2[t] the part-time
// duty of both starts and FT1[t] the full-time duty of a start at p (each
// template cut at midnight unless it wraps), FT1[t] >= PT2[t] for every t.
// Overlapping part-time shifts fail it (they need 2 where one full-timer gives 1).
bool SwapCovers(const StaffingState& staffing, int p, int q);

// The first q after p (counting on past midnight, p itself excluded) that has
// part-time starts in `plan` and passes the coverage test with p.
std::optional<int> SwapPartner(const StaffingState& staffing, const GASolution& plan, int p);

}  // namespace morvane
