#include "main_window/result_labels_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

namespace {

QLabel* ResultLabel(const QString& objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->hide();
  return label;
}

void Caption(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
}

}  // namespace

ResultLabelsPanel::ResultLabelsPanel(QWidget* parent)
    : QWidget(parent),
      TimeOverLimitLabel(ResultLabel("TimeOverLimitLabel", this)),
      MaxProbWaitLabel(ResultLabel("MaxProbWaitLabel", this)),
      MaxP200Label(ResultLabel("MaxP200Label", this)),
      TotalPersonHoursLabel(ResultLabel("TotalPersonHoursLabel", this)),
      TotalPersonHoursCostLabel(ResultLabel("TotalPersonHoursCostLabel", this)),
      TotalLaborCostLabel(ResultLabel("TotalLaborCostLabel", this)),
      TotalCostLabel(ResultLabel("TotalCostLabel", this)),
      ServiceLevelLabel(ResultLabel("ServiceLevelLabel", this)),
      SpeedOfAnswerLabel(ResultLabel("SpeedOfAnswerLabel", this)),
      AbandonmentLabel(ResultLabel("AbandonmentLabel", this)),
      TimeBelowTargetLabel(ResultLabel("TimeBelowTargetLabel", this)),
      MaxPAllBusyLabel(ResultLabel("MaxPAllBusyLabel", this)),
      OverloadedMinutesLabel(ResultLabel("OverloadedMinutesLabel", this)),
      TruncationLabel(ResultLabel("TruncationLabel", this)) {
  // Two columns, costs and service at the left, the queue's figures at the right.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(1);
  const QList<QLabel*> columns[] = {
      {TotalPersonHoursLabel, TotalPersonHoursCostLabel, TotalLaborCostLabel, TotalCostLabel,
       ServiceLevelLabel, SpeedOfAnswerLabel, AbandonmentLabel},
      {MaxProbWaitLabel, MaxPAllBusyLabel, TimeOverLimitLabel, MaxP200Label, TimeBelowTargetLabel,
       OverloadedMinutesLabel}};
  for (int column = 0; column < 2; ++column)
    for (int row = 0; row < columns[column].size(); ++row) grid->addWidget(columns[column][row], row, column);
  TruncationLabel->setWordWrap(true);
  grid->addWidget(TruncationLabel, 7, 0, 1, 2);
  grid->setRowStretch(8, 1);
}

QList<QLabel*> ResultLabelsPanel::all() const {
  return {TimeOverLimitLabel,     MaxProbWaitLabel,          MaxP200Label,  TotalPersonHoursLabel,
          TotalPersonHoursCostLabel, TotalLaborCostLabel, TotalCostLabel, ServiceLevelLabel,
          SpeedOfAnswerLabel, AbandonmentLabel, TimeBelowTargetLabel, MaxPAllBusyLabel, OverloadedMinutesLabel};
}

void ResultLabelsPanel::setShown(bool show) {
  for (QLabel* label : all()) label->setVisible(show);
  if (!show) TruncationLabel->hide();
}

bool ResultLabelsPanel::shown() const { return !TotalCostLabel->isHidden(); }

void ResultLabelsPanel::showResults(const morvane::ResultLabels& texts,
                                    const morvane::ServiceLabels& service,
                                    const std::string& overloadedMinutes,
                                    const std::optional<std::string>& truncation) {
  Caption(MaxPAllBusyLabel, texts.MaxPAllBusyLabel);
  Caption(OverloadedMinutesLabel, overloadedMinutes);
  Caption(TruncationLabel, truncation.value_or(""));
  QPalette colours = QApplication::palette(this);
  if (truncation) colours.setColor(QPalette::WindowText, Qt::red);
  setPalette(colours);
  Caption(ServiceLevelLabel, service.ServiceLevelLabel);
  Caption(SpeedOfAnswerLabel, service.SpeedOfAnswerLabel);
  Caption(AbandonmentLabel, service.AbandonmentLabel);
  Caption(TimeBelowTargetLabel, service.TimeBelowTargetLabel);
  Caption(TimeOverLimitLabel, texts.TimeOverLimitLabel);
  Caption(MaxProbWaitLabel, texts.MaxProbWaitLabel);
  setMaxP200(texts);
  updateCosts(texts);
  setShown(true);
  TruncationLabel->setVisible(truncation.has_value());
}

void ResultLabelsPanel::updateCosts(const morvane::ResultLabels& texts) {
  Caption(TotalPersonHoursLabel, texts.TotalPersonHoursLabel);
  Caption(TotalPersonHoursCostLabel, texts.TotalPersonHoursCostLabel);
  Caption(TotalLaborCostLabel, texts.TotalLaborCostLabel);
  Caption(TotalCostLabel, texts.TotalCostLabel);
}

void ResultLabelsPanel::setMaxP200(const morvane::ResultLabels& texts) {
  Caption(MaxP200Label, texts.MaxP200Label);
}
