// The state-probability chart Chart1 and its four curves: each shows the
// steady-state or time-dependent distribution of the number in system at a
// chosen time of day (a time box and a choice group per curve).
#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <array>
#include <cstdint>

#include "main_window/results_shown.h"
#include "shared/morvane_app.h"

class ChartPanel;
class EntryEdit;
class QLabel;
class QValueAxis;
class RadioGroup;

class ProbabilityPlots : public QObject {
  Q_OBJECT

 public:
  static constexpr int kCurves = 4;
  enum Choice { None = 0, Steady = 1, TimeDep = 2 };

  // The chart and the controls are created as children of `parent`.
  ProbabilityPlots(MorvaneApp& app, QWidget* parent);

  // Each chosen curve from the results shown; a curve of results not shown stays empty.
  void PlotProbabilities(ResultsShown shown);
  void clear();

  ChartPanel* Chart1;
  QWidget* controls;  // "&Times to Plot (min)", the four time boxes and the four choices
  std::array<EntryEdit*, kCurves> timeBoxes;
  std::array<RadioGroup*, kCurves> choices;

 signals:
  // The planner chose a curve or left a time box: the window redraws.
  void redrawRequested();

 private:
  // The curve's points, or none.
  QList<QPointF> plotCurve(int curve, std::int32_t stateLimit, ResultsShown shown);
  void fitStates(const QList<QList<QPointF>>& curves);

  MorvaneApp& app_;
  QValueAxis* states_;
  std::array<std::int32_t, kCurves> plotTimes_{};  // minutes after midnight
};
