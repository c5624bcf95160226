// Which results the main window shows for the inputs in force: what may be
// drawn, exported or plotted from the model.
#pragma once

struct ResultsShown {
  bool steadyState;    // the steady state of the inputs in force
  bool timeDependent;  // a time-dependent run of the inputs in force
};
