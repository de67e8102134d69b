#include "platform/registry/CupsPrinterList.h"

#include "platform/process/ProcessRunner.h"
#include "platform/text/AsciiText.h"

namespace platform {

CupsPrinterList::CupsPrinterList(std::string program, std::chrono::milliseconds timeout)
    : program_(std::move(program)), timeout_(timeout) {}

std::vector<std::string> CupsPrinterList::installedPrinters() const {
    const auto output = ProcessRunner::Current()->Output(program_, {"-e"}, timeout_);
    return output ? parseLpstatOutput(*output) : std::vector<std::string>{};
}

std::vector<std::string> CupsPrinterList::parseLpstatOutput(const std::string& output) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        const std::string name(Trim(std::string_view(output).substr(start, end - start)));
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

}  // namespace platform
