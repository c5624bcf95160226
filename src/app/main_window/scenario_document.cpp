#include "main_window/scenario_document.h"

#include <QFileInfo>
#include <QWidget>

ScenarioDocument::ScenarioDocument(QWidget& window, Current current)
    : window_(window), current_(std::move(current)) {}

void ScenarioDocument::setProgramTitle(const QString& title) {
  programTitle_ = title;
  showTitle();
}

void ScenarioDocument::keep(const QString& path) {
  path_ = path;
  kept_ = current_();
  showTitle();
  window_.setWindowModified(false);
}

void ScenarioDocument::refreshMark() { window_.setWindowModified(modified()); }

bool ScenarioDocument::modified() const { return current_() != kept_; }

QString ScenarioDocument::name() const {
  return path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
}

void ScenarioDocument::showTitle() { window_.setWindowTitle(name() + "[*] - " + programTitle_); }
