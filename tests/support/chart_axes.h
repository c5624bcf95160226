// What the axes of a window's chart show, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QSet>
#include <QtCharts/QValueAxis>

#include "shared/chart_panel.h"

namespace morvane::testing {

inline QValueAxis* AxisAt(const ChartPanel& chart, Qt::Alignment side) {
  for (QAbstractAxis* axis : chart.chart()->axes())
    if (axis->alignment() == side) return static_cast<QValueAxis*>(axis);
  return nullptr;
}

// The tick labels as the chart writes them, lowest first.
inline QStringList TickLabels(const QValueAxis& axis) {
  QStringList labels;
  for (double tick = axis.tickAnchor(); tick <= axis.max() + 1e-9 * axis.tickInterval(); tick += axis.tickInterval())
    labels << QString::asprintf(axis.labelFormat().toLatin1().constData(), tick);
  return labels;
}

// From the first tick inside the axis, `fewest` to 8 labels, no two alike.
inline void ExpectRoundTicks(const QValueAxis& axis, int fewest = 4) {
  EXPECT_LT(axis.tickAnchor() - axis.tickInterval(), axis.min());
  const QStringList labels = TickLabels(axis);
  EXPECT_TRUE(fewest <= labels.size() && labels.size() <= 8) << labels.join(' ').toStdString();
  EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
}

// A vertical axis from 0 whose top is a tick above `highest`, the highest value
// drawn, with 3 % room at most before the tick below it.
inline void ExpectRoomAbove(const QValueAxis& axis, double highest) {
  EXPECT_EQ(TickLabels(axis).last().toDouble(), axis.max());
  EXPECT_TRUE(axis.max() > highest && axis.max() - axis.tickInterval() <= highest * 1.03) << axis.max();
  ExpectRoundTicks(axis);
}

// The bottom axis of a day: 0 to 1440 minutes, a tick every four hours.
inline void ExpectWholeDay(const ChartPanel& chart) {
  const QValueAxis* minutes = AxisAt(chart, Qt::AlignBottom);
  EXPECT_EQ(minutes->max(), 1440);
  EXPECT_EQ(TickLabels(*minutes), QStringList({"0", "240", "480", "720", "960", "1200", "1440"}));
}

}  // namespace morvane::testing
