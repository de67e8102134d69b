#pragma once
// The printers installed on this machine, by the names print jobs use.

#include <string>
#include <vector>

namespace platform {

class PrinterList {
public:
    virtual ~PrinterList() = default;
    // An empty list when none is installed or the print system does not answer.
    virtual std::vector<std::string> installedPrinters() const = 0;
};

}  // namespace platform
