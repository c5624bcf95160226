// TMultiObjectiveForm: the tradeoff window, "Multi-Objective Form". It draws
// the population of a two-objective run in the plane of the two objectives,
// sorted into inferior, carried-over, non-inferior, supported and random
// plans, and makes a clicked plan the current staffing plan on request.
#pragma once

#include <QWidget>
#include <optional>

#include "shared/morvane_app.h"
#include "optimiser/tradeoff_chart.h"

class ChartPanel;
class FileChoiceDialog;
class QCheckBox;
class QPushButton;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

class TMultiObjectiveForm : public QWidget {
  Q_OBJECT

 public:
  explicit TMultiObjectiveForm(MorvaneApp& app, QWidget* parent = nullptr);

  // ShowMOGraph on screen: the five series, the axis titles and the two-line
  // title. With "Save Every Nth one" checked, every 50th generation is also
  // saved as a bitmap.
  void ShowMOGraph(const morvane::TradeoffChart& chart);
  // A plan the generation step carried over, in red.
  void addCarryOver(double x, double y);
  // Empties the five series; there are no plans to export until the next chart.
  void clear();
  // "E&xport plans...": the non-inferior plans of the run shown, as a CSV file
  // (see WriteTradeoffTable), after the file dialog and the replace question.
  void ExportButtonClick();
  // A click on point `index` of `series`: the plan's figures, and on Yes it
  // becomes the current plan.
  void MultiObjectiveChartClickSeries(QXYSeries* series, int index);

  ChartPanel* MultiObjectiveChart;

 signals:
  // A clicked plan is in the model (StartTimes): the staffing grid and the main
  // window's computations follow.
  void planChosen();

 private:
  void buildChart();
  QWidget* buildButtons();
  void fitAxes();
  void makeCurrent(const morvane::GASolution& plan);

  MorvaneApp& app_;
  QList<QScatterSeries*> series_;
  QValueAxis* bottom_;
  QValueAxis* left_;
  QCheckBox* SaveBox;
  QCheckBox* ShowAllBox;
  QPushButton* ExportButton;
  FileChoiceDialog* SaveChart;
  FileChoiceDialog* ExportDialog;
  // The settings of the run the chart shows (its objectives and population
  // size); nothing once the chart is emptied.
  std::optional<morvane::GASettings> shownRun_;
  bool SaveEveryNth = false;
};
