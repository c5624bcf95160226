// The "Start Times" page of the staffing window: the start-times grid, the
// chart of mean arrivals against service capacity, the chart of the servers
// required against those on duty, the labour cost under them, and the shift
// controls (amounts in green and red, four shift buttons).
// It only holds and draws its controls; the window decides what they do.
#pragma once

#include <QWidget>

#include "report/requirement_series.h"
#include "staffing/start_times_page.h"

class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class ChartPanel;
class RequirementChart;
class StartTimesGrid;

class StartTimesTab : public QWidget {
  Q_OBJECT

 public:
  explicit StartTimesTab(QWidget* parent = nullptr);

  StartTimesGrid* grid() const { return grid_; }
  QLabel* laborCost() const { return laborCost_; }
  QLineEdit* forwardAmount() const { return forwardAmount_; }
  QLineEdit* backwardAmount() const { return backwardAmount_; }
  // The shift buttons: [FullTime] and [PartTime].
  QPushButton* forwardButton(morvane::EmployeeType type) const { return forward_[type]; }
  QPushButton* backButton(morvane::EmployeeType type) const { return back_[type]; }

  // Redraws "Mean Arrivals vs. Service Capacity".
  void drawCapacity(const morvane::CapacityChartSeries& series);
  // Redraws "Servers Required vs. On Duty"; its steady-state curve is Erlang A's
  // when callers hang up.
  void drawRequirement(const morvane::RequirementChartSeries& series, bool callersHangUp);

 private:
  QWidget* makeChart();
  QWidget* makeShiftControls();

  StartTimesGrid* grid_;
  ChartPanel* chart_ = nullptr;
  QLineSeries* meanArrivals_ = nullptr;
  QLineSeries* serviceCapacity_ = nullptr;
  RequirementChart* requirement_;
  QLabel* laborCost_;
  QLineEdit* forwardAmount_;
  QLineEdit* backwardAmount_;
  QPushButton* forward_[2] = {};
  QPushButton* back_[2] = {};
};
