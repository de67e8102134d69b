#pragma once
// The error report a user may send after a window run with failures: the
// failure messages with every path reduced to its extension, as one
// comma-separated text for the product's action page. Only the window sends
// it, and only when the user agrees; an unattended run keeps its failures in
// the log and the exit code.

#include <string>
#include <vector>

// The messages as the report carries them: each of `knownPaths` (the jobs'
// files and folders, which may hold blanks) and then every other word holding
// a "/" is replaced by "*" and the extension of its last name ("*.chm"), or
// by "*/" for a folder; nothing else of a path is kept. Messages that become
// the same are kept once.
std::vector<std::string> ReportableMessages(const std::vector<std::string>& failureMessages,
                                            std::vector<std::string> knownPaths);

// "err&e=" and the messages separated by ","; control characters in a
// message are escaped first (platform::EscapeControls); a message holding a
// blank, a comma or a double quote is put in double quotes with inner quotes
// doubled; every "?" is written "%3F".
std::string ErrorReportAction(const std::vector<std::string>& failureMessages);
