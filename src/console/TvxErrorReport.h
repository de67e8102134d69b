#pragma once
// The error report sent after a run with failures: the failure messages as
// one comma-separated text, opened through the product's action page.

#include <string>
#include <vector>

// "err&e=" and the messages separated by ","; control characters in a
// message are escaped first (platform::EscapeControls); a message holding a
// blank, a comma or a double quote is put in double quotes with inner quotes
// doubled; every "?" is written "%3F".
std::string ErrorReportAction(const std::vector<std::string>& failureMessages);

// Opens the report through vxInfo; returns whether it was handed on.
bool SendErrorReport(const std::vector<std::string>& failureMessages);
