// The five windows, created once in this order and only hidden and shown until
// the program ends, and every link between them. No window knows another: what
// one tells another is a signal, and this is the one place that connects them.
#pragma once

#include "about_box/about_form.h"
#include "ga_window/ga_form.h"
#include "main_window/morvane_form.h"
#include "shared/morvane_app.h"
#include "staffing_window/time_checks_form.h"
#include "tradeoff_window/multi_objective_form.h"

struct MorvaneWindows {
  // splashMilliseconds: how long the about box shows as a splash at start-up.
  explicit MorvaneWindows(MorvaneApp& app, int splashMilliseconds = 1500);

  TMorvaneForm main;
  TTimeChecksForm staffing;
  TAboutForm about;
  TGAForm ga;
  TMultiObjectiveForm tradeoff;

 private:
  void connectMainWindow();
  void connectGAWindow();
};
