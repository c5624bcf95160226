// The core's user interface in the desktop program: modal message boxes,
// and signals that carry report lines, gauge moves and changed values to
// whichever window shows them (the GA window's run report, the main window's
// gauges and boxes).
#pragma once

#include <QObject>
#include <QString>

#include "base/user_interface.h"

class QWidget;

class QtUserInterface : public QObject, public morvane::UserInterface {
  Q_OBJECT

 public:
  explicit QtUserInterface(QObject* parent = nullptr);

  void message(morvane::MessageKind kind, const std::string& text) override;
  bool ask(const std::string& text, morvane::MessageKind kind) override;
  std::optional<bool> askOrCancel(const std::string& text) override;
  void reportLine(const std::string& line) override;
  void clearReport() override;
  void progress(morvane::Gauge gauge, int percent) override;
  void pause(int milliseconds) override;
  void idle() override;
  void valueChanged(morvane::ShownValue value) override;

 signals:
  // A line for the top of the run report (it reads newest first).
  void reportLineInserted(const QString& line);
  void reportCleared();
  void gaugeMoved(morvane::Gauge gauge, int percent);
  void shownValueChanged(morvane::ShownValue value);
};

// While one lives, message boxes carry `title` (when not empty) in their title
// bar instead of the program's name: a box's check names the box.
class MessageTitle {
 public:
  explicit MessageTitle(const QString& title);
  ~MessageTitle();
  MessageTitle(const MessageTitle&) = delete;
  MessageTitle& operator=(const MessageTitle&) = delete;
  // The title of the next message box.
  static QString current();

 private:
  QString previous_;
};

// "\r" is the line break of the core's message texts.
QString MessageText(const std::string& text);
