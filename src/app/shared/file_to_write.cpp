#include "shared/file_to_write.h"

#include <QFileInfo>

#include "shared/file_choice_dialog.h"

std::optional<std::string> chooseFileToWrite(FileChoiceDialog& dialog, morvane::UserInterface& ui) {
  for (;;) {
    const QString file = dialog.chooseFile();
    if (file.isEmpty()) return std::nullopt;
    const std::string name = file.toStdString();
    if (!QFileInfo::exists(file) || ui.ask("File [" + name + "] exists.... Do you want to replace it?"))
      return name;
  }
}
