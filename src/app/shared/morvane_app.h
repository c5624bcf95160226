// The program's shared state: the one model every window works on, the
// system's number formats, the user interface the core talks through, and the
// optimiser's settings and populations. The windows themselves never reach each
// other through it: they talk by signals (program/morvane_windows.h).
#pragma once

#include <memory>
#include <optional>

#include "base/number_format.h"
#include "base/user_interface.h"
#include "engine/model.h"
#include "optimiser/ga_settings.h"
#include "optimiser/ga_state.h"

struct MorvaneApp {
  morvane::Model model;
  morvane::NumberLocale locale;             // the system's separators and currency
  morvane::UserInterface* ui = nullptr;     // message boxes, run report, gauges, pauses
  // The GA window runs on these; the tradeoff window picks its plans from them.
  // Another scenario put in force replaces gaState: reach it through the pointer.
  morvane::GASettings gaSettings;
  std::unique_ptr<morvane::GAState> gaState = std::make_unique<morvane::GAState>();
  bool gaRunning = false;  // a GA run or an improvement is under way
  // The exact staffing requirement of the inputs in force, as "Plan for target"
  // last computed it. It depends on the inputs alone (not on the plan or the
  // templates): the main window forgets it when an input changes or another
  // scenario is put in force.
  std::optional<morvane::PeriodCounts> exactRequirement;
};
