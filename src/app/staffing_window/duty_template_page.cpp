#include "staffing_window/duty_template_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shared/chart_panel.h"
#include "staffing_window/period_check_list.h"
#include "staffing/duty_template.h"
#include "base/user_interface.h"

namespace {

const QString kWrapsCaption = QStringLiteral("Shifts WRAP Around Midnight or 1440 min");
const QString kNoWrapCaption = QStringLiteral("Shifts Do NOT Wrap Around Midnight or 1440 min");

}  // namespace

DutyTemplatePage::DutyTemplatePage(const Texts& texts, QWidget* parent)
    : QWidget(parent), list_(new PeriodCheckList), wrapBox_(new QCheckBox(texts.wrapCaption)) {
  auto* heading = new QLabel(texts.heading);
  heading->setWordWrap(true);
  list_->setObjectName(texts.listName);
  list_->setToolTip(QStringLiteral("Click on a 15 minute time interval to turn it on/off"));
  wrapBox_->setObjectName(texts.wrapBoxName);
  wrapBox_->setChecked(true);
  wrapBox_->setToolTip(QStringLiteral("Checked means that shifts wrap around midnight"));

  auto* chart = new ChartPanel(texts.chartName, texts.chartTitle);
  chart->setToolTip(texts.chartHint);
  chart->setLegendVisible(false);
  QValueAxis* minutes = chart->addDayAxis();
  QValueAxis* onDuty = chart->addAxis(Qt::AlignLeft, QString());
  chart->setAxisLimits(minutes, 0.0, 1440.0);
  chart->setAxisLimits(onDuty, 0.0, 1.1);  // a tick at 0.2 steps: the on-duty level 1 among them
  schedule_ = chart->addSeries(QStringLiteral("Shift Schedule"), Qt::black, 2, minutes, onDuty, true);
  chart_ = chart;

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(list_);
  layout->addWidget(wrapBox_);
  layout->addWidget(chart, 1);

  connect(list_, &QListWidget::itemChanged, this, &DutyTemplatePage::listClicked);
  connect(wrapBox_, &QCheckBox::clicked, this, [this](bool wraps) {
    showWraps(wraps);
    emit wrapClicked(wraps);
  });
}

void DutyTemplatePage::checkFirstPeriod(morvane::UserInterface& ui) {
  morvane::PeriodCounts items = list_->checkedItems();
  if (morvane::ApplyFirstPeriodRule(items))
    ui.message(morvane::MessageKind::Warning, morvane::kFirstPeriodWarning);
  showTemplate(items);
}

void DutyTemplatePage::showWraps(bool wraps) {
  wrapBox_->setChecked(wraps);
  wrapBox_->setText(wraps ? kWrapsCaption : kNoWrapCaption);
}

void DutyTemplatePage::showTemplate(const morvane::PeriodCounts& items) {
  list_->setCheckedItems(items);
  chart_->setPoints(schedule_, morvane::ShiftScheduleSeries(items));
}
