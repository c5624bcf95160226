#include "staffing_window/start_times_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shared/chart_panel.h"
#include "shared/command_button.h"
#include "staffing_window/requirement_chart.h"
#include "staffing_window/start_times_grid.h"

namespace {

const QString kGreen = QStringLiteral("background: #66ee66;");
const QString kRed = QStringLiteral("background: #ff7777;");

QLineEdit* AmountEdit(const QString& name, const QString& colour) {
  auto* edit = new QLineEdit(QStringLiteral("1"));
  edit->setObjectName(name);
  edit->setStyleSheet(colour);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
  return edit;
}

// The caption of an amount box, in the box's colour; its accelerator goes to the box.
QLabel* AmountLabel(const QString& caption, QLineEdit* edit, const QString& colour) {
  auto* label = new QLabel(caption);
  label->setBuddy(edit);
  label->setStyleSheet(colour);
  return label;
}

QPushButton* ShiftButton(const QString& caption, const QString& name, const QString& colour) {
  auto* button = new CommandButton(name, caption, QString());
  button->setStyleSheet(colour);
  return button;
}

}  // namespace

StartTimesTab::StartTimesTab(QWidget* parent)
    : QWidget(parent), grid_(new StartTimesGrid), requirement_(new RequirementChart), laborCost_(new QLabel),
      forwardAmount_(AmountEdit(QStringLiteral("ForwardShiftEdit"), kGreen)),
      backwardAmount_(AmountEdit(QStringLiteral("BackwardShiftEdit"), kRed)) {
  laborCost_->setObjectName(QStringLiteral("TotalLaborCostEdit"));
  auto* right = new QVBoxLayout;
  right->addWidget(makeChart(), 1);
  right->addWidget(requirement_, 1);
  right->addWidget(laborCost_);
  right->addWidget(makeShiftControls());
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(right, 1);
}

QWidget* StartTimesTab::makeChart() {
  chart_ = new ChartPanel(QStringLiteral("Chart1"), QStringLiteral("Mean Arrivals vs. Service Capacity"));
  chart_->setToolTip(QStringLiteral("Displays Arrival Rate and Service Capacity over time"));
  QValueAxis* minutes = chart_->addDayAxis();
  QValueAxis* rate = chart_->addAxis(Qt::AlignLeft, QStringLiteral("Rate"));
  chart_->setAxisLimits(minutes, 0.0, 1440.0);
  chart_->setAxisLimits(rate, 0.0, std::nullopt);
  meanArrivals_ = chart_->addSeries(QStringLiteral("Mean Arrivals"), Qt::blue, 2, minutes, rate);
  serviceCapacity_ =
      chart_->addSeries(QStringLiteral("Service Capacity"), Qt::black, 2, minutes, rate, true);
  return chart_;
}

QWidget* StartTimesTab::makeShiftControls() {
  forward_[morvane::FullTime] =
      ShiftButton(QStringLiteral("&+ Forward Shift FT"), QStringLiteral("ForwardShiftFTButton"), kGreen);
  forward_[morvane::PartTime] =
      ShiftButton(QStringLiteral("&* Forward Shift PT"), QStringLiteral("ForwardShiftPTButton"), kGreen);
  back_[morvane::FullTime] =
      ShiftButton(QStringLiteral("&- Back Shift FT"), QStringLiteral("BackShiftFTButton"), kRed);
  back_[morvane::PartTime] =
      ShiftButton(QStringLiteral("&/ Back Shift PT"), QStringLiteral("BackShiftPTButton"), kRed);
  QLabel* forwardLabel = AmountLabel(QStringLiteral("&Forward Amount"), forwardAmount_, kGreen);
  QLabel* backwardLabel = AmountLabel(QStringLiteral("&Backward Amount"), backwardAmount_, kRed);

  auto* controls = new QWidget;
  auto* layout = new QGridLayout(controls);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(forwardLabel, 0, 0);
  layout->addWidget(forwardAmount_, 0, 1);
  layout->addWidget(forward_[morvane::FullTime], 0, 2);
  layout->addWidget(forward_[morvane::PartTime], 0, 3);
  layout->addWidget(backwardLabel, 1, 0);
  layout->addWidget(backwardAmount_, 1, 1);
  layout->addWidget(back_[morvane::FullTime], 1, 2);
  layout->addWidget(back_[morvane::PartTime], 1, 3);
  return controls;
}

void StartTimesTab::drawCapacity(const morvane::CapacityChartSeries& series) {
  chart_->setPoints(meanArrivals_, series.meanArrivals);
  chart_->setPoints(serviceCapacity_, series.serviceCapacity);
}

void StartTimesTab::drawRequirement(const morvane::RequirementChartSeries& series, bool callersHangUp) {
  requirement_->draw(series, callersHangUp);
}
