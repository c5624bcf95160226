// Choosing the name of a file to write: a new file, or an existing one that
// the planner agreed to replace. The history file and the chart pictures ask
// the same way.
#pragma once

#include <optional>
#include <string>

#include "base/user_interface.h"

class FileChoiceDialog;

// Shows `dialog`; for an existing file asks "File [name] exists.... Do you want
// to replace it?" and shows the dialog again on No. Nothing when the planner cancels.
std::optional<std::string> chooseFileToWrite(FileChoiceDialog& dialog, morvane::UserInterface& ui);
