// The GA window's two charts with their print and save buttons: GAChart, the
// distribution of the current generation as arrows in three series
// (carried over, imported, crossover children), and ProgressChart, the best
// value and the generations without change over the run.
#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "optimiser/ga_charts.h"
#include "base/user_interface.h"

class ChartPanel;
class FileChoiceDialog;
class QLineSeries;
class QPushButton;
class QValueAxis;

// Upward arrows from (x, 0) to (x, 1), one polyline each: the shaft, then a
// head `headWidth` wide on either side and 0.1 high.
QList<QList<QPointF>> Arrows(const std::vector<double>& xs, double headWidth);

class GAChartsPanel : public QWidget {
  Q_OBJECT

 public:
  GAChartsPanel(morvane::UserInterface& ui, QWidget* parent = nullptr);

  // A run begins: every series empties.
  void clear();
  // PlotGeneration: the arrows replaced, the progress points added, the axes set.
  void plot(const morvane::GenerationPlot& plot);
  // The print and save buttons, disabled during a run.
  QList<QPushButton*> buttons() const;

  ChartPanel* GAChart;
  ChartPanel* ProgressChart;

 private:
  void buildGAChart();
  void buildProgressChart();
  QPushButton* button(const char* name, const QString& caption);

  morvane::UserInterface& ui_;
  FileChoiceDialog* SaveMap;
  QValueAxis* objectiveAxis_;
  QLineSeries *carryover_, *import_, *crossover_;
  QValueAxis *generation_, *progressLeft_, *progressRight_;
  QLineSeries *objectiveValue_, *noChange_;
  QList<QPushButton*> buttons_;
};
