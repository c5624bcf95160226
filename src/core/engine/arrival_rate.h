// Arrival rate and service capacity over the day, and the time-step grid.
#pragma once

#include <cstdint>

#include "engine/model.h"

namespace morvane {

// lambda(t) per hour at t minutes after midnight: the forecast's when one is in
// force, else the sinusoid, with blocks when BlockDemand.
Real ArrivalRateAt(const ScenarioInputs& inputs, Real t);

// The sinusoid alone (no blocks).
Real SinusoidalRateAt(const ScenarioInputs& inputs, Real t);

// What the staffing window charts and uses for its "Arrivals" column: the
// forecast when one is in force, else the sinusoid without blocks.
Real ProfileRateAt(const ScenarioInputs& inputs, Real t);

// The day's mean and peak arrival rates: the forecast's, else MeanDemand and
// MeanDemand + DemandAmplitude.
Real MeanArrivalRate(const ScenarioInputs& inputs);
Real PeakArrivalRate(const ScenarioInputs& inputs);

// Steps per day for a step of the given seconds: ceil(86400 / seconds).
std::int32_t StepsPerDay(std::int32_t timeStepSeconds);

// Fills ArrivalRate[0..1440] with lambda(m).
void FillArrivalRates(Model& model);

// Whether two scenarios have the same arrival rates on the same time-step grid:
// the same demand and time step.
bool SameRateGrid(const ScenarioInputs& a, const ScenarioInputs& b);

}  // namespace morvane
