#pragma once
// The event log: every pass's recommendations (the hot-number row excepted) as rows of
// the log window and as lines of the day file log/<date>.txt, and the export of the
// window's rows to a text file of the user's choice. Both files are GBK with CR LF.
#include <string>

#include "app/program.h"

namespace pk {

// The first line of a day file and of an export.
std::string LogHeaderLine();

// The day file's name without folder: the date box text when it is a plain date,
// otherwise the server clock's date, or the computer's (UTC+8) before any server answered.
std::string DayLogFileName(Program& program);

// Logs rows 2.. of the recommendations with one time stamp: list rows, day file lines,
// and the count label.
void LogRecommendations(Program& program);

// The text an export writes: the header, then one line per list row.
std::string ExportText(Program& program);

// Asks the platform for a file and writes the export there; nothing on cancel.
void ExportLog(Program& program);

}  // namespace pk
