#include "shared/qt_user_interface.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace {

QMessageBox::Icon IconOf(morvane::MessageKind kind) {
  switch (kind) {
    case morvane::MessageKind::Information: return QMessageBox::Information;
    case morvane::MessageKind::Warning: return QMessageBox::Warning;
    case morvane::MessageKind::Error: return QMessageBox::Critical;
    case morvane::MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString gMessageTitle;  // MessageTitle's; the GUI thread's alone

}  // namespace

MessageTitle::MessageTitle(const QString& title) : previous_(gMessageTitle) {
  if (!title.isEmpty()) gMessageTitle = title;
}

MessageTitle::~MessageTitle() { gMessageTitle = previous_; }

QString MessageTitle::current() {
  return gMessageTitle.isEmpty() ? QApplication::applicationName() : gMessageTitle;
}

QString MessageText(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QtUserInterface::QtUserInterface(QObject* parent) : QObject(parent) {}

void QtUserInterface::message(morvane::MessageKind kind, const std::string& text) {
  QMessageBox box(IconOf(kind), MessageTitle::current(), MessageText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool QtUserInterface::ask(const std::string& text, morvane::MessageKind kind) {
  QMessageBox box(IconOf(kind), QApplication::applicationName(), MessageText(text),
                  QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  return box.exec() == QMessageBox::Yes;
}

std::optional<bool> QtUserInterface::askOrCancel(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), MessageText(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return true;
    case QMessageBox::No: return false;
    default: return std::nullopt;
  }
}

void QtUserInterface::reportLine(const std::string& line) {
  emit reportLineInserted(QString::fromStdString(line));
}

void QtUserInterface::clearReport() { emit reportCleared(); }

void QtUserInterface::progress(morvane::Gauge gauge, int percent) { emit gaugeMoved(gauge, percent); }

// Runs the event loop until the time has passed, so windows repaint and
// buttons answer while a long computation goes on.
void QtUserInterface::pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// While a GA run waits for its worker threads: the windows repaint and the
// stop button answers.
void QtUserInterface::idle() { QApplication::processEvents(); }

void QtUserInterface::valueChanged(morvane::ShownValue value) { emit shownValueChanged(value); }
