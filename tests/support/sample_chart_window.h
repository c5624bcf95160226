// A window holding a chart like the main window's: title, two titled axes, a
// thick line, a stairs line running past the axes, points and the legend, plus
// a chart save dialog whose answers a test scripts.
#pragma once

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>
#include <deque>

#include "shared/file_choice_dialog.h"

namespace morvane::testing {

class SampleChartWindow : public QWidget {
 public:
  SampleChartWindow() {
    auto* chart = new QChart;
    chart->setTitle("Output Summary");
    auto* x = addAxis(*chart, "Time in Minutes", 1440, Qt::AlignBottom);
    auto* y = addAxis(*chart, "Number in System", 12, Qt::AlignLeft);
    auto* arrivals = new QLineSeries;
    arrivals->setName("Arrivals");
    arrivals->setPen(QPen(Qt::darkBlue, 3));
    auto* capacity = new QLineSeries;
    capacity->setName("Service Capacity");
    auto* points = new QScatterSeries;
    points->setName("Supported");
    for (int m = 0; m <= 1440; m += 60) {
      arrivals->append(m, 6 + 4 * std::sin(m / 229.0));
      capacity->append(m, m < 720 ? 8 : 10);
      capacity->append(m + 60, m < 720 ? 8 : 10);
      points->append(m, 3);
    }
    capacity->append(1500, 20);  // beyond the axes: clipped away
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{arrivals, capacity, points}) {
      chart->addSeries(series);
      series->attachAxis(x);
      series->attachAxis(y);
    }
    view = new QChartView(chart, this);
    (new QVBoxLayout(this))->addWidget(view);
    dialog = &chartSaveDialog(*this, "SaveMap");
    resize(640, 420);
    show();
  }

  // The save dialog answers with these names in turn, then cancels.
  void chooseFiles(std::deque<QString> names) { scriptAnswers(*dialog, std::move(names)); }

  static void scriptAnswers(FileChoiceDialog& dialog, std::deque<QString> names) {
    dialog.setChooser([names = std::move(names)](FileChoiceDialog&) mutable {
      if (names.empty()) return QString();
      QString name = names.front();
      names.pop_front();
      return name;
    });
  }

  QChartView* view;
  FileChoiceDialog* dialog;

 private:
  static QValueAxis* addAxis(QChart& chart, const QString& title, double max, Qt::Alignment side) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0, max);
    chart.addAxis(axis, side);
    return axis;
  }
};

}  // namespace morvane::testing
