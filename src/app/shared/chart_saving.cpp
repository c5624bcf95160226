#include "shared/chart_saving.h"

#include "shared/chart_picture.h"
#include "shared/file_choice_dialog.h"
#include "shared/file_to_write.h"

void saveChart(FileChoiceDialog& dialog, QWidget& chart, morvane::UserInterface& ui,
               const std::string& errorMessage) {
  dialog.setDefaultSuffix("bmp");
  dialog.selectNameFilter(dialog.nameFilters().value(0));
  const auto name = chooseFileToWrite(dialog, ui);
  if (!name) return;
  const auto kind = morvane::pictureKindOf(*name);
  if (!kind) {
    ui.message(morvane::MessageKind::Warning,
               "File not saved ... invalid extension on file name <" + *name + ">");
    return;
  }
  if (!writeChartPicture(chart, QString::fromStdString(*name), *kind)) {
    ui.message(morvane::MessageKind::Error, errorMessage);
    return;
  }
  ui.message(morvane::MessageKind::Information, "File saved as <" + *name + ">");
}
