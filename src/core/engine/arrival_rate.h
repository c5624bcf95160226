// Arrival rate and service capacity over the day, and the time-step grid.
#pragma once

#include <cstdint>

#include "engine/model.h"

namespace morvane {

// lambda(t) per hour at t minutes after midnight, with blocks when BlockDemand.
Real ArrivalRateAt(const ScenarioInputs& inputs, Real t);

// The sinusoid alone (no blocks): what the staffing window charts and uses for its
// "Arrivals" column.
Real SinusoidalRateAt(const ScenarioInputs& inputs, Real t);

// Steps per day for a step of the given seconds: ceil(86400 / seconds).
std::int32_t StepsPerDay(std::int32_t timeStepSeconds);

// Fills ArrivalRate[0..1440] with lambda(m).
void FillArrivalRates(Model& model);

}  // namespace morvane
