// The desktop program: one model, the Qt user interface, and the five windows,
// created once in this order and only hidden and shown until the program ends.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <memory>

#include "app/about_form.h"
#include "app/ga_form.h"
#include "app/morvane_app.h"
#include "app/morvane_form.h"
#include "app/multi_objective_form.h"
#include "app/qt_user_interface.h"
#include "app/system_locale.h"
#include "app/time_checks_form.h"
#include "base/version.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so it works without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << morvane::kVersionText << "\n";
    return 0;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Morvane");
  auto app = std::make_unique<MorvaneApp>();
  QtUserInterface ui;
  app->ui = &ui;
  app->locale = NumberLocaleOf(QLocale::system());

  TMorvaneForm morvaneForm(*app);
  app->morvaneForm = &morvaneForm;
  TTimeChecksForm timeChecksForm(*app);
  app->timeChecksForm = &timeChecksForm;
  TAboutForm aboutForm(*app);
  app->aboutForm = &aboutForm;
  TGAForm gaForm(*app);
  app->gaForm = &gaForm;
  TMultiObjectiveForm multiObjectiveForm(*app);
  app->multiObjectiveForm = &multiObjectiveForm;

  // Run-time traffic of the core: gauges and changed values to the main window
  // (the GA window takes the report lines).
  QObject::connect(&ui, &QtUserInterface::gaugeMoved, &morvaneForm, &TMorvaneForm::moveGauge);
  QObject::connect(&ui, &QtUserInterface::shownValueChanged, &morvaneForm, &TMorvaneForm::showValue);
  QObject::connect(&ui, &QtUserInterface::reportLineInserted, &gaForm, &TGAForm::insertReportLine);
  QObject::connect(&ui, &QtUserInterface::reportCleared, &gaForm, &TGAForm::clearReport);

  morvaneForm.show();
  return application.exec();
}
