// The output charts over the day, one visible at a time: "# system"
// (OutputChart: rates and mean number in system), "P(wait)" (OutputChart2:
// rates and probability of waiting) and "Service level" (OutputChart3: the
// share answered in time with the target as a line, and the share who hang up
// while callers do), with the choice between them and the (hidden) boxes of
// the axis maxima.
#pragma once

#include <QObject>

#include "main_window/results_shown.h"
#include "shared/morvane_app.h"

class ChartPanel;
class EntryEdit;
class OverloadShading;
class QLineSeries;
class QValueAxis;
class RadioGroup;

class OutputCharts : public QObject {
  Q_OBJECT

 public:
  // The controls are created as children of `parent`; the window lays them out.
  OutputCharts(MorvaneApp& app, QWidget* parent);

  // Axis maxima, then (with DrawCharts) the series of the results shown: the
  // steady state's broken where there is none (NoSteadyStateRanges), the
  // overloaded minutes shaded.
  void MMCProbOutput(ResultsShown shown);
  // Arrivals and capacity of both charts; empties the time-dependent series.
  void ShowLambdaAndMu();
  // "Time Dep. Number", "Time Dep. P(Wait)" (lime where P(wait) > CriticalPWait)
  // and "Time Dep. P(all busy)".
  void drawTimeDependent();
  void clear();
  // Shows OutputChart for "# system", OutputChart2 for "P(wait)", OutputChart3 for "Service level".
  void showChosenChart();
  bool pWaitChosen() const;
  ChartPanel* chosenChart() const;

  ChartPanel* OutputChart;
  ChartPanel* OutputChart2;
  ChartPanel* OutputChart3;
  RadioGroup* WhatToPlotGroup;
  EntryEdit* LeftAxisMaxEdit;
  EntryEdit* RightAxisMaxEdit;
  QWidget* axisBoxes;  // both axis boxes with their captions and "-1 means automatic"

 signals:
  // The planner chose a chart or left an axis box: the window redraws.
  void redrawRequested();

 private:
  struct Lines {
    QValueAxis* bottom;
    QValueAxis* left;
    QValueAxis* right;
    QLineSeries* arrivals;
    QLineSeries* measure;          // "SS Number" or "SS P(Wait)"
    QLineSeries* timeDependent;    // "Time Dep. Number" or "Time Dep. P(Wait)"
    QLineSeries* capacity;
    OverloadShading* overload;
  };
  Lines build(ChartPanel* chart, const QString& leftTitle, const QString& rightTitle,
              const QString& measure, const QString& timeDependent);
  void setAxisMaxima();
  void drawRates();
  void axisBoxExit(EntryEdit* edit, std::int32_t& value);
  void buildServiceChart();
  void drawServiceLevel(bool timeDependentShown);
  void drawSteadyState();
  // Shows or hides the abandonment curves' legend entries and names the axis for
  // what it carries; true while callers hang up.
  bool offerAbandonment();

  MorvaneApp& app_;
  Lines number_;
  Lines pWait_;
  QLineSeries* steadyService_;
  QLineSeries* timeDepService_;
  QLineSeries* steadyAbandoned_;
  QLineSeries* timeDepAbandoned_;
  QLineSeries* serviceTarget_;
  QValueAxis* serviceAxis_;
  QLineSeries* pAllBusy_;
  OverloadShading* serviceOverload_;
};
