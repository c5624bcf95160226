#include "ga_window/ga_settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "shared/entry_edit.h"
#include "shared/radio_group.h"
#include "base/number_format.h"

namespace {

// The objectives by number; each group offers some of them, in their order.
const QStringList kObjectives{"Total Cost", "Min {Max P(wait)}", "Min minutes over limit", "None",
                              "Min minutes below service target",
                              "Min labour cost, service target met", "Min abandonment"};
// The first group has no "None"; labour cost with the service target met is a first objective only.
const QList<std::int32_t> kFirstObjectives{0, 1, 2, morvane::kObjectiveService,
                                           morvane::kObjectiveLabour, morvane::kObjectiveAbandon};
const QList<std::int32_t> kSecondObjectives{0, 1, 2, morvane::kObjectiveNone,
                                            morvane::kObjectiveService, morvane::kObjectiveAbandon};

QStringList Captions(const QList<std::int32_t>& objectives) {
  QStringList captions;
  for (const std::int32_t objective : objectives) captions << kObjectives[objective];
  return captions;
}

int EvaluationItemOf(morvane::Precision precision) {
  const auto& items = morvane::kEvaluationItems;
  const auto found = std::find_if(items.begin(), items.end(),
                                  [precision](const auto& item) { return item.precision == precision; });
  return found == items.end() ? 0 : static_cast<int>(found - items.begin());
}

QCheckBox* CheckBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

GASettingsPanel::GASettingsPanel(MorvaneApp& app, morvane::GASettings& settings, QWidget* parent)
    : QWidget(parent), app_(app), settings_(settings) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(buildBoxes());
  layout->addWidget(buildChecks());
  layout->addWidget(buildObjectives());
  FormShow();
  showChecks();
  showChoices();
  ImproveCarryOverCheckBox->setEnabled(false);  // until "Improve Best?" is checked
}

// The numeric boxes, each checked by the core's handler of its setting, and
// the start-interval choice.
QGridLayout* GASettingsPanel::buildBoxes() {
  using namespace morvane;
  auto* grid = new QGridLayout;
  MaxCostEdit = addBox(grid, "MaxCostEdit", "MaxCostLabel", "&Maximum Cost", "", [this](auto& t) {
    return MaxCostEditExit(t, settings_, app_.model, app_.locale);
  });
  RandSeedEdit = addBox(grid, "RandSeedEdit", "RandSeedLabel", "Random # Seed", "",
                        [this](auto& t) { return RandSeedEditExit(t, settings_); });
  InitPopEdit = addBox(grid, "InitPopEdit", "InitPopLabel", "Initial Population", "", nullptr);
  connect(InitPopEdit, &EntryEdit::exited, this, [this] { InitPopEditExit(InitPopEdit->text().toStdString()); });
  MaxGenEdit = addBox(grid, "MaxGenEdit", "MaxGenLabel", "Max Generations", "",
                      [this](auto& t) { return MaxGenEditExit(t, settings_); });
  MaxGenNoChangeEdit = addBox(grid, "MaxGenNoChangeEdit", "MaxGenNoChangeLabel", "Max Gen No Change", "",
                              [this](auto& t) { return MaxGenNoChangeEditExit(t, settings_); });
  Number2ImportEdit = addBox(grid, "Number2ImportEdit", "Number2ImportLabel", "Number 2 import", "",
                             [this](auto& t) { return Number2ImportEditExit(t, settings_); });
  CarryOverEdit = addBox(grid, "CarryOverEdit", "CarryoverLabel", "Number 2 carry over", "",
                         [this](auto& t) { return CarryOverEditExit(t, settings_); });
  BiasEdit = addBox(grid, "BiasEdit", "BiasLabel", "Bias toward Full time",
                    ">1 means no part time; <0 means no full time",
                    [this](auto& t) { return BiasEditExit(t, settings_, app_.locale); });
  CriticalPwaitEdit = addBox(grid, "CriticalPwaitEdit", "CriticalPWailLabel", "Critical P(wait)", "",
                             [this](auto& t) { return CriticalPwaitEditExit(t, app_.model, app_.locale); });
  ThreadsEdit = addBox(grid, "ThreadsEdit", "ThreadsLabel", "Worker threads",
                       "Plans scored at once, each on a core; results do not depend on it",
                       [this](auto& t) { return ThreadsEditExit(t, settings_); });

  auto* start = new QLabel("Start employees every", this);
  start->setObjectName("StartLabel");
  StartingInterval = new QComboBox(this);
  StartingInterval->setObjectName("StartingInterval");
  for (const StartIntervalItem& item : kStartIntervalItems) StartingInterval->addItem(item.caption);
  connect(StartingInterval, &QComboBox::currentIndexChanged, this,
          [this](int item) { settings_.StartInterval = StartIntervalOfItem(item); });  // StartingIntervalChange
  const int row = grid->rowCount();
  grid->addWidget(start, row, 0);
  grid->addWidget(StartingInterval, row, 1);
  fullLayout_ << start << StartingInterval;
  addEvaluationChoice(grid);
  return grid;
}

// Like the worker threads, the choice is kept across runs and "Re&Set Def."
// leaves it alone.
void GASettingsPanel::addEvaluationChoice(QGridLayout* grid) {
  auto* label = new QLabel("&Evaluation", this);
  label->setObjectName("EvaluationLabel");
  EvaluationChoice = new QComboBox(this);
  EvaluationChoice->setObjectName("EvaluationChoice");
  EvaluationChoice->setToolTip(
      "The number type plans are scored in: Double is several times faster, its figures agree "
      "to about 1e-15; the plan a run installs is computed in extended precision");
  for (const morvane::EvaluationItem& item : morvane::kEvaluationItems) EvaluationChoice->addItem(item.caption);
  label->setBuddy(EvaluationChoice);
  connect(EvaluationChoice, &QComboBox::currentIndexChanged, this, [this](int item) {
    settings_.Evaluation = morvane::kEvaluationItems[static_cast<std::size_t>(item)].precision;
  });
  const int row = grid->rowCount();
  grid->addWidget(label, row, 0);
  grid->addWidget(EvaluationChoice, row, 1);
  fullLayout_ << label << EvaluationChoice;
}

EntryEdit* GASettingsPanel::addBox(QGridLayout* grid, const char* name, const char* label,
                                   const QString& caption, const QString& hint, Exit exit) {
  auto* edit = new EntryEdit(name, hint, this);
  auto* text = new QLabel(caption, this);
  text->setObjectName(label);
  text->setBuddy(edit);
  const int row = grid->rowCount();
  grid->addWidget(text, row, 0);
  grid->addWidget(edit, row, 1);
  fullLayout_ << text << edit;
  if (exit)
    connect(edit, &EntryEdit::exited, this, [this, edit, exit] {
      ShowEntryOutcome(edit, exit(edit->text().toStdString()), *app_.ui);
      FormShow();
    });
  return edit;
}

QWidget* GASettingsPanel::buildChecks() {
  auto* checks = new QWidget(this);
  ImproveBestCheckBox = CheckBox("ImproveBestCheckBox", "Improve Best?", checks);
  ImproveCarryOverCheckBox = CheckBox("ImproveCarryOverCheckBox", "Improve Carry Over?", checks);
  ImproveLastBox = CheckBox("ImproveLastBox", "Improve Last Solution?", checks);
  AllowPart2FullBox = CheckBox("AllowPart2FullBox", "Allow swapping 1 FT for 2 PT?", checks);
  connect(ImproveBestCheckBox, &QCheckBox::clicked, this, [this](bool checked) {
    morvane::SetImproveBest(settings_, checked);  // ImproveBestCheckBoxClick
    showChecks();
    ImproveCarryOverCheckBox->setEnabled(checked);
    showSwapRule();
  });
  connect(ImproveLastBox, &QCheckBox::clicked, this, [this](bool checked) {
    settings_.ImproveLast = checked;  // ImproveLastBoxClick
    showSwapRule();
  });
  connect(ImproveCarryOverCheckBox, &QCheckBox::clicked, this,
          [this](bool checked) { settings_.ImproveCarryOver = checked; });
  connect(AllowPart2FullBox, &QCheckBox::clicked, this, [this](bool checked) { settings_.AllowSwap = checked; });
  auto* layout = new QVBoxLayout(checks);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QCheckBox* box : {ImproveBestCheckBox, ImproveCarryOverCheckBox, ImproveLastBox, AllowPart2FullBox}) {
    layout->addWidget(box);
    fullLayout_ << box;
  }
  return checks;
}

QWidget* GASettingsPanel::buildObjectives() {
  auto* groups = new QWidget(this);
  FirstObjective = new RadioGroup("FirstObjective", "First Objective", Captions(kFirstObjectives), groups);
  SecondObjective = new RadioGroup("SecondObjective", "Second Objective", Captions(kSecondObjectives), groups);
  connect(FirstObjective, &RadioGroup::itemClicked, this,
          [this](int item) { FirstObjectiveClick(kFirstObjectives[item]); });
  connect(SecondObjective, &RadioGroup::itemClicked, this,
          [this](int item) { SecondObjectiveClick(kSecondObjectives[item]); });
  auto* layout = new QHBoxLayout(groups);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FirstObjective);
  layout->addWidget(SecondObjective);
  fullLayout_ << FirstObjective << SecondObjective;
  return groups;
}

void GASettingsPanel::FormShow() {
  const morvane::NumberLocale& locale = app_.locale;
  const auto integer = [](std::int32_t value) { return QString::number(value); };
  MaxCostEdit->setText(QString::fromStdString(morvane::GeneralText(settings_.MaxCost, locale)));
  RandSeedEdit->setText(integer(settings_.RandomSeed));
  InitPopEdit->setText(integer(heldPopulation_.value_or(settings_.PopulationSize)));
  MaxGenEdit->setText(integer(settings_.MaxGenerations));
  MaxGenNoChangeEdit->setText(integer(settings_.MaxGenNoChange));
  Number2ImportEdit->setText(integer(settings_.NumberToImport));
  CarryOverEdit->setText(integer(settings_.NumberToCarryOver));
  BiasEdit->setText(QString::fromStdString(morvane::NumberText(settings_.FullTimeBias, 5, 3, locale)));
  CriticalPwaitEdit->setText(QString::fromStdString(morvane::NumberText(app_.model.CriticalPWait, 5, 3, locale)));
  ThreadsEdit->setText(integer(morvane::WorkerThreads(settings_.Threads)));
}

void GASettingsPanel::showAll() {
  FormShow();
  showChecks();
  showChoices();
  offerImprovements();
  if (!morvane::ImprovementOptionsEnabled(settings_)) return;
  ImproveCarryOverCheckBox->setEnabled(settings_.ImproveBest);
  showSwapRule();
}

// The objective groups and the two lists.
void GASettingsPanel::showChoices() {
  showObjectives();
  StartingInterval->setCurrentIndex(morvane::ItemOfStartInterval(settings_.StartInterval).value_or(0));
  EvaluationChoice->setCurrentIndex(EvaluationItemOf(settings_.Evaluation));
}

void GASettingsPanel::ResetButtonClick() {
  morvane::ResetGASettings(settings_, app_.model);
  FormShow();
  showChecks();
  showObjectives();
  StartingInterval->setCurrentIndex(0);
  offerImprovements();  // as SecondObjectiveClick does for "None"
}

void GASettingsPanel::setRunning(bool running) {
  running_ = running;
  FirstObjective->setEnabled(!running);
  SecondObjective->setEnabled(!running);
  if (running || !heldPopulation_) return;
  const std::int32_t held = *heldPopulation_;
  heldPopulation_.reset();
  ShowEntryOutcome(InitPopEdit, morvane::InitPopEditExit(std::to_string(held), settings_), *app_.ui);
  FormShow();
}

QList<QWidget*> GASettingsPanel::fullLayoutControls() const { return fullLayout_; }

// InitPopEditExit: the block settings come down to PopulationSize - 2 with it.
void GASettingsPanel::InitPopEditExit(const std::string& text) {
  if (!running_) {
    ShowEntryOutcome(InitPopEdit, morvane::InitPopEditExit(text, settings_), *app_.ui);
  } else {
    morvane::GASettings next = settings_;
    next.PopulationSize = heldPopulation_.value_or(settings_.PopulationSize);
    ShowEntryOutcome(InitPopEdit, morvane::InitPopEditExit(text, next), *app_.ui);
    heldPopulation_ = next.PopulationSize;
  }
  FormShow();
}

void GASettingsPanel::showChecks() {
  ImproveBestCheckBox->setChecked(settings_.ImproveBest);
  ImproveCarryOverCheckBox->setChecked(settings_.ImproveCarryOver);
  ImproveLastBox->setChecked(settings_.ImproveLast);
  AllowPart2FullBox->setChecked(settings_.AllowSwap);
}

// Clicks on "Improve Best?" and "Improve Last Solution?": swapping is offered
// with either improvement.
void GASettingsPanel::showSwapRule() {
  AllowPart2FullBox->setEnabled(morvane::AllowSwapEnabled(settings_));
}

// A choice of the second objective offers the four improvement options
// together exactly when it is "None"; their check marks stay.
void GASettingsPanel::offerImprovements() {
  const bool offered = morvane::ImprovementOptionsEnabled(settings_);
  for (QCheckBox* box : {ImproveBestCheckBox, ImproveCarryOverCheckBox, ImproveLastBox, AllowPart2FullBox})
    box->setEnabled(offered);
}

void GASettingsPanel::showObjectives() {
  FirstObjective->setItemIndex(static_cast<int>(kFirstObjectives.indexOf(settings_.FirstObjectiveIndex)));
  SecondObjective->setItemIndex(static_cast<int>(kSecondObjectives.indexOf(settings_.SecondObjectiveIndex)));
}

void GASettingsPanel::FirstObjectiveClick(std::int32_t objective) {
  if (!morvane::ChooseFirstObjective(settings_, objective)) return;
  clashMessage();
  SecondObjectiveClick(morvane::kObjectiveNone);
}

void GASettingsPanel::SecondObjectiveClick(std::int32_t objective) {
  if (morvane::ChooseSecondObjective(settings_, objective)) clashMessage();
  showObjectives();
  if (settings_.twoObjectives()) emit secondObjectiveChosen();
  offerImprovements();
}

void GASettingsPanel::clashMessage() {
  app_.ui->message(morvane::MessageKind::Information, morvane::kObjectiveClashMessage);
}
