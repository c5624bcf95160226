// The staffing window's start-times file buttons and their dialogs. Writing
// and reading themselves, with their checks and messages, are the core's; the
// window chooses the file and shows what was read.
#include <QFileInfo>

#include "staffing_window/duty_template_page.h"
#include "shared/file_choice_dialog.h"
#include "staffing_window/time_checks_form.h"
#include "staffing/start_times_file.h"

namespace {

// "Time file|*.tim|All files|*.*" as Qt's list "Time file (*.tim)", "All files (*.*)".
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  return filters;
}

}  // namespace

// Both dialogs filter "Time file|*.tim|All files|*.*" and add ".tim" to a bare name.
void TTimeChecksForm::makeFileDialogs() {
  const QStringList filters = NameFilters(morvane::kStartTimesFilter);
  const QString suffix =
      QString::fromStdString(morvane::kStartTimesDefaultExtension).remove(QStringLiteral("*."));
  writeDialog_ = new FileChoiceDialog(this, QStringLiteral("WriteDialog"), filters, suffix);
  writeDialog_->setWindowTitle(QString::fromStdString(morvane::kWriteDialogTitle));
  writeDialog_->setOption(QFileDialog::DontConfirmOverwrite);  // the window asks in its own words
  readDialog_ = new FileChoiceDialog(this, QStringLiteral("ReadDialog"), filters, suffix);
  readDialog_->setWindowTitle(QString::fromStdString(morvane::kReadDialogTitle));
  readDialog_->setAcceptMode(QFileDialog::AcceptOpen);
  readDialog_->setFileMode(QFileDialog::ExistingFile);
}

void TTimeChecksForm::WriteButtonClick() {
  if (!onStartTimesTab()) return;
  QString name;
  do {
    name = writeDialog_->chooseFile();
    if (name.isEmpty()) return;
  } while (QFileInfo::exists(name) && !app_.ui->ask(morvane::ReplaceFileQuestion(name.toStdString())));
  readPlan();
  morvane::WriteStartTimesFile(app_.model.staffing, name.toStdString(), *app_.ui);
}

// The open dialog again after every name that is not a file; empty when cancelled.
QString TTimeChecksForm::chooseExistingFile() {
  for (;;) {
    readDialog_->selectFile(QString());  // the name starts empty every time
    const QString name = readDialog_->chooseFile();
    if (name.isEmpty() || QFileInfo::exists(name)) return name;
    app_.ui->message(morvane::MessageKind::Error, morvane::MissingFileMessage(name.toStdString()));
  }
}

// A file that does not read cleanly leaves the model and the window as they
// were; one that does replaces both templates and all start cells.
void TTimeChecksForm::ReadButtonClick() {
  if (!onStartTimesTab()) return;
  const QString name = chooseExistingFile();
  if (name.isEmpty()) return;
  if (!morvane::ReadStartTimesFile(app_.model, name.toStdString(), *app_.ui)) return;
  const morvane::StaffingState& staff = app_.model.staffing;
  fullTimePage_->showTemplate(staff.DutyTemplate[morvane::FullTime]);
  partTimePage_->showTemplate(staff.DutyTemplate[morvane::PartTime]);
  for (const morvane::EmployeeType type : {morvane::FullTime, morvane::PartTime})
    writeStartColumn(type, false);
  ScheduleGridExit();
}
