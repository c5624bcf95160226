// "Servers Required vs. On Duty" on the staffing window's Start Times page: per
// quarter-hour the Erlang C requirement (Erlang A's when callers hang up), the
// exact requirement once computed, the servers on duty, and a red mark on every
// period short of staff.
#pragma once

#include "shared/chart_panel.h"
#include "report/requirement_series.h"

class RequirementChart : public ChartPanel {
  Q_OBJECT

 public:
  explicit RequirementChart(QWidget* parent = nullptr);

  // `callersHangUp`: the per-period requirement is Erlang A's, and its curve is named so.
  void draw(const morvane::RequirementChartSeries& series, bool callersHangUp);

 private:
  QLineSeries* exact_;
  QLineSeries* erlangC_;  // "Erlang C", or "Erlang A requirement"
  QLineSeries* onDuty_;
  QScatterSeries* short_;
};
