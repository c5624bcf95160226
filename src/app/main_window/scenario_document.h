// The scenario file the main window works on: its name in the window title,
// and Qt's mark of unsaved changes while the scenario in force differs from
// the one last opened, saved or newly made.
#pragma once

#include <QString>
#include <functional>

#include "scenario/scenario.h"

class QWidget;

class ScenarioDocument {
 public:
  using Current = std::function<morvane::Scenario()>;

  // `current` gives the scenario in force; the title is the window's.
  ScenarioDocument(QWidget& window, Current current);

  // "Morvane (version)", shown after the scenario's name.
  void setProgramTitle(const QString& title);
  // The scenario in force is now the one kept in `path` (empty: none yet).
  void keep(const QString& path);
  // The mark from a comparison of the scenario in force with the one kept.
  void refreshMark();
  bool modified() const;

  const QString& path() const { return path_; }
  // The file's name, or "Untitled" before the first save or open.
  QString name() const;

 private:
  void showTitle();

  QWidget& window_;
  Current current_;
  QString programTitle_;
  QString path_;
  morvane::Scenario kept_;
};
