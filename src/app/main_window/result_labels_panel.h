// The result labels under the output chart: the day's costs, measures and
// service figures after a time-dependent computation, hidden again when the
// inputs change. In red, with a note, when the run was cut at its top state.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "engine/measures.h"
#include "engine/service_level.h"

class QLabel;

class ResultLabelsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ResultLabelsPanel(QWidget* parent = nullptr);

  void setShown(bool show);
  // True while the labels show a time-dependent result.
  bool shown() const;
  // Captions and shows them all, in the order of the texts; `truncation`: the
  // note of a run cut short (engine/truncation.h), or nothing.
  void showResults(const morvane::ResultLabels& texts, const morvane::ServiceLabels& service,
                   const std::string& overloadedMinutes, const std::optional<std::string>& truncation);
  // Re-captions the four cost labels only, leaving them shown or hidden.
  void updateCosts(const morvane::ResultLabels& texts);
  void setMaxP200(const morvane::ResultLabels& texts);

  QLabel* TimeOverLimitLabel;
  QLabel* MaxProbWaitLabel;
  QLabel* MaxP200Label;
  QLabel* TotalPersonHoursLabel;
  QLabel* TotalPersonHoursCostLabel;
  QLabel* TotalLaborCostLabel;
  QLabel* TotalCostLabel;
  QLabel* ServiceLevelLabel;
  QLabel* SpeedOfAnswerLabel;
  QLabel* AbandonmentLabel;  // the share of callers who hang up, 0 % when nobody does
  QLabel* TimeBelowTargetLabel;
  QLabel* MaxPAllBusyLabel;
  QLabel* OverloadedMinutesLabel;
  QLabel* TruncationLabel;  // shown only for a run cut short

 private:
  QList<QLabel*> all() const;
};
