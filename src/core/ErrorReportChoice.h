#pragma once
// The user's lasting answer to "Send an error report?": kept beside the
// recent list (in the state folder of an installed copy), so that "don't ask
// again" holds for later runs.

#include <string>

class TvxProject;

enum class ErrorReportChoice { Ask, Send, DontSend };

// The recent list's name with ".report" for its ".log"; empty when the
// program keeps no state.
std::string ErrorReportChoiceFile(const TvxProject& project);
// Ask when nothing was kept or the file cannot be read.
ErrorReportChoice ReadErrorReportChoice(const TvxProject& project);
// Keeps the answer; throws platform::FileError when it cannot be written.
void KeepErrorReportChoice(const TvxProject& project, ErrorReportChoice choice);
