#include "program/morvane_windows.h"

#include "shared/page_header.h"

MorvaneWindows::MorvaneWindows(MorvaneApp& app, int splashMilliseconds)
    : main(app, splashMilliseconds), staffing(app), ga(app), tradeoff(app) {
  connectMainWindow();
  connectGAWindow();
  // The plan for the target: the main window waits while it is searched for,
  // then computes it.
  QObject::connect(&staffing, &TTimeChecksForm::targetSearchStarted, &main, &TMorvaneForm::planSearchStarted);
  QObject::connect(&staffing, &TTimeChecksForm::targetSearchEnded, &main, &TMorvaneForm::planSearchEnded);
  // A plan clicked on the tradeoff chart is computed like one typed in.
  QObject::connect(&tradeoff, &TMultiObjectiveForm::planChosen, &staffing, &TTimeChecksForm::showStartTimes);
  QObject::connect(&tradeoff, &TMultiObjectiveForm::planChosen, &main, &TMorvaneForm::computeBoth);
  // A scenario opened or made new: its plan and GA settings, and no tradeoff of the old one.
  QObject::connect(&main, &TMorvaneForm::scenarioReplaced, &staffing, &TTimeChecksForm::showPlan);
  QObject::connect(&main, &TMorvaneForm::scenarioReplaced, &ga, &TGAForm::showSettings);
  QObject::connect(&main, &TMorvaneForm::scenarioReplaced, &tradeoff, &TMultiObjectiveForm::clear);
}

// The main window opens the others, and they all lead back to it.
void MorvaneWindows::connectMainWindow() {
  QObject::connect(&main, &TMorvaneForm::staffingWanted, &staffing, &QWidget::show);
  QObject::connect(&main, &TMorvaneForm::gaWanted, &ga, &QWidget::show);
  QObject::connect(&main, &TMorvaneForm::aboutWanted, &about, &QWidget::show);
  QObject::connect(&staffing, &TTimeChecksForm::mainWindowWanted, &main, &QWidget::show);
  QObject::connect(&about, &TAboutForm::mainWindowWanted, &main, &QWidget::show);
  // Printed pages carry the scenario's name, as the main window's title shows it ("name[*] - Morvane").
  const auto printedName = [](const QString& title) { setPrintedScenarioName(title.section("[*]", 0, 0)); };
  printedName(main.windowTitle());
  QObject::connect(&main, &QWidget::windowTitleChanged, &main, printedName);
  QObject::connect(&ga, &TGAForm::mainWindowWanted, &main, [this] {
    main.show();
    main.raise();
    main.activateWindow();
  });
}

// The GA window's runs reach the tradeoff chart, and the plans they install
// reach the staffing grid and the main window.
void MorvaneWindows::connectGAWindow() {
  QObject::connect(&ga, &TGAForm::tradeoffWanted, &tradeoff, &QWidget::show);
  QObject::connect(&ga, &TGAForm::runStarting, &tradeoff, &TMultiObjectiveForm::clear);
  QObject::connect(&ga, &TGAForm::carryOverDrawn, &tradeoff, &TMultiObjectiveForm::addCarryOver);
  QObject::connect(&ga, &TGAForm::tradeoffDrawn, &tradeoff, &TMultiObjectiveForm::ShowMOGraph);
  QObject::connect(&ga, &TGAForm::planInstalled, &staffing, &TTimeChecksForm::showStartTimes);
  QObject::connect(&ga, &TGAForm::planInstalled, &main, &TMorvaneForm::ShowInstalledPlan);
  QObject::connect(&main, &TMorvaneForm::improvementWanted, &ga, &TGAForm::ImproveCurrentSoln);
  QObject::connect(&ga, &TGAForm::improvementStarted, &main, &TMorvaneForm::planSearchStarted);
  QObject::connect(&ga, &TGAForm::improvementEnded, &main, &TMorvaneForm::planSearchEnded);
  QObject::connect(&ga, &TGAForm::improvementEnded, &staffing, [this](bool improved) {
    if (improved) staffing.showStartTimes();
  });
}
