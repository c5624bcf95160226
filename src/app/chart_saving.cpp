#include "app/chart_saving.h"

#include <QFileInfo>
#include <optional>

#include "app/chart_picture.h"
#include "app/file_choice_dialog.h"

namespace {

// The name of a new file or of one the planner agreed to replace; nothing on cancel.
std::optional<std::string> chosenName(FileChoiceDialog& dialog, morvane::UserInterface& ui) {
  for (;;) {
    const QString file = dialog.chooseFile();
    if (file.isEmpty()) return std::nullopt;
    const std::string name = file.toStdString();
    if (!QFileInfo::exists(file) ||
        ui.ask("File [" + name + "] exists.... Do you want to replace it?"))
      return name;
  }
}

}  // namespace

void saveChart(FileChoiceDialog& dialog, QWidget& chart, morvane::UserInterface& ui,
               const std::string& errorMessage) {
  dialog.setDefaultSuffix("bmp");
  dialog.selectNameFilter(dialog.nameFilters().value(0));
  const auto name = chosenName(dialog, ui);
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
