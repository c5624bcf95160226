// Writing the plan in force to a start-times file (.tim) and reading one back
// into the model. The staffing window owns the dialogs; these do the rest and
// tell the planner through the user interface what came of it.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "engine/model.h"
#include "base/replace_file.h"
#include "base/user_interface.h"

namespace morvane {

// The window's file dialogs: the save dialog's title really is "Read file".
inline const std::string kWriteDialogTitle = "Read file";
inline const std::string kReadDialogTitle = "Open file";
inline const std::string kStartTimesFilter = "Time file|*.tim|All files|*.*";
inline const std::string kStartTimesDefaultExtension = "*.tim";
// Write and read refuse to run outside the "Start Times" tab with this message.
inline const std::string kStartTimesTabOnly = "You can only return from the [Start Times] Tab";

// "File [name] exists.... Do you want to replace it?" (Yes and No buttons).
std::string ReplaceFileQuestion(const std::string& name);
// "File [name] does not exist... Try again." (error box, then the open dialog again).
std::string MissingFileMessage(const std::string& name);

// Writes both templates and both start-count columns of `staff` as 96 lines. The
// file is replaced only by a complete new one. Shows WrittenMessage on success,
// an error naming the file and the cause otherwise; returns whether it wrote.
// Runs no plan computation.
bool WriteStartTimesFile(const StaffingState& staff, const std::string& path, UserInterface& ui);

// Reads and checks the whole file first. A file that reads cleanly replaces both
// templates and all starts (StartTimes holds no count below 0 afterwards), the
// first-period rule is applied to the FT template and then the PT template (one
// kFirstPeriodWarning for each it restores), and ScheduleGridExit runs. On any
// fault an error names the file (and the line, for a bad number) and the model
// is left exactly as it was. Returns whether the plan was replaced; the window
// then shows the model's templates and starts (counts above 0; other cells empty).
bool ReadStartTimesFile(Model& model, const std::string& path, UserInterface& ui);

// The same for a text already opened; `name` is the file name the messages show.
bool ReadStartTimes(Model& model, std::istream& in, const std::string& name, UserInterface& ui);

}  // namespace morvane
