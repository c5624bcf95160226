// The run report InitPopBox of the GA window: a list that reads newest first
// (every line goes in at the top) in a fixed-pitch font, so the columns of the
// plan lines stay aligned; and the user interface a GA run reports through,
// which puts its lines there and passes everything else on.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

#include "base/user_interface.h"

class RunReportBox : public QListWidget {
  Q_OBJECT

 public:
  explicit RunReportBox(QWidget* parent = nullptr);

  void insertLine(const QString& line);
  // Top line first, as the history file holds them.
  std::vector<std::string> lines() const;
};

class RunReportInterface : public morvane::UserInterface {
 public:
  RunReportInterface(morvane::UserInterface& ui, RunReportBox& box) : ui_(ui), box_(box) {}

  void message(morvane::MessageKind kind, const std::string& text) override { ui_.message(kind, text); }
  bool ask(const std::string& text, morvane::MessageKind kind) override { return ui_.ask(text, kind); }
  void reportLine(const std::string& line) override { box_.insertLine(QString::fromStdString(line)); }
  void clearReport() override { box_.clear(); }
  void progress(morvane::Gauge gauge, int percent) override { ui_.progress(gauge, percent); }
  void pause(int milliseconds) override { ui_.pause(milliseconds); }
  void idle() override { ui_.idle(); }
  void valueChanged(morvane::ShownValue value) override { ui_.valueChanged(value); }

 private:
  morvane::UserInterface& ui_;
  RunReportBox& box_;
};
