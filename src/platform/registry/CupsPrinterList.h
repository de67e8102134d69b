#pragma once
// The printers CUPS reports, read from the output of `lpstat -e` (one
// destination a line). The program is started directly, without a shell, and
// is given a few seconds before it is stopped.

#include <chrono>

#include "platform/registry/PrinterList.h"

namespace platform {

class CupsPrinterList : public PrinterList {
public:
    explicit CupsPrinterList(std::string program = "lpstat",
                             std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::vector<std::string> installedPrinters() const override;

    // The destination names of lpstat's output: one a line, blanks trimmed.
    static std::vector<std::string> parseLpstatOutput(const std::string& output);

private:
    std::string program_;
    std::chrono::milliseconds timeout_;
};

}  // namespace platform
