#pragma once
// Printing to a PDF printer: telling the printer driver which file to write,
// through the registry values the drivers read, and picking an installed PDF
// printer by name.

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>

class TvxProject;
namespace platform {
class Registry;
}

// How long a print waits for the PDF printer to take the output name of an
// earlier print (the MultiInstance option), and how it sleeps meanwhile.
struct TvxPrinterOutputWait {
    std::chrono::milliseconds Step{1000};
    std::chrono::milliseconds Limit{60000};
    std::function<void(std::chrono::milliseconds)> Sleep;  // none: the thread sleeps
};

// Raised when the PDF printer still holds an earlier output name once the
// wait is over; the job then fails instead of waiting for ever.
class EPdfPrinterBusy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the target path where the chosen driver reads it. Every failure is
// swallowed, except that the MultiInstance wait ends with EPdfPrinterBusy.
// `printingAppPath` is asked only when the Distiller values are written.
void SetupPrinterOutput(const TvxProject& project, platform::Registry& registry,
                        const std::string& targetPath,
                        const std::function<std::string()>& printingAppPath,
                        const TvxPrinterOutputWait& wait = {});

// The printer to make active: the PDFWriter option when that printer is
// installed, else "Acrobat PDFWriter" when installed, else "Adobe PDF"
// (returned unchecked). Never raises.
std::string ChoosePdfPrinter(const TvxProject& project, const platform::Registry& registry);
