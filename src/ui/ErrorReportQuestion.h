#pragma once
// The error report after a window run with failed jobs: asked for, never
// sent by itself. The user sees exactly what would be sent (the failure
// messages with every path reduced to its extension) and may keep the answer
// for later runs. An unattended run neither asks nor sends.

#include <string>
#include <vector>

class QWidget;

namespace ui {

// Offers the report of `failedJobs` jobs with these failure messages;
// `knownPaths` are the run's files and folders, none of which is sent.
// Returns whether the report was handed to the shell.
bool OfferErrorReport(QWidget* parent, int failedJobs,
                      const std::vector<std::string>& failureMessages,
                      const std::vector<std::string>& knownPaths);

}  // namespace ui
