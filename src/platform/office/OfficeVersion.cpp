#include "platform/office/OfficeVersion.h"

#include <fstream>
#include <regex>

namespace platform::office {

namespace {

constexpr std::size_t kMaxLine = 4096;

}  // namespace

std::optional<std::string> OfficeProductVersion(const std::filesystem::path& program) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(program, error);
    if (error) return std::nullopt;
    std::ifstream file(real.parent_path() / "bootstraprc");
    // "ProductKey=LibreOffice 7.4"
    static const std::regex productKey(R"(ProductKey=.*\s(\d{1,4}\.\d{1,4})\s*)");
    std::string line;
    for (int lines = 0; lines < 200 && std::getline(file, line); ++lines) {
        if (line.size() > kMaxLine) continue;
        std::smatch match;
        if (std::regex_match(line, match, productKey)) return match[1].str();
    }
    return std::nullopt;
}

}  // namespace platform::office
