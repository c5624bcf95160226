#include "main_window/result_labels_panel.h"

#include <QLabel>
#include <QVBoxLayout>

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
      TimeBelowTargetLabel(ResultLabel("TimeBelowTargetLabel", this)) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(1);
  for (QLabel* label : {TotalPersonHoursLabel, TotalPersonHoursCostLabel, TotalLaborCostLabel,
                        TotalCostLabel, MaxProbWaitLabel, TimeOverLimitLabel, MaxP200Label,
                        ServiceLevelLabel, SpeedOfAnswerLabel, TimeBelowTargetLabel})
    column->addWidget(label);
  column->addStretch();
}

QList<QLabel*> ResultLabelsPanel::all() const {
  return {TimeOverLimitLabel,     MaxProbWaitLabel,          MaxP200Label,  TotalPersonHoursLabel,
          TotalPersonHoursCostLabel, TotalLaborCostLabel, TotalCostLabel, ServiceLevelLabel,
          SpeedOfAnswerLabel, TimeBelowTargetLabel};
}

void ResultLabelsPanel::setShown(bool show) {
  for (QLabel* label : all()) label->setVisible(show);
}

bool ResultLabelsPanel::shown() const { return !TotalCostLabel->isHidden(); }

void ResultLabelsPanel::showResults(const morvane::ResultLabels& texts,
                                    const morvane::ServiceLabels& service) {
  Caption(ServiceLevelLabel, service.ServiceLevelLabel);
  Caption(SpeedOfAnswerLabel, service.SpeedOfAnswerLabel);
  Caption(TimeBelowTargetLabel, service.TimeBelowTargetLabel);
  Caption(TimeOverLimitLabel, texts.TimeOverLimitLabel);
  Caption(MaxProbWaitLabel, texts.MaxProbWaitLabel);
  setMaxP200(texts);
  updateCosts(texts);
  setShown(true);
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
