// One duty-template page of the staffing window: the heading, the template
// list of the periods after a shift's start, the wrap-around box and the
// chart of the template. The FT and PT pages differ only in their texts.
#pragma once

#include <QWidget>

#include "engine/model.h"

class QCheckBox;
class QLineSeries;
class ChartPanel;
class PeriodCheckList;

namespace morvane {
class UserInterface;
}

class DutyTemplatePage : public QWidget {
  Q_OBJECT

 public:
  struct Texts {
    QString heading;
    QString listName;      // object names of the controls
    QString wrapBoxName;
    QString wrapCaption;   // caption at creation
    QString chartName;
    QString chartTitle;
    QString chartHint;
  };

  DutyTemplatePage(const Texts& texts, QWidget* parent = nullptr);

  PeriodCheckList* list() const { return list_; }
  QCheckBox* wrapBox() const { return wrapBox_; }

  // The first-period rule: an unchecked item 0 is reported and checked again;
  // then the chart shows the list.
  void checkFirstPeriod(morvane::UserInterface& ui);
  // Checks the items that are 1 in `items` and draws them.
  void showTemplate(const morvane::PeriodCounts& items);
  // The wrap-around box checked or not, with its caption.
  void showWraps(bool wraps);

 signals:
  // The planner changed an item of the list.
  void listClicked();
  void wrapClicked(bool wraps);

 private:
  PeriodCheckList* list_;
  QCheckBox* wrapBox_;
  ChartPanel* chart_;
  QLineSeries* schedule_;
};
