// The settings of the GA window: the numeric boxes with their captions, the
// improvement check boxes, the two objective groups and the start-interval
// choice. Every box is checked by the core's handler when it is left and then
// shows the settings again; the check boxes and groups follow the core's rules.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "shared/morvane_app.h"
#include "engine/entry_check.h"
#include "optimiser/ga_settings.h"

class EntryEdit;
class QCheckBox;
class QComboBox;
class QGridLayout;
class RadioGroup;

class GASettingsPanel : public QWidget {
  Q_OBJECT

 public:
  GASettingsPanel(MorvaneApp& app, morvane::GASettings& settings, QWidget* parent = nullptr);

  // FormShow: the numeric settings into their boxes.
  void FormShow();
  // Every control from the settings, enabled by the rules its clicks follow.
  void showAll();
  // "Re&Set Def.": the reset values, shown in every control.
  void ResetButtonClick();
  // During a run the objective groups are disabled, and a new "Initial
  // Population" is held until the run ends: the generation step ranks every
  // member up to PopulationSize, so a size raised in the middle of a run would
  // rank slots that the run never filled.
  void setRunning(bool running);
  // The controls that the improvement-only layout hides.
  QList<QWidget*> fullLayoutControls() const;

  EntryEdit* MaxCostEdit;
  EntryEdit* RandSeedEdit;
  EntryEdit* InitPopEdit;
  EntryEdit* MaxGenEdit;
  EntryEdit* MaxGenNoChangeEdit;
  EntryEdit* Number2ImportEdit;
  EntryEdit* CarryOverEdit;
  EntryEdit* BiasEdit;
  EntryEdit* CriticalPwaitEdit;
  EntryEdit* ThreadsEdit;
  QCheckBox* ImproveBestCheckBox;
  QCheckBox* ImproveCarryOverCheckBox;
  QCheckBox* ImproveLastBox;
  QCheckBox* AllowPart2FullBox;
  RadioGroup* FirstObjective;
  RadioGroup* SecondObjective;
  QComboBox* StartingInterval;
  QComboBox* EvaluationChoice;  // "Evaluation": the number type plans are scored in

 signals:
  // A second objective was chosen: the tradeoff window shows.
  void secondObjectiveChosen();

 private:
  using Exit = std::function<morvane::EntryOutcome(const std::string& text)>;

  EntryEdit* addBox(QGridLayout* grid, const char* name, const char* label, const QString& caption,
                    const QString& hint, Exit exit);
  QGridLayout* buildBoxes();
  void addEvaluationChoice(QGridLayout* grid);
  QWidget* buildChecks();
  QWidget* buildObjectives();
  void InitPopEditExit(const std::string& text);
  void showChecks();
  void showChoices();
  void showSwapRule();
  void offerImprovements();
  // Both groups from the settings' objective numbers.
  void showObjectives();
  void FirstObjectiveClick(std::int32_t objective);
  void SecondObjectiveClick(std::int32_t objective);
  void clashMessage();

  MorvaneApp& app_;
  morvane::GASettings& settings_;
  bool running_ = false;
  std::optional<std::int32_t> heldPopulation_;
  QList<QWidget*> fullLayout_;
};
