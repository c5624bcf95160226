#include "main_window/scenario_panels.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "engine/arrival_rate.h"
#include "engine/forecast_file.h"
#include "shared/command_button.h"
#include "shared/entry_edit.h"
#include "shared/file_choice_dialog.h"
#include "base/number_format.h"

using morvane::Real;
using morvane::ScenarioInputs;

namespace {

enum class FollowUp { Invalidate, BaseStaffing, LaborCost, CostLabels };

}  // namespace

// One input box: its control, caption and hint, the input behind it with its
// inclusive range (highInput, when given, is the input whose current value is
// the upper bound), the significant digits of its text (reals; integers are
// plain decimal) and its follow-up.
struct ScenarioPanels::Box {
  const char* name;
  const char* caption;
  const char* hint;
  std::int32_t ScenarioInputs::*integer;
  Real ScenarioInputs::*real;
  Real low;
  Real high;
  Real ScenarioInputs::*highInput;
  int precision;
  FollowUp followUp;
};

namespace {

using Box = ScenarioPanels::Box;
const Box kBoxes[] = {
    {"MeanDemandEdit", "Mean Demand (per hour)", "Input the mean demand level", nullptr,
     &ScenarioInputs::MeanDemand, 1, 100, nullptr, 5, FollowUp::Invalidate},
    {"AmplitudeEdit", "Demand Amplitude (Peak-mean)",
     "Input the difference between the peak and mean demands", nullptr,
     &ScenarioInputs::DemandAmplitude, 0, 0, &ScenarioInputs::MeanDemand,
     5, FollowUp::Invalidate},
    {"CyclesEdit", "Cycles/day", "Input the number of cycles per day", &ScenarioInputs::CyclesPerDay,
     nullptr, 1, 12, nullptr, 0, FollowUp::Invalidate},
    {"ShiftEdit", "Demand shift (minutes)", "Input the shift in demand in minutes", nullptr,
     &ScenarioInputs::DemandShift, 0, 1440, nullptr, 5, FollowUp::Invalidate},
    {"BlockMinEdit", "Block Demand every X min", "Input the shift in demand in minutes", &ScenarioInputs::BlockMinutes,
     nullptr, 1, 1440, nullptr, 0, FollowUp::Invalidate},
    {"ServersEdit", "Servers (base value)",
     "Input the base number of servers; USED only if specific shifts have not been set",
     &ScenarioInputs::BaseServers, nullptr, 1, 35, nullptr, 0, FollowUp::BaseStaffing},
    {"ServiceRateEdit", "Service Rate (per hour)", "Input the service rate per hour", nullptr,
     &ScenarioInputs::ServiceRate, 0.01L, 100, nullptr, 5, FollowUp::Invalidate},
    {"PatienceEdit", "Patience (s), 0 = none",
     "Input the mean time in seconds a waiting caller holds before hanging up; 0: nobody hangs up",
     &ScenarioInputs::PatienceSeconds, nullptr, morvane::InputRanges::kPatienceLow,
     morvane::InputRanges::kPatienceHigh, nullptr, 0, FollowUp::Invalidate},
    {"ServiceSecondsEdit", "Answer within (seconds)",
     "Input the target answer time T of the service level, in seconds",
     &ScenarioInputs::ServiceLevelSeconds, nullptr, 0, 3600, nullptr, 0, FollowUp::Invalidate},
    {"ServiceTargetEdit", "Target service level (%)",
     "Input the share of contacts to answer within T, in percent", nullptr,
     &ScenarioInputs::ServiceLevelTarget, 0, 100, nullptr, 5, FollowUp::Invalidate},
    {"DelayCostEdit", "$/person hr of delay", "Gives the cost per person-hour of delay", nullptr,
     &ScenarioInputs::DelayCost, 0, 1000, nullptr, 10, FollowUp::CostLabels},
    {"FullTimeCostEdit", "$/Full time person", "Gives the cost per full time employee per shift",
     nullptr, &ScenarioInputs::FullTimeCost, 0, 100000, nullptr, 10, FollowUp::LaborCost},
    {"PartTimeCostEdit", "$/Part time person", "Gives the cost per part-time employee per shift",
     nullptr, &ScenarioInputs::PartTimeCost, 0,
     0, &ScenarioInputs::FullTimeCost, 10, FollowUp::LaborCost},
    {"TimeStepEdit", "Time Step (Seconds)",
     "Gives the DELTA Time value in seconds; should be 60 or less", &ScenarioInputs::TimeStepSeconds,
     nullptr, 1, 3600, nullptr, 0, FollowUp::Invalidate},
    {"MaxIterationsEdit", "Max Iterations",
     "Gives the maximum number of iterations; 10 is usually good but for highly transient "
     "conditions, much larger values (250-500) may be needed",
     &ScenarioInputs::MaxIterations, nullptr, 1, 2000, nullptr, 0, FollowUp::Invalidate},
    {"MaxPercentChangeEdit", "Max % Prob Change",
     "Specifies the convergence criterion; use 0.1 or less, but not 0", nullptr,
     &ScenarioInputs::MaxPercentChange, 0.00001L, 50, nullptr, 5, FollowUp::Invalidate},
    {"InitMaxStateEdit", "Initial Max States",
     "Specifies the convergence criterion; use 0.1 or less, but not 0", &ScenarioInputs::MaxStates,
     nullptr, 100, 500, nullptr, 0, FollowUp::Invalidate},
};
enum BoxIndex { kMeanDemand, kAmplitude, kCycles, kShift, kBlockMin, kServers, kServiceRate,
                kPatience, kServiceSeconds, kServiceTarget, kDelayCost, kFullTimeCost, kPartTimeCost,
                kTimeStep, kMaxIterations, kMaxPercentChange, kInitMaxState };

}  // namespace

ScenarioPanels::ScenarioPanels(MorvaneApp& app, QWidget* parent) : QWidget(parent), app_(app) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);

  QWidget* demand = panel({&kBoxes[kMeanDemand], &kBoxes[kAmplitude], &kBoxes[kCycles], &kBoxes[kShift]});
  BlockCheckBox = new QCheckBox(kBoxes[kBlockMin].caption, demand);
  BlockCheckBox->setObjectName("BlockCheckBox");
  static_cast<QFormLayout*>(demand->layout())->addRow(BlockCheckBox, addBox(kBoxes[kBlockMin]));
  connect(BlockCheckBox, &QCheckBox::clicked, this, &ScenarioPanels::BlockCheckBoxClick);
  static_cast<QFormLayout*>(demand->layout())->addRow(forecastRow(demand));
  ForecastLabel = new QLabel(demand);
  ForecastLabel->setObjectName("ForecastLabel");
  static_cast<QFormLayout*>(demand->layout())->addRow(ForecastLabel);

  QWidget* servers = panel({&kBoxes[kServers], &kBoxes[kServiceRate], &kBoxes[kPatience],
                            &kBoxes[kServiceSeconds], &kBoxes[kServiceTarget]});
  SetTimes = new CommandButton("SetTimes", "&Set Times",
                               "Click to set the shift characteristics and starting times", servers);
  ImproveCurrentSolnButton =
      new CommandButton("ImproveCurrentSolnButton", "&Improve current soln.", "", servers);
  ServerCountUsedLabel = new QLabel(servers);
  ServerCountUsedLabel->setObjectName("ServerCountUsedLabel");
  ServerCountUsedLabel->setToolTip("Indicates if SHIFT-based service of BASE services are used");
  ServerCountUsedLabel->setAlignment(Qt::AlignCenter);
  ServerCountUsedLabel->setAutoFillBackground(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SetTimes);
  buttons->addWidget(ImproveCurrentSolnButton);
  auto* serverRows = static_cast<QFormLayout*>(servers->layout());
  serverRows->addRow(buttons);
  serverRows->addRow(ServerCountUsedLabel);

  row->addWidget(demand);
  row->addWidget(servers);
  row->addWidget(panel({&kBoxes[kDelayCost], &kBoxes[kFullTimeCost], &kBoxes[kPartTimeCost]}));
  row->addWidget(panel({&kBoxes[kTimeStep], &kBoxes[kMaxIterations], &kBoxes[kMaxPercentChange],
                        &kBoxes[kInitMaxState]}));
}

QWidget* ScenarioPanels::panel(const std::vector<const Box*>& boxes) {
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(2);
  auto* rows = new QFormLayout(frame);
  rows->setLabelAlignment(Qt::AlignLeft);
  rows->setContentsMargins(6, 4, 6, 4);  // tight: the window fits a laptop screen
  rows->setVerticalSpacing(2);
  for (const Box* box : boxes) rows->addRow(box->caption, addBox(*box));
  return frame;
}

EntryEdit* ScenarioPanels::addBox(const Box& box) {
  auto* edit = new EntryEdit(box.name, box.hint, this);
  edit->setAccessibleName(box.caption);  // the title of its messages
  edit->setMaximumWidth(90);
  boxes_.emplace_back(&box, edit);
  connect(edit, &EntryEdit::exited, this, [this, &box, edit] { boxExit(box, edit); });
  return edit;
}

Real ScenarioPanels::valueOf(const Box& box) const {
  const ScenarioInputs& in = app_.model.inputs;
  return box.integer ? in.*(box.integer) : in.*(box.real);
}

void ScenarioPanels::writeBoxes() {
  const ScenarioInputs& in = app_.model.inputs;
  for (const auto& [box, edit] : boxes_) {
    edit->setText(box->integer ? QString::number(in.*(box->integer))
                               : QString::fromStdString(morvane::NumberText(
                                     in.*(box->real), box->precision, 2, app_.locale)));
  }
  BlockCheckBox->setChecked(in.BlockDemand);
  showDemandSource();
}

void ScenarioPanels::showValue(morvane::ShownValue value) {
  const ScenarioInputs& in = app_.model.inputs;
  const bool states = value == morvane::ShownValue::MaxStates;
  const char* name = states ? kBoxes[kInitMaxState].name : kBoxes[kTimeStep].name;
  findChild<EntryEdit*>(name)->setText(QString::number(states ? in.MaxStates : in.TimeStepSeconds));
}

void ScenarioPanels::showServerSource(bool baseServers) {
  ServerCountUsedLabel->setText(baseServers ? "Using Base Server Value Above"
                                            : "Using Servers Set By Shift Forms");
  QPalette colours = ServerCountUsedLabel->palette();
  colours.setColor(QPalette::Window, baseServers ? Qt::white : Qt::yellow);
  ServerCountUsedLabel->setPalette(colours);
}

void ScenarioPanels::boxExit(const Box& box, EntryEdit* edit) {
  ScenarioInputs& in = app_.model.inputs;
  const Real high = box.highInput ? in.*(box.highInput) : box.high;
  const Real before = valueOf(box);
  const bool entered =
      box.integer ? ValidateIntEdit(edit, in.*(box.integer), static_cast<std::int32_t>(box.low),
                                    static_cast<std::int32_t>(high), *app_.ui)
                  : ValidateRealEdit(edit, in.*(box.real), box.low, high, box.precision, *app_.ui,
                                     app_.locale);
  // An empty box, a refused entry or the value in force again changes nothing:
  // the results and the plan in force stay.
  if (!entered || valueOf(box) == before) return;
  switch (box.followUp) {
    case FollowUp::Invalidate: emit modelInputChanged(); break;
    case FollowUp::BaseStaffing: emit baseServersLeft(); break;
    case FollowUp::LaborCost:
      morvane::recomputeLaborCost(app_.model);
      emit costChanged();
      break;
    case FollowUp::CostLabels: emit costChanged(); break;
  }
}

QWidget* ScenarioPanels::forecastRow(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  ForecastCheckBox = new QCheckBox("Forecast", row);
  ForecastCheckBox->setObjectName("ForecastCheckBox");
  ForecastCheckBox->setToolTip("Demand from the loaded forecast instead of the sine");
  ForecastCheckBox->setEnabled(false);
  LoadForecastButton = new CommandButton("LoadForecastButton", "&Load forecast...",
                                         "Read a forecast of contacts per interval (CSV)", row);
  layout->addWidget(ForecastCheckBox);
  layout->addWidget(LoadForecastButton);
  connect(ForecastCheckBox, &QCheckBox::clicked, this, &ScenarioPanels::ForecastCheckBoxClick);
  connect(LoadForecastButton, &QPushButton::clicked, this, &ScenarioPanels::LoadForecastClick);
  QStringList filters{"Forecast (CSV) (*.csv)", "All files (*)"};
  ForecastDialog = new FileChoiceDialog(this, "ForecastDialog", filters, "csv");
  ForecastDialog->setWindowTitle("Load forecast");
  ForecastDialog->setAcceptMode(QFileDialog::AcceptOpen);
  ForecastDialog->setFileMode(QFileDialog::ExistingFile);
  return row;
}

void ScenarioPanels::LoadForecastClick() {
  const QString name = ForecastDialog->chooseFile();
  if (name.isEmpty()) return;
  ScenarioInputs& in = app_.model.inputs;
  if (!morvane::ReadForecastFile(in, name.toStdString(), *app_.ui)) return;
  loaded_ = in.Forecast;
  showDemandSource();
  emit modelInputChanged();
}

void ScenarioPanels::ForecastCheckBoxClick() {
  ScenarioInputs& in = app_.model.inputs;
  in.Forecast = ForecastCheckBox->isChecked() ? loaded_ : std::nullopt;
  showDemandSource();
  emit modelInputChanged();
}

void ScenarioPanels::showDemandSource() {
  const ScenarioInputs& in = app_.model.inputs;
  const bool forecast = in.Forecast.has_value();
  if (forecast) loaded_ = in.Forecast;
  ForecastCheckBox->setEnabled(loaded_.has_value());
  ForecastCheckBox->setChecked(forecast);
  for (const BoxIndex sine : {kMeanDemand, kAmplitude, kCycles, kShift, kBlockMin})
    findChild<EntryEdit*>(kBoxes[sine].name)->setEnabled(!forecast);
  BlockCheckBox->setEnabled(!forecast);
  findChild<EntryEdit*>(kBoxes[kMeanDemand].name)
      ->setText(QString::fromStdString(morvane::NumberText(morvane::MeanArrivalRate(in), 5, 2,
                                                            app_.locale)));
  ForecastLabel->setText(
      loaded_ ? QString::fromStdString(loaded_->FileName + ": " +
                                       std::to_string(loaded_->IntervalMinutes) + " min, peak " +
                                       morvane::NumberText(loaded_->peak(), 5, 1, app_.locale) +
                                       "/h")
              : QString());
}

void ScenarioPanels::BlockCheckBoxClick() {
  app_.model.inputs.BlockDemand = BlockCheckBox->isChecked();
  emit modelInputChanged();
}
