// The four raised panels at the top of the main window: demand inputs; base
// servers, service rate, callers' patience, the service target and the
// staffing buttons; the three costs; the solver settings. Each box checks its
// value when it is left and stores it in the model; what a changed value means
// for the results is the window's (the signals).
#pragma once

#include <QWidget>

#include "shared/morvane_app.h"

#include <optional>

#include "engine/demand_forecast.h"

class EntryEdit;
class FileChoiceDialog;
class QCheckBox;
class QLabel;
class QPushButton;

class ScenarioPanels : public QWidget {
  Q_OBJECT

 public:
  explicit ScenarioPanels(MorvaneApp& app, QWidget* parent = nullptr);

  // Every box and the block check box from the model's inputs, in their formats.
  void writeBoxes();
  void showValue(morvane::ShownValue value);
  // The forecast read last, in force or not (the scenario keeps it); writeBoxes shows it.
  const std::optional<morvane::DemandForecast>& loadedForecast() const { return loaded_; }
  void setLoadedForecast(const std::optional<morvane::DemandForecast>& forecast) { loaded_ = forecast; }
  // "Using Base Server Value Above" on white, or "Using Servers Set By Shift Forms" on yellow.
  void showServerSource(bool baseServers);

  struct Box;  // one input box's description

  QPushButton* SetTimes;
  QPushButton* ImproveCurrentSolnButton;
  QLabel* ServerCountUsedLabel;
  QPushButton* LoadForecastButton;
  QCheckBox* ForecastCheckBox;  // the demand follows the loaded forecast
  QLabel* ForecastLabel;        // the loaded forecast's file name, interval and peak
  FileChoiceDialog* ForecastDialog;

 signals:
  void modelInputChanged();  // results no longer match the inputs
  void baseServersLeft();    // ServersEdit was left with another value: install the base staffing
  void costChanged();        // a cost changed: the cost labels need refreshing

 private:
  QWidget* panel(const std::vector<const Box*>& boxes);
  EntryEdit* addBox(const Box& box);
  morvane::Real valueOf(const Box& box) const;
  void boxExit(const Box& box, EntryEdit* edit);
  void BlockCheckBoxClick();
  void LoadForecastClick();
  void ForecastCheckBoxClick();
  // Boxes of the sine and blocks off while a forecast is in force; the label.
  void showDemandSource();
  QWidget* forecastRow(QWidget* parent);

  MorvaneApp& app_;
  QCheckBox* BlockCheckBox;
  std::vector<std::pair<const Box*, EntryEdit*>> boxes_;
  std::optional<morvane::DemandForecast> loaded_;  // the last forecast read
};
