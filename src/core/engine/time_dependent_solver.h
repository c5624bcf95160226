// The time-dependent solver (the "C&Ompute Time Dep. Probs" command): starting
// estimate, days repeated until two successive days agree, widening of the state
// space while the top state carries probability, and a shorter time step when
// the integration produced negative probabilities.
#pragma once

#include <optional>
#include <string>

#include "engine/model.h"
#include "base/user_interface.h"

namespace morvane {

// The time-step grid of a run: NumSteps, StepMinutes, ArrivalRate[0..1440], and the arrival
// rate and servers on duty at every step point t_k = k * StepMinutes; room for the
// vectors of steps.precision.
void PrepareStepGrid(Model& model);
// The starting estimate: the steady state at every step point, with servers raised
// until the queue is stable, in the vectors of steps.precision.
void FillStartingEstimate(Model& model, UserInterface& ui);

// Why the solver cannot run the model as it stands, or nothing.
std::optional<std::string> SolverRefusal(const Model& model);

// Runs the solver and the day measures. Returns false, after a message, when the
// model is refused; the tables are then untouched. In double precision the run
// sweeps FastVectors and leaves TimeDepVectors alone; every other result is Real
// either way.
bool ComputeTimeDependent(Model& model, UserInterface& ui,
                          Precision precision = Precision::Extended);

}  // namespace morvane
