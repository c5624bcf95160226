// The desktop program: one model, the Qt user interface, and the five windows.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <memory>

#include "program/morvane_windows.h"
#include "shared/qt_user_interface.h"
#include "shared/system_locale.h"
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
  MorvaneWindows windows(*app);

  // Run-time traffic of the core: gauges and changed values to the main window
  // (the GA window takes the report lines).
  QObject::connect(&ui, &QtUserInterface::gaugeMoved, &windows.main, &TMorvaneForm::moveGauge);
  QObject::connect(&ui, &QtUserInterface::shownValueChanged, &windows.main, &TMorvaneForm::showValue);
  QObject::connect(&ui, &QtUserInterface::reportLineInserted, &windows.ga, &TGAForm::insertReportLine);
  QObject::connect(&ui, &QtUserInterface::reportCleared, &windows.ga, &TGAForm::clearReport);

  windows.main.show();
  return application.exec();
}
