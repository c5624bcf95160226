// The program's shared pieces: the one model every window works on, the
// system's number formats, the user interface the core talks through, and the
// five windows, created once at start-up and only hidden and shown afterwards.
#pragma once

#include "engine/model.h"
#include "base/number_format.h"
#include "base/user_interface.h"

class TMorvaneForm;
class TTimeChecksForm;
class TAboutForm;
class TGAForm;
class TMultiObjectiveForm;

struct MorvaneApp {
  morvane::Model model;
  morvane::NumberLocale locale;             // the system's separators and currency
  morvane::UserInterface* ui = nullptr;     // message boxes, run report, gauges, pauses
  TMorvaneForm* morvaneForm = nullptr;
  TTimeChecksForm* timeChecksForm = nullptr;
  TAboutForm* aboutForm = nullptr;
  TGAForm* gaForm = nullptr;
  TMultiObjectiveForm* multiObjectiveForm = nullptr;
};
